#pragma once

// What the headless core asks of the user interface: message boxes, the wait
// cursor and the progress bar. The GUI installs its implementation at start;
// without one, messages go to standard error and are answered with the box's
// default button. Tests install a RecordingUserInterface.

#include "CString.h"
#include "WinTypes.h"

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // A modal message box; answers IDOK, IDCANCEL, IDYES, IDNO ...
    virtual int messageBox(const CString& text, const CString& caption, UINT style) = 0;
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
    virtual void setProgressRange(int lower, int upper) = 0;
    virtual void setProgressPos(int position) = 0;
    virtual void setProgressStep(int /*step*/) {}
    // A message box asked for from another thread (a program started
    // earlier that ended with a failure), shown once the GUI thread handles
    // its events again; here, at once.
    virtual void postMessageBox(const CString& text, const CString& caption, UINT style) {
        messageBox(text, caption, style);
    }

    // The answer of the box's default button (MB_DEFBUTTON1..3 over its button set).
    static int defaultAnswer(UINT style);
    // The answers a box of this style can give, in button order.
    static int buttonCount(UINT style);
    static int buttonAnswer(UINT style, int index);
};

namespace ui {

// Installs the implementation used from now on (null restores the default);
// the caller keeps ownership.
void install(UserInterface* ui);
UserInterface& current();

// The application's own message box, captioned with the program's title.
int AfxMessageBox(const CString& text, UINT style = MB_OK);
int MessageBox(const CString& text, const CString& caption, UINT style = MB_OK);
// The message box of another thread than the GUI's; callable from any
// thread, also while the GUI installs another implementation.
void postMessageBox(const CString& text, UINT style = MB_OK);
void setProgressRange(int lower, int upper);
void setProgressPos(int position);

// The program's title, used as the caption of AfxMessageBox.
constexpr const char* kApplicationTitle = "Tolvane";

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor() { current().beginWaitCursor(); }
    ~WaitCursor() { current().endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace ui
