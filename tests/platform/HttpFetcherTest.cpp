#include "HttpFetcher.h"
#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

TEST(HttpFetcherTest, SplitsAddresses) {
    const struct {
        const char* address;
        bool ok;
        const char* host;
        const char* port;
        const char* path;
    } cases[] = {
        {"http://127.0.0.1:8080/version/version.txt", true, "127.0.0.1", "8080", "/version/version.txt"},
        {"HTTP://localhost", true, "localhost", "80", "/"},
        {"http://[::1]:81/a", true, "::1", "81", "/a"},
        {"https://example.org/", false, "", "", ""},
        {"ftp://x/", false, "", "", ""},
        {"http:///path", false, "", "", ""},
    };
    for (const auto& c : cases) {
        std::string host, port, path;
        EXPECT_EQ(http::splitAddress(c.address, host, port, path), c.ok) << c.address;
        if (c.ok) {
            EXPECT_EQ(host, c.host) << c.address;
            EXPECT_EQ(port, c.port) << c.address;
            EXPECT_EQ(path, c.path) << c.address;
        }
    }
}

TEST(HttpFetcherTest, GetsTheBodyOfAReplyFromTheLoopbackServer) {
    LoopbackHttpServer server(200, "version=2.5.0\r\nnotes\r\n");
    const http::Reply reply = http::get(server.address() + "/version/version.txt");
    EXPECT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "version=2.5.0\r\nnotes\r\n");
    EXPECT_EQ(server.paths(), std::vector<std::string>{"/version/version.txt"});
}

// The status is read from the status line alone, as three digits: a
// number elsewhere in the head, or one too long for a status, makes no 200.
TEST(HttpFetcherTest, TheStatusComesFromTheStatusLineAlone) {
    const struct {
        const char* reply;
        bool ok;
        int status;
    } cases[] = {
        {"HTTP/1.0 200 OK\r\n\r\nversion=2.5.0", true, 200},
        {"HTTP/1.1 200\r\nServer: x\r\n\r\nversion=2.5.0", true, 200},
        {"HTTP/1.0 404 Not Found\r\n\r\nmissing", false, 404},
        {"HTTP/\r\nX-Note: 200\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0 4294967496 Not Found\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0 2000 OK\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0 20 OK\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0 +200 OK\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0  200 OK\r\n\r\nversion=9", false, 0},
        {"HTTP/1.0\r\n\r\n 200 version=9", false, 0},
        {"HTTP/1.0 200 OK", false, 0}, // a head without its end
        {"SMTP/1.0 200 OK\r\n\r\nversion=9", false, 0},
    };
    for (const auto& c : cases) {
        LoopbackHttpServer server(0, c.reply, LoopbackHttpServer::Delivery::Raw);
        const http::Reply reply = http::get(server.address() + "/version/version.txt");
        EXPECT_EQ(reply.ok, c.ok) << c.reply;
        EXPECT_EQ(reply.status, c.status) << c.reply;
        EXPECT_EQ(reply.error.empty(), c.ok) << c.reply;
        if (c.ok) {
            EXPECT_EQ(reply.body, "version=2.5.0") << c.reply;
        }
    }
}

TEST(HttpFetcherTest, AFailureReplyOrNoServerIsNoBody) {
    LoopbackHttpServer server(404, "missing");
    const http::Reply missing = http::get(server.address() + "/version/version.txt");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    EXPECT_NE(missing.error.find("404"), std::string::npos);

    // A port on the loopback address that nobody listens on: a socket bound
    // to it, never listening.
    const int bound = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ::getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length);
    const http::Reply refused =
        http::get("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/", 2000);
    ::close(bound);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.empty());

    EXPECT_FALSE(http::get("not an address").ok);
}

TEST(HttpFetcherTest, AReplyWithoutEndIsGivenUpAtItsSizeOrItsTime) {
    // A server that sends without end: the reply is refused once it passes
    // what a fetched file may hold, long before the server would stop.
    LoopbackHttpServer endless(200, std::string(4096, 'v'), LoopbackHttpServer::Delivery::Endless);
    const http::Reply large = http::get(endless.address() + "/version/version.txt");
    EXPECT_FALSE(large.ok);
    EXPECT_TRUE(large.body.empty());
    EXPECT_NE(large.error.find("too large"), std::string::npos) << large.error;

    // A server that keeps the reply trickling: the whole exchange ends at
    // its time, though every single read is answered in time.
    LoopbackHttpServer trickle(200, "version=2.5.0\r\n", LoopbackHttpServer::Delivery::Trickle);
    const auto start = std::chrono::steady_clock::now();
    const http::Reply slow = http::get(trickle.address() + "/version/version.txt", 500);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(slow.ok);
    EXPECT_NE(slow.error.find("no answer in time"), std::string::npos) << slow.error;
    EXPECT_LT(took, std::chrono::seconds(10));
}

} // namespace
