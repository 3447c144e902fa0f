#pragma once

// The tip of the day: one tip of the tips file at a time, under a heading,
// with "<<" and ">>" to step through the tips and "&Show tips at
// startup", which is the application profile's "Parameters" /
// "TipsActivated". With that switched off the dialog closes before it is
// ever shown.
//
// The tips file has one mini-HTML tip per line; lines that begin with a
// tab, a blank or ';', and empty lines, are no tips. The first tip is the
// welcome tip, shown only when the dialog opens; stepping cycles through
// the others.

#include "CString.h"
#include "TolvaneDialog.h"
#include "WinTypes.h"

#include <vector>

class CXGlyphButton;
class CXHTMLStatic;
class wxCheckBox;

class CXHTMLTipOfTheDayDlg : public TolvaneDialog {
public:
    enum ControlId {
        IDC_SIDE = 1000,
        IDC_LIGHTBULB = 1001,
        IDC_NEXTTIP = 1006,
        IDC_STARTUP = 1007,
        IDC_TIPSTRING = 1008,
        IDC_PREVTIP = 1009,
        IDC_HEADER = 1016,
    };

    // fileName: the tips file in the program folder ("Tips.tip"). When it
    // cannot be read, the tips come from the program's resource of that id
    // (0 for none), so that a program folder that cannot take the file
    // still shows the tips.
    CXHTMLTipOfTheDayDlg(const CString& fileName, wxWindow* parent, UINT fallbackResource = 129);
    ~CXHTMLTipOfTheDayDlg() override;

    bool OnInitDialog() override;
    // Runs the dialog; with the tips switched off it closes unseen.
    int DoModal();
    void OnNext();
    void OnPrevious();
    // The check box's state goes to the profile, once, when tips were read.
    void OnDestroy();

    void setHeading(BOOL didYouKnow);
    // The tip of an index (see the class comment); whether it has text.
    BOOL getTip(int& index, BOOL first);
    int countTips();

    int getTipIndex() const { return m_tipIndex; }
    int getHighestIndex() const { return m_highestIndex; }
    const CString& getTipText() const { return m_tipText; }
    CXHTMLStatic* getHeader() const { return m_header; }
    CXHTMLStatic* getTipControl() const { return m_tip; }

    // The tips of a tips file's text.
    static std::vector<CString> readTips(std::string bytes);

private:
    void buildControls();

    CString m_fileName;
    UINT m_fallbackResource;
    CString m_tipText;
    std::vector<CString> m_tips;
    bool m_tipsOpen = false;
    int m_tipIndex = 0;
    int m_highestIndex = 0;
    int m_startup;
    int m_show = 1;
    bool m_destroyed = false;
    CXGlyphButton* m_next = nullptr;
    CXGlyphButton* m_previous = nullptr;
    CXHTMLStatic* m_header = nullptr;
    CXHTMLStatic* m_tip = nullptr;
    wxCheckBox* m_startupBox = nullptr;
};
