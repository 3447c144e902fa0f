#pragma once

// Held for the whole of an entry point. On 64-bit Windows it turns off the
// redirection of system folders for 32-bit programs; this system has no
// such redirection, so the guard has nothing to do.

class [[maybe_unused]] Wow64FsRedirectionGuard {
public:
    Wow64FsRedirectionGuard() = default;
    Wow64FsRedirectionGuard(const Wow64FsRedirectionGuard&) = delete;
    Wow64FsRedirectionGuard& operator=(const Wow64FsRedirectionGuard&) = delete;
};
