// Asks a program's window to close, as a window manager does when the user
// clicks its close box: waits until a window whose title holds the given
// text (is the text, with --exact) is shown on the display, then sends it
// WM_DELETE_WINDOW.
//
//   close_window [--exact] <title text> [seconds to wait]
//
// Exits 0 once the request is sent, 1 when no such window appeared.

#include "XWindows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

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
    while (!(window = xwindows::findWindow(display, DefaultRootWindow(display), argv[1], exact))) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "close_window: no window titled \"%s\"\n", argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    xwindows::askToClose(display, window);
    XCloseDisplay(display);
    return 0;
}
