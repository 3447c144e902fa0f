#include "RealEvents.h"

#include "DialogLook.h"

// wxWidgets first: the X headers define names (None, Status) that its headers use.
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "XWindows.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <thread>

namespace realevents {

namespace {

Display* xDisplay() {
    return gdk_x11_display_get_xdisplay(gdk_display_get_default());
}

// Windows of other programs come and go while they are looked at: the
// errors of a window gone meanwhile are ignored, not fatal.
class XErrorsIgnored {
public:
    XErrorsIgnored() { gdk_x11_display_error_trap_push(gdk_display_get_default()); }
    ~XErrorsIgnored() { gdk_x11_display_error_trap_pop_ignored(gdk_display_get_default()); }
    XErrorsIgnored(const XErrorsIgnored&) = delete;
    XErrorsIgnored& operator=(const XErrorsIgnored&) = delete;
};

// The shown message boxes of the toolkit (wxMessageDialog is native on GTK).
std::vector<GtkWidget*> shownMessageBoxes() {
    std::vector<GtkWidget*> boxes;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node; node = node->next) {
        auto* widget = static_cast<GtkWidget*>(node->data);
        if (GTK_IS_MESSAGE_DIALOG(widget) && gtk_widget_get_mapped(widget))
            boxes.push_back(widget);
    }
    g_list_free(windows);
    return boxes;
}

// The shown menus (a popup menu runs a loop of its own).
std::vector<GtkWidget*> shownMenus() {
    std::vector<GtkWidget*> menus;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node; node = node->next) {
        auto* window = static_cast<GtkWidget*>(node->data);
        GtkWidget* child = GTK_IS_BIN(window) ? gtk_bin_get_child(GTK_BIN(window)) : nullptr;
        if (child && GTK_IS_MENU(child) && gtk_widget_get_mapped(child))
            menus.push_back(child);
    }
    g_list_free(windows);
    return menus;
}

unsigned long xidOf(GtkWidget* widget) {
    GdkWindow* window = widget ? gtk_widget_get_window(widget) : nullptr;
    return window ? gdk_x11_window_get_xid(window) : 0;
}

// The window that the window manager put around a window of the program
// (the child of the root that holds it).
unsigned long frameOf(unsigned long window) {
    XErrorsIgnored ignored;
    Display* display = xDisplay();
    const Window root = DefaultRootWindow(display);
    Window current = window;
    for (int depth = 0; current && depth < 20; ++depth) {
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, current, &rootReturn, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root)
            return current;
        current = parent;
    }
    return 0;
}

// The place of a window among the root's children, bottom first; -1 when
// it is not one of them.
int stackingPlace(unsigned long frame) {
    XErrorsIgnored ignored;
    Display* display = xDisplay();
    Window rootReturn = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!frame || !XQueryTree(display, DefaultRootWindow(display), &rootReturn, &parent, &children, &count))
        return -1;
    int place = -1;
    for (unsigned int i = 0; i < count; ++i)
        if (children[i] == frame)
            place = static_cast<int>(i);
    if (children)
        XFree(children);
    return place;
}

bool framesStacked(unsigned long upper, unsigned long lower) {
    const int upperPlace = stackingPlace(frameOf(upper));
    const int lowerPlace = stackingPlace(frameOf(lower));
    return upperPlace >= 0 && lowerPlace >= 0 && upperPlace > lowerPlace;
}

// The display has the events the simulator sent before anything waits.
void flush() {
    XSync(xDisplay(), False);
}

} // namespace

void handlePending() {
    if (wxEventLoopBase* active = wxEventLoopBase::GetActive()) {
        active->YieldFor(wxEVT_CATEGORY_ALL);
        return;
    }
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
    for (int i = 0; i < 5; ++i)
        loop.YieldFor(wxEVT_CATEGORY_ALL);
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        handlePending();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool windowManagerRuns() {
    XErrorsIgnored ignored;
    Display* display = xDisplay();
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &after, &data) == Success &&
                       data && count == 1;
    if (data)
        XFree(data);
    return found;
}

void moveTo(const wxPoint& point) {
    wxUIActionSimulator user;
    user.MouseMove(point);
    flush();
}

void click(const wxPoint& point) {
    wxUIActionSimulator user;
    user.MouseMove(point);
    user.MouseClick();
    flush();
}

void rightClick(const wxPoint& point) {
    wxUIActionSimulator user;
    user.MouseMove(point);
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    flush();
}

void drag(const wxPoint& from, const wxPoint& to, const std::function<void()>& beforeRelease) {
    wxUIActionSimulator user;
    user.MouseMove(from);
    flush();
    handlePending();
    user.MouseDown();
    flush();
    handlePending();
    // In steps, each one seen by the program before the next: a drag
    // starts only after the pointer moved a little with the button held.
    constexpr int kSteps = 12;
    for (int i = 1; i <= kSteps; ++i) {
        user.MouseMove(from + (to - from) * i / kSteps);
        flush();
        waitUntil([] { return true; });
    }
    if (beforeRelease)
        beforeRelease();
    user.MouseUp();
    flush();
}

void press(int keyCode) {
    wxUIActionSimulator user;
    user.Char(keyCode);
    flush();
}

void type(const char* text) {
    wxUIActionSimulator user;
    user.Text(text);
    flush();
}

wxPoint centreOf(const wxWindow& window) {
    const wxRect shown = window.GetScreenRect();
    return shown.GetPosition() + shown.GetSize() / 2;
}

