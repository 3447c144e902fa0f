#pragma once

// The user interface of the running program on wxWidgets: message boxes
// with the buttons and icons of the original's styles, the busy cursor, and
// the main window's progress bar.

#include "UserInterface.h"

class wxGauge;

class WxUserInterface : public UserInterface {
public:
    int messageBox(const CString& text, const CString& caption, UINT style) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    void setProgressRange(int lower, int upper) override;
    void setProgressPos(int position) override;

    // The bar that the progress calls drive; null for none.
    void setProgressBar(wxGauge* gauge) { m_gauge = gauge; }

private:
    wxGauge* m_gauge = nullptr;
    int m_lower = 0;
};
