#pragma once

// The browser's hooks while it edits: a script installed into every page
// the editor shows reports the keys, pastes, picture clicks and selection
// changes of the design view to the editor through the browser's script
// messages, and does itself what needs nothing of the program (the Enter
// fix-up, no context menu in design view, a picture clicked becomes a
// selection of that one picture).

#include <wx/string.h>

class CHtmlEditor;
class wxWebView;
class wxWebViewEvent;

class CMsieWnd {
public:
    // The name under which the page posts its reports.
    static constexpr const char* kMessageHandler = "tolvane";

    explicit CMsieWnd(CHtmlEditor* editor) : m_editor(editor) {}

    // Takes the browser's reports from now on; false when the browser cannot send any.
    bool attach(wxWebView* view);
    // Installs the hooks into the page now shown.
    bool install();
    // The Ctrl shortcuts of the design view (H, N, O, R, S, T); true when
    // the key is one of them.
    bool PreTranslateMessage(char key);
    // One report of the page: "key:" + letter, "paste", "selection", "blur".
    void WindowProc(const wxString& message);

private:
    void OnScriptMessage(wxWebViewEvent& event);

    CHtmlEditor* m_editor;
};
