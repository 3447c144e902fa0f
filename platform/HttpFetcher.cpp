#include "HttpFetcher.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <string_view>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace http {
namespace {

// A socket that closes itself.
struct Socket {
    int fd = -1;
    ~Socket() {
        if (fd >= 0)
            ::close(fd);
    }
};

using Clock = std::chrono::steady_clock;

// The milliseconds left before a deadline, 0 when it has passed.
int millisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for the socket until the deadline.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    int rc;
    do
        rc = ::poll(&entry, 1, millisecondsLeft(deadline));
    while (rc < 0 && errno == EINTR);
    return rc > 0;
}

// Connects to one of the host's addresses within the time given.
bool connectTo(const std::string& host, const std::string& port, Clock::time_point deadline, Socket& socket,
               std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &addresses); rc != 0) {
        error = host + ": " + ::gai_strerror(rc);
        return false;
    }
    error = host + ": no address answered";
    for (addrinfo* a = addresses; a; a = a->ai_next) {
        Socket candidate;
        candidate.fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (candidate.fd < 0)
            continue;
        if (::connect(candidate.fd, a->ai_addr, a->ai_addrlen) != 0) {
            if (errno != EINPROGRESS || !waitFor(candidate.fd, POLLOUT, deadline)) {
                error = host + ": " + (errno == EINPROGRESS ? "no answer" : std::strerror(errno));
                continue;
            }
            int failure = 0;
            socklen_t length = sizeof failure;
            ::getsockopt(candidate.fd, SOL_SOCKET, SO_ERROR, &failure, &length);
            if (failure != 0) {
                error = host + ": " + std::strerror(failure);
                continue;
            }
        }
        socket.fd = candidate.fd;
        candidate.fd = -1;
        break;
    }
    ::freeaddrinfo(addresses);
    return socket.fd >= 0;
}

bool sendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (n > 0)
            sent += static_cast<size_t>(n);
    }
    return true;
}

// Reads a whole reply as it came from the server: the status from the
// status line alone ("HTTP/" + version, a blank, three digits, then a blank
// or the line's end), the body behind the head. Anything else is no HTTP
// reply.
Reply parseReply(const std::string& received, const std::string& address) {
    Reply reply;
    const size_t headerEnd = received.find("\r\n\r\n");
    // The status line is the head's first line; its status is the three
    // digits behind its first blank, and nothing further.
    const std::string_view statusLine =
        std::string_view(received).substr(0, headerEnd == std::string::npos ? 0 : received.find("\r\n"));
    const size_t blank = statusLine.find(' ');
    const std::string_view code =
        blank == std::string_view::npos ? std::string_view() : statusLine.substr(blank + 1, 4);
    const bool isDigits = code.size() >= 3 && std::isdigit(static_cast<unsigned char>(code[0])) &&
                          std::isdigit(static_cast<unsigned char>(code[1])) &&
                          std::isdigit(static_cast<unsigned char>(code[2]));
    if (statusLine.substr(0, 5) != "HTTP/" || !isDigits || (code.size() == 4 && code[3] != ' ')) {
        reply.error = address + ": not an HTTP reply";
        return reply;
    }
    reply.status = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
    reply.body = received.substr(headerEnd + 4);
    reply.ok = reply.status == 200;
    if (!reply.ok)
        reply.error = address + ": the server answered " + std::to_string(reply.status);
    return reply;
}

} // namespace

bool splitAddress(const std::string& address, std::string& host, std::string& port, std::string& path) {
    if (address.size() < 7 || strncasecmp(address.c_str(), "http://", 7) != 0)
        return false;
    const std::string rest = address.substr(7);
    const size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    path = slash == std::string::npos ? "/" : rest.substr(slash);
    port = "80";
    if (!authority.empty() && authority[0] == '[') {
        // An IPv6 address in brackets, maybe with a port after them.
        const size_t close = authority.find(']');
        if (close == std::string::npos)
            return false;
        if (close + 1 < authority.size() && authority[close + 1] == ':')
            port = authority.substr(close + 2);
        host = authority.substr(1, close - 1);
    } else {
        const size_t colon = authority.rfind(':');
        if (colon != std::string::npos) {
            port = authority.substr(colon + 1);
            authority.resize(colon);
        }
        host = authority;
    }
    return !host.empty() && !port.empty();
}

Reply get(const std::string& address, int timeoutMs) {
    Reply reply;
    std::string host, port, path;
    if (!splitAddress(address, host, port, path)) {
        reply.error = address + ": not an http:// address";
        return reply;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    Socket socket;
    if (!connectTo(host, port, deadline, socket, reply.error))
        return reply;
    const std::string request =
        "GET " + path + " HTTP/1.0\r\nHost: " + host + "\r\nConnection: close\r\n\r\n";
    if (!sendAll(socket.fd, request, deadline)) {
        reply.error = host + ": the request could not be sent";
        return reply;
    }
    std::string received;
    char buffer[4096];
    for (;;) {
        if (!waitFor(socket.fd, POLLIN, deadline)) {
            reply.error = host + ": no answer in time";
            return reply;
        }
        const ssize_t n = ::recv(socket.fd, buffer, sizeof buffer, 0);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            reply.error = host + ": " + std::strerror(errno);
            return reply;
        }
        received.append(buffer, static_cast<size_t>(n));
        if (received.size() > kMostReplyBytes) {
            reply.error = host + ": the reply is too large";
            return reply;
        }
    }
    return parseReply(received, address);
}

} // namespace http
