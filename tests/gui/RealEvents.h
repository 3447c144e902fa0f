#pragma once

// Driving the program as a person does: real pointer and key events sent
// through the display (wxUIActionSimulator, the server's test extension),
// on a display with a window manager, and waits that hand control to the
// event loop until a condition holds or a time runs out; never a sleep
// alone.
//
// Code under test that runs a modal loop (a sheet, a message box, a menu)
// does not return to the test until the loop ends. An EventScript plays the
// user from inside such loops: its steps run on a timer, which every loop
// serves, each once its condition holds. A step that waits in vain fails
// the test and ends every modal window, so that a window that no longer
// takes input fails the test instead of hanging it.

#include <chrono>
#include <functional>
#include <string>
#include <vector>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/timer.h>

class wxDialog;
class wxWindow;

namespace realevents {

// Handles what the display and the program have sent meanwhile.
void handlePending();
// Handles events until the condition holds; false when it did not within
// the time.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Whether a window manager runs on the display.
bool windowManagerRuns();

// The pointer and the keyboard. Screen coordinates.
void moveTo(const wxPoint& point);
void click(const wxPoint& point);
void rightClick(const wxPoint& point);
// Presses at one point, moves in steps to the other, releases there; what
// is given runs just before the release (to take a picture of the drag).
void drag(const wxPoint& from, const wxPoint& to, const std::function<void()>& beforeRelease = {});
void press(int keyCode);
void type(const char* text);
wxPoint centreOf(const wxWindow& window);

// The modal window shown on top of the program's own, if any: the last
// one shown and enabled (a dialog above it disables the ones below).
wxDialog* topModalDialog();
// The modal window on top once the window manager has put it up and it
// has the focus, so that input goes to where it now is; null before.
wxDialog* topModalDialogUp();
// Whether a popup menu is shown.
bool menuShown();
// Whether a message box of the toolkit is shown, and its title.
bool messageBoxShown();
std::string messageBoxTitle();
// Answers the message box shown (its default answer, as Enter does).
void answerMessageBox();
// Ends every modal window: message boxes, menus and dialogs, top first.
void endEveryModalWindow();

// Window manager stacking: whether the window of the program (a
// top-level window, or the shown message box when the window is null) is
// shown above the other one.
bool isAbove(wxWindow* upper, wxWindow* lower);
bool messageBoxIsAbove(wxWindow* lower);
// Whether the shown message box has the focus.
bool messageBoxIsActive();
// Whether the shown message box belongs to the window (for the window
// manager: it is transient for it).
bool messageBoxBelongsTo(wxWindow* owner);
// Where the shown message box is on the screen, its frame included.
wxRect messageBoxRect();

// Windows of another program on the display (X window ids), found by
// their title: the shown one whose title holds the text, or is the text
// when exact; 0 when none.
unsigned long findShownWindow(const std::string& title, bool exact);
bool isShownWindow(unsigned long window);
bool windowIsAbove(unsigned long upper, unsigned long lower);
// The window's area on the screen, without the frame.
wxRect screenRectOf(unsigned long window);
// Asks the window to close, as its close box does.
void askToClose(unsigned long window);

// What the display shows, whole, saved as "<name>.png" where the tests'
// pictures go (see savePicture).
void saveScreen(const std::string& name, const std::string& folder);

class EventScript : public wxTimer {
public:
    EventScript();
    ~EventScript() override;

    // A step: once ready() holds, act() runs; when it does not hold within
    // the time, the script fails there.
    EventScript& step(const std::string& name, std::function<bool()> ready, std::function<void()> act,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Starts playing; the steps run while the test runs the code that opens
    // the windows, and then in waitForEnd.
    void start();
    // Handles events until every step ran or one failed; false when not
    // within the time.
    bool waitForEnd(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    bool finished() const { return m_next == m_steps.size(); }
    // The step that failed, empty when none did.
    const std::string& failure() const { return m_failure; }

    void Notify() override;

private:
    struct Step {
        std::string name;
        std::function<bool()> ready;
        std::function<void()> act;
        std::chrono::milliseconds timeout;
    };
    std::vector<Step> m_steps;
    size_t m_next = 0;
    std::chrono::steady_clock::time_point m_waitingSince;
    std::string m_failure;
    bool m_running = false;
};

} // namespace realevents
