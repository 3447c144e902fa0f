#pragma once

// The editing surface of the page editor: the browser (wxWebView) showing
// the page, switched into its design mode for editing, and a plain-text
// source pane that shows the page's HTML instead. It owns the document
// wrapper: before a change the page is taken from the browser with its
// selection, changed as a tree (cHtmlDocument), and handed back. It tells
// the host dialog how loading goes with numbered notifications, and writes
// the page file itself on save.
//
// The page is shown with its own scripts kept from running (a content
// policy the editor adds, and drops again from what it reads): a script
// that writes into its page while it loads would otherwise have its output
// saved into the page, once more at every edit.

#include "CMsieWnd.h"
#include "CString.h"
#include "EditedPage.h"
#include "cHtmlDocument.h"

#include <functional>
#include <string>
#include <vector>
#include <wx/panel.h>
#include <wx/string.h>
#include <wx/timer.h>

class CDHtmlEditDlg;
class CUniRichEdit;
class wxWebView;
class wxWebViewEvent;

class CHtmlEditor : public wxPanel, public cHtmlDocument::Host {
public:
    // What getMode answers.
    enum Mode { kBrowseMode = 2126, kEditMode = 2127, kSourceMode = 2139 };
    // Notifications to the host.
    enum Notification {
        kNotifyLoadPage = 5000,  // the blank start document is ready: load the page (sent)
        kNotifyRefresh = 5001,   // mode or selection may have changed (posted)
        kNotifyFocusLost = 5002, // the browser lost the focus (sent)
        kNotifyDefaults = 5003,  // apply the page defaults (sent)
        kNotifyReady = 5004,     // the document is ready (posted)
    };
    // The browser's editing commands, by the numbers the program gives them.
    enum Command {
        IDM_FONTNAME = 18,
        IDM_FONTSIZE = 19,
        IDM_BACKCOLOR = 51,
        IDM_BOLD = 52,
        IDM_FORECOLOR = 55,
        IDM_ITALIC = 56,
        IDM_JUSTIFYCENTER = 57,
        IDM_JUSTIFYLEFT = 59,
        IDM_JUSTIFYRIGHT = 60,
        IDM_UNDERLINE = 63,
        IDM_SAVE = 70,
        IDM_HYPERLINK = 2124,
        IDM_UNLINK = 2125,
        IDM_HORIZONTALLINE = 2150,
        IDM_ORDERLIST = 2184,
        IDM_UNORDERLIST = 2185,
        IDM_INDENT = 2186,
        IDM_OUTDENT = 2187,
        kFontSizePx = 5005, // the program's own: font size in pixels
    };
    static constexpr int kReadyTimer = 5006;
    static constexpr int kViewId = wxID_ANY;

    explicit CHtmlEditor(wxWindow* parent);
    ~CHtmlEditor() override;

    // Takes the placeholder's place (hidden) in its sizer and starts the
    // browser on a blank document; with bodyOnly the source view shows and
    // takes only the body's content. 0 when the browser cannot be made.
    int create(wxWindow* placeholder, CDHtmlEditDlg* host, int bodyOnly);
    // The page's own scripts run (only for a page that is viewed, never edited).
    void setPageScripts(bool run) { m_pageScripts = run; }
    // Loads the page file; 0 while the source view is on.
    int navigateTo(const CString& path);
    void setMode(int source, int design);
    int getMode() const;
    // A browser editing command on the selection, with a number (colours as
    // red + green * 256 + blue * 65536, pixels for kFontSizePx) or a text.
    // 1 when the browser did it.
    int execCommand(int id, long value = 0);
    int execCommand(int id, const CString& text);
    // The command's value at the selection as text; 0 when the browser has none.
    int queryCommandValue(int id, CString& value);
    // Writes the page file, cleaned first with clean; on failure "Error
    // saving the file" is shown and the answer is 0 (the page stays as it is
    // in the editor).
    int save(int clean = 0);
    void showPanes(int visible);
    int isReady() const;
    // Whether a readiness of the document (and its clean-up) is still to come.
    bool isWaitingForReady() const { return m_readyTimer.IsRunning() || m_cleanupPending; }
    void notifyHost(int code, int post);
    void notifyHost(int code) override { notifyHost(code, 0); }
    // The next readiness of the document runs the clean-up.
    void scheduleReady();
    // Pastes HTML at the selection (in place of a selected picture).
    int pasteHtml(const CString& html);

    // Runs a change on the page as the browser shows it: taken in with its
    // selection, changed, and handed back when the change touched it. A
    // change inside a change works on the same document.
    template <class Change>
    auto changeDocument(Change change) -> decltype(change(std::declval<cHtmlDocument&>())) {
        if (m_changeDepth > 0)
            return change(m_document);
        ++m_changeDepth;
        const bool pulled = pull();
        auto result = change(m_document);
        if (pulled && m_document.getChangeCount() != 0)
            push();
        if (--m_changeDepth == 0)
            scheduleDeferred();
        return result;
    }
    // The page as the browser shows it now (taken in for reading).
    cHtmlDocument& getDocument();

    // Runs a script in the page; the last expression's value as text.
    bool runScript(const wxString& script, wxString* result = nullptr);
    // While a script runs the program handles events until the browser
    // answers; a handler that comes meanwhile must not start another script
    // or change, so it waits: whenIdle runs the work now, or once the script
    // and the change under way are done.
    bool isBusy() const { return m_busy > 0 || m_changeDepth > 0; }
    void whenIdle(std::function<void()> work);
    wxWebView* getView() const { return m_view; }
    CUniRichEdit* getSourcePane() const { return m_sourcePane; }
    const EditedPage& getPage() const { return m_page; }

private:
    bool pull();
    void push();
    void scheduleDeferred();
    int setFontSizePx(int pixels);
    void OnBeforeNavigate2(wxWebViewEvent& event);
    void OnNavigateComplete2(wxWebViewEvent& event);
    void OnTimer(wxTimerEvent& event);

    wxWebView* m_view = nullptr;
    CUniRichEdit* m_sourcePane = nullptr;
    CMsieWnd m_browserWindow;
    cHtmlDocument m_document;
    EditedPage m_page;
    CDHtmlEditDlg* m_host = nullptr;
    wxWindow* m_placeholder = nullptr;
    CString m_url;
    // The address of the load the editor started, until it completes; the
    // only navigation allowed while a page is edited.
    wxString m_loading;
    wxTimer m_readyTimer;
    int m_sourceView = 0;
    int m_panesVisible = 1;
    int m_bodyOnly = 0;
    int m_firstReadyDone = 0;
    int m_cleanupPending = 0;
    bool m_design = false;
    bool m_pageScripts = false;
    bool m_navigating = false;
    bool m_hooked = false;
    int m_busy = 0;
    int m_changeDepth = 0;
    std::vector<std::function<void()>> m_deferred;
};
