#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The bounds of a test server's life.
constexpr int kMostRequests = 20;
constexpr auto kMostTime = std::chrono::seconds(60);
// The bounds of a body sent without end.
constexpr size_t kMostEndlessBytes = 64u << 20;
constexpr auto kMostTrickleTime = std::chrono::seconds(20);

} // namespace

LoopbackHttpServer::LoopbackHttpServer(int status, std::string body, Delivery delivery)
    : m_status(status), m_body(std::move(body)), m_delivery(delivery) {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 4);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

std::vector<std::string> LoopbackHttpServer::paths() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_paths;
}

void LoopbackHttpServer::serve() {
    const auto end = std::chrono::steady_clock::now() + kMostTime;
    for (int served = 0; served < kMostRequests && !m_stop && std::chrono::steady_clock::now() < end;) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        ++served;
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            pollfd reading{client, POLLIN, 0};
            if (::poll(&reading, 1, 2000) <= 0)
                break;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, static_cast<size_t>(n));
        }
        const size_t start = request.find(' ');
        const size_t stop = request.find(' ', start + 1);
        if (start != std::string::npos && stop != std::string::npos) {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_paths.push_back(request.substr(start + 1, stop - start - 1));
        }
        if (m_delivery != Delivery::Raw) {
            std::string head =
                "HTTP/1.0 " + std::to_string(m_status) + " Answer\r\nContent-Type: text/plain\r\n";
            if (m_delivery == Delivery::Whole)
                head += "Content-Length: " + std::to_string(m_body.size()) + "\r\n";
            head += "\r\n";
            ::send(client, head.data(), head.size(), MSG_NOSIGNAL);
        }
        sendBody(client);
        ::close(client);
    }
}

void LoopbackHttpServer::sendBody(int client) {
    if (m_delivery == Delivery::Whole || m_delivery == Delivery::Raw) {
        ::send(client, m_body.data(), m_body.size(), MSG_NOSIGNAL);
        return;
    }
    if (m_delivery == Delivery::Endless) {
        for (size_t sent = 0; sent < kMostEndlessBytes && !m_stop;) {
            const ssize_t n = ::send(client, m_body.data(), m_body.size(), MSG_NOSIGNAL);
            if (n <= 0)
                return; // the client has gone
            sent += static_cast<size_t>(n);
        }
        return;
    }
    const auto end = std::chrono::steady_clock::now() + kMostTrickleTime;
    for (size_t at = 0; !m_stop && std::chrono::steady_clock::now() < end; ++at) {
        if (::send(client, m_body.data() + at % m_body.size(), 1, MSG_NOSIGNAL) <= 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
