// Asks a program's window to close, as a window manager does when the user
// clicks its close box: waits until a window whose title holds the given
// text (is the text, with --exact) is shown on the display, then sends it
// WM_DELETE_WINDOW.
//
//   close_window [--exact] <title text> [seconds to wait]
//
// Exits 0 once the request is sent, 1 when no such window appeared.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string titleOf(Display* display, Window window) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

bool isShown(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Depth-first search below a window for a shown one whose title holds the
// text, or is the text when exact.
Window findWindow(Display* display, Window under, const char* text, bool exact) {
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        const std::string title = titleOf(display, children[i]);
        if ((exact ? title == text : title.find(text) != std::string::npos) && isShown(display, children[i]))
            found = children[i];
        else
            found = findWindow(display, children[i], text, exact);
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    const bool exact = argc > 1 && std::strcmp(argv[1], "--exact") == 0;
    if (exact) {
        --argc;
        ++argv;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: close_window [--exact] <title text> [seconds]\n");
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 30;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: no display\n");
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Window window = 0;
    while (!(window = findWindow(display, DefaultRootWindow(display), argv[1], exact))) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "close_window: no window titled \"%s\"\n", argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
