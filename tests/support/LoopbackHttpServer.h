#pragma once

// A tiny HTTP server on the loopback address for tests: it answers every
// request with one status and body and keeps the paths it was asked for.
// It serves at most a few requests and stops by itself after a while, or
// when it is destroyed.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    // How the body goes out after the reply's head: whole at once; repeated
    // without end (until the client leaves, or for at most 64 MB); one byte
    // at a time every 20 ms (until the client leaves, or for at most 20
    // seconds); or whole as the reply itself, head and all (the status not
    // sent).
    enum class Delivery { Whole, Endless, Trickle, Raw };

    LoopbackHttpServer(int status, std::string body, Delivery delivery = Delivery::Whole);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    std::vector<std::string> paths() const;

private:
    void serve();
    void sendBody(int client);

    int m_status;
    std::string m_body;
    Delivery m_delivery;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<std::string> m_paths;
    std::thread m_thread;
};