wxDialog* topModalDialog() {
    wxDialog* top = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal() && dialog->IsShown())
            top = dialog;
    return top;
}

wxDialog* topModalDialogUp() {
    wxDialog* top = topModalDialog();
    return top && top->IsShownOnScreen() && top->IsActive() ? top : nullptr;
}

bool menuShown() {
    return !shownMenus().empty();
}

bool messageBoxShown() {
    return !shownMessageBoxes().empty();
}

std::string messageBoxTitle() {
    const std::vector<GtkWidget*> boxes = shownMessageBoxes();
    const char* title = boxes.empty() ? nullptr : gtk_window_get_title(GTK_WINDOW(boxes.back()));
    return title ? title : "";
}

void answerMessageBox() {
    for (GtkWidget* box : shownMessageBoxes())
        gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
}

void endEveryModalWindow() {
    for (GtkWidget* menu : shownMenus())
        gtk_menu_shell_cancel(GTK_MENU_SHELL(menu));
    for (GtkWidget* box : shownMessageBoxes())
        gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_CANCEL);
    for (int i = 0; i < 10; ++i)
        if (wxWindow* captured = wxWindow::GetCapture())
            captured->ReleaseMouse();
    std::vector<wxDialog*> modal;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
            modal.push_back(dialog);
    std::reverse(modal.begin(), modal.end());
    for (wxDialog* dialog : modal)
        dialog->EndModal(wxID_CANCEL);
}

bool isAbove(wxWindow* upper, wxWindow* lower) {
    return upper && lower && framesStacked(xidOf(upper->GetHandle()), xidOf(lower->GetHandle()));
}

bool messageBoxIsAbove(wxWindow* lower) {
    const std::vector<GtkWidget*> boxes = shownMessageBoxes();
    return !boxes.empty() && lower && framesStacked(xidOf(boxes.back()), xidOf(lower->GetHandle()));
}

unsigned long findShownWindow(const std::string& title, bool exact) {
    XErrorsIgnored ignored;
    Display* display = xDisplay();
    return xwindows::findWindow(display, DefaultRootWindow(display), title.c_str(), exact);
}

bool isShownWindow(unsigned long window) {
    XErrorsIgnored ignored;
    return xwindows::isShown(xDisplay(), window);
}

bool windowIsAbove(unsigned long upper, unsigned long lower) {
    return framesStacked(upper, lower);
}

wxRect screenRectOf(unsigned long window) {
    XErrorsIgnored ignored;
    Display* display = xDisplay();
    XWindowAttributes attributes;
    Window child = 0;
    int x = 0, y = 0;
    if (!window || !XGetWindowAttributes(display, window, &attributes) ||
        !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child))
        return wxRect();
    return wxRect(x, y, attributes.width, attributes.height);
}

void askToClose(unsigned long window) {
    XErrorsIgnored ignored;
    xwindows::askToClose(xDisplay(), window);
}

bool messageBoxIsActive() {
    const std::vector<GtkWidget*> boxes = shownMessageBoxes();
    return !boxes.empty() && gtk_window_is_active(GTK_WINDOW(boxes.back()));
}

bool messageBoxBelongsTo(wxWindow* owner) {
    const std::vector<GtkWidget*> boxes = shownMessageBoxes();
    return !boxes.empty() && owner &&
           gtk_window_get_transient_for(GTK_WINDOW(boxes.back())) == GTK_WINDOW(owner->GetHandle());
}

wxRect messageBoxRect() {
    const std::vector<GtkWidget*> boxes = shownMessageBoxes();
    GdkWindow* window = boxes.empty() ? nullptr : gtk_widget_get_window(boxes.back());
    if (!window)
        return wxRect();
    GdkRectangle frame;
    gdk_window_get_frame_extents(window, &frame);
    return wxRect(frame.x, frame.y, frame.width, frame.height);
}

void saveScreen(const std::string& name, const std::string& folder) {
    savePicture(screenPicture(), name, folder);
}

EventScript::EventScript() = default;

EventScript::~EventScript() {
    Stop();
}

EventScript& EventScript::step(const std::string& name, std::function<bool()> ready,
                               std::function<void()> act, std::chrono::milliseconds timeout) {
    m_steps.push_back({name, std::move(ready), std::move(act), timeout});
    return *this;
}

void EventScript::start() {
    m_next = 0;
    m_failure.clear();
    m_waitingSince = std::chrono::steady_clock::now();
    Start(20);
}

bool EventScript::waitForEnd(std::chrono::milliseconds timeout) {
    const bool ended = waitUntil([this] { return finished() || !m_failure.empty(); }, timeout);
    Stop();
    return ended && m_failure.empty();
}

void EventScript::Notify() {
    // A step's action sends input and returns; the loops it starts come later.
    if (m_running || finished() || !m_failure.empty())
        return;
    m_running = true;
    Step& current = m_steps[m_next];
    if (current.ready()) {
        ++m_next;
        m_waitingSince = std::chrono::steady_clock::now();
        current.act();
    } else if (std::chrono::steady_clock::now() - m_waitingSince > current.timeout) {
        m_failure = current.name;
        // The windows that no longer take input are ended, so that the
        // test goes on to report it.
        endEveryModalWindow();
    }
    m_running = false;
    if (finished() || !m_failure.empty())
        Stop();
}

} // namespace realevents
