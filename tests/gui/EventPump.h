#pragma once

// Waiting in GUI tests without sleeping: what the display and the browser
// (a process of its own) send is handled until a condition holds.

#include <chrono>
#include <functional>
#include <wx/evtloop.h>

// False when the condition does not hold within the time given.
inline bool pumpUntil(const std::function<bool()>& done, int seconds = 30) {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        loop.DispatchTimeout(20);
    }
    return true;
}
