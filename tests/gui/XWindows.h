#pragma once

// The windows of a display as the X server knows them, whichever program
// shows them: found by their title, and asked to close as a window
// manager does when the user clicks their close box. Plain Xlib, for the
// test helpers with and without wxWidgets.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>
#include <string>

namespace xwindows {

inline std::string titleOf(Display* display, Window window) {
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

inline bool isShown(Display* display, Window window) {
    XWindowAttributes attributes;
    return window && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Depth-first search below a window for a shown one whose title holds the
// text, or is the text when exact; 0 when there is none.
inline Window findWindow(Display* display, Window under, const char* text, bool exact) {
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

// Sends the window WM_DELETE_WINDOW.
inline void askToClose(Display* display, Window window) {
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
}

} // namespace xwindows
