#pragma once

// Fetches a file by HTTP/1.0 GET from a server named by an "http://host[:port]"
// address: the one network service the program uses (its version check).
// Plain HTTP only; the answer is the body of a 200 reply, the status read
// from the reply's status line alone.

#include <cstddef>
#include <string>

namespace http {

struct Reply {
    bool ok = false;   // a 200 reply was read whole
    int status = 0;    // the reply's status code, 0 when none came
    std::string body;  // the body of the reply
    std::string error; // why there is no reply, when there is none
};

// The address's host, port (80 when none) and path ("/" when none); false
// for an address that is not "http://".
bool splitAddress(const std::string& address, std::string& host, std::string& port, std::string& path);

// The most bytes a reply may hold, head and body; a longer one is refused.
constexpr size_t kMostReplyBytes = 1u << 20;

// GET address; gives up when the whole exchange (connecting, sending,
// reading) takes more than timeoutMs, or the reply grows past kMostReplyBytes.
Reply get(const std::string& address, int timeoutMs = 10000);

} // namespace http
