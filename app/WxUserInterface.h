#pragma once

// The user interface of the running program on wxWidgets: message boxes
// with the buttons and icons of the original's styles, the busy cursor, and
// the main window's progress bar.
//
// Long operations run on the GUI thread between wait cursors. While one runs
// and moves the bar, the program's windows take no input (a click must not
// start a second run from inside the first), yet the bar's new position and
// every pending repaint are drawn at once, so the window stays painted and
// the bar moves. The bar itself stays enabled: the desktop's theme draws a
// disabled bar without its filled part. A bar moved outside a wait cursor
// (the deferred link refresh) is drawn too, the input waiting for the end.

#include "UserInterface.h"

#include <memory>
#include <vector>

class wxGauge;
class wxWindow;
class wxWindowDisabler;

class WxUserInterface : public UserInterface {
public:
    WxUserInterface();
    ~WxUserInterface() override;

    int messageBox(const CString& text, const CString& caption, UINT style) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    void setProgressRange(int lower, int upper) override;
    void setProgressPos(int position) override;
    // Queued to the GUI thread, which shows it when it next handles events.
    void postMessageBox(const CString& text, const CString& caption, UINT style) override;

    // The bar that the progress calls drive; null for none.
    void setProgressBar(wxGauge* gauge);

private:
    // Draws the bar when its filled part changed by a pixel or more, with
    // the repaints that wait; under the wait cursor it also takes in the
    // input that came meanwhile, which the disabled windows drop.
    void showProgress();

    wxGauge* m_gauge = nullptr;
    int m_lower = 0;
    int m_waitDepth = 0;
    int m_shownPixels = -1;
    bool m_yielding = false;
    // While input is refused: the other top-level windows disabled whole,
    // and the controls of the bar's window that were enabled, but the bar.
    std::unique_ptr<wxWindowDisabler> m_otherWindows;
    std::vector<wxWindow*> m_disabledControls;
    bool m_refusingInput = false;
    void refuseInput();
    void acceptInput();
};
