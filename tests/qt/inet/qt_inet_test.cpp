#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "filedown/qt/qt_inet.h"

namespace presslane {
namespace {

using namespace std::chrono_literals;

// The number of bytes the next chunk of at most max_bytes holds.
std::size_t chunk_size(Inet& inet, std::size_t max_bytes) {
    std::vector<std::uint8_t> buffer(max_bytes);
    return inet.GetChunkBytes(buffer);
}

// 2500 bytes holding every byte value, NUL included: 1024 + 1024 + 452 in chunks of 1024.
std::string binary_body() {
    std::string body;
    for (int i = 0; i < 2500; ++i) body += static_cast<char>(i % 256);
    return body;
}

// Over three megabytes whose bytes tell their position apart, so a block of the held body handed
// out twice, skipped or out of order shows.
std::string large_body() {
    std::string body(3 * 1024 * 1024 + 300, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = char((i * 131 + i / 4093) & 0xff);
    return body;
}

// "ab가나" in CP949: 가 is B0 A1, 나 is B3 AA.
const std::string kKoreanCp949 = "ab\xB0\xA1\xB3\xAA";
const std::string kKoreanUtf8 = "ab가나";

// Serves the fixed answers on 127.0.0.1 from a thread of its own. "/silent" and the rest of
// "/stall" hold their request until the server goes away, bounded so a broken test cannot hang.
class LoopbackServer {
public:
    LoopbackServer() {
        using httplib::DataSink;
        using httplib::Request;
        using httplib::Response;
        server_.Get("/ok", [](const Request&, Response& res) {
            res.set_header("X-Lane", "seven");
            res.set_content(binary_body(), "application/octet-stream");
        });
        server_.Get("/large", [](const Request&, Response& res) {
            res.set_content(large_body(), "application/octet-stream");
        });
        server_.Get("/korean", [](const Request&, Response& res) {
            res.set_content(kKoreanCp949, "text/plain; charset=euc-kr");
        });
        server_.Get("/missing", [](const Request&, Response& res) {
            res.status = 404;
            res.set_content("no such file", "text/plain");
        });
        server_.Get("/broken", [](const Request&, Response& res) {
            res.status = 500;
            res.set_content("server fault", "text/plain");
        });
        server_.Get("/moved", [](const Request&, Response& res) { res.set_redirect("/korean"); });
        server_.Get("/chunked", [](const Request&, Response& res) {
            res.set_chunked_content_provider("text/plain", [](std::size_t offset, DataSink& sink) {
                if (offset < 3000)
                    sink.write(std::string(1000, char('x' + offset / 1000)).data(), 1000);
                else
                    sink.done();
                return true;
            });
        });
        // Promises 100 bytes, sends 10 and closes the connection.
        server_.Get("/cut", [](const Request&, Response& res) {
            res.set_content_provider(100, "application/octet-stream",
                                     [](std::size_t, std::size_t, DataSink& sink) {
                                         sink.write("0123456789", 10);
                                         return false;
                                     });
        });
        server_.Get("/silent", [this](const Request&, Response& res) {
            hold();
            res.set_content("too late", "text/plain");
        });
        // Sends its status line, headers and a first part, then nothing more.
        server_.Get("/stall", [this](const Request&, Response& res) {
            res.set_content_provider(100, "application/octet-stream",
                                     [this](std::size_t offset, std::size_t, DataSink& sink) {
                                         if (offset > 0) {
                                             hold();
                                             return false;
                                         }
                                         sink.write("part", 4);
                                         return true;
                                     });
        });
        // Sends a byte every tenth of a second: never silent, never getting anywhere.
        server_.Get("/trickle", [this](const Request&, Response& res) {
            res.set_content_provider(100, "application/octet-stream",
                                     [this](std::size_t, std::size_t, DataSink& sink) {
                                         if (released()) return false;
                                         std::this_thread::sleep_for(100ms);
                                         sink.write("t", 1);
                                         return true;
                                     });
        });
        // 64 MB, counting what the server was asked to send.
        server_.Get("/big", [this](const Request&, Response& res) {
            res.set_content_provider(kBigBytes, "application/octet-stream",
                                     [this](std::size_t offset, std::size_t, DataSink& sink) {
                                         const std::string block(64 * 1024, 'b');
                                         big_sent_ = offset + block.size();
                                         return sink.write(block.data(), block.size());
                                     });
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }

    ~LoopbackServer() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        released_changed_.notify_all();
        server_.stop();
        thread_.join();
    }

    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::size_t big_sent() const { return big_sent_; }
    static constexpr std::size_t kBigBytes = std::size_t(64) << 20;

private:
    bool released() {
        std::lock_guard lock(mutex_);
        return released_;
    }
    void hold() {
        std::unique_lock lock(mutex_);
        released_changed_.wait_for(lock, 10s, [this] { return released_; });
    }

    httplib::Server server_;
    int port_ = -1;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable released_changed_;
    bool released_ = false;
    std::atomic<std::size_t> big_sent_{0};
};

// A loopback port that is bound but not listening, so every connection to it is refused, and no
// other program can take it while the test runs.
class RefusingPort {
public:
    RefusingPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(fd_, reinterpret_cast<sockaddr*>(&address), size);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~RefusingPort() { close(fd_); }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/file"; }

private:
    int fd_;
    int port_ = 0;
};

class QtInetTest : public ::testing::Test {
protected:
    void SetUp() override {
        inet.on_state_changed = [this](int state) { states.push_back(state); };
    }

    // Starts a GET the way the download control does and waits, bounded, for its state event.
    bool fetch(const std::string& path) {
        states.clear();
        inet.set_URL(server.url(path));
        inet.Execute("", "GET");
        return wait_for_state();
    }

    bool wait_for_state() {
        return QTest::qWaitFor([this] { return !states.empty(); }, 5000);
    }

    std::vector<std::size_t> chunk_sizes(std::size_t max_bytes) {
        std::vector<std::size_t> sizes;
        for (int guard = 0; guard < 100; ++guard) {
            const std::size_t n = chunk_size(inet, max_bytes);
            sizes.push_back(n);
            if (n == 0) break;
        }
        return sizes;
    }

    std::string body_bytes() {
        std::string body;
        for (int guard = 0; guard < 10000; ++guard) {
            std::uint8_t chunk[1024];
            const std::size_t got = inet.GetChunkBytes(chunk);
            if (got == 0) break;
            body.append(chunk, chunk + got);
        }
        return body;
    }

    LoopbackServer server;
    QtInet inet;
    std::vector<int> states;
};

TEST_F(QtInetTest, CompletedResponseHoldsHeadersAndBody) {
    inet.set_URL(server.url("/ok"));
    inet.Execute("", "GET");
    // The state is reported from the event loop, never from inside Execute.
    EXPECT_TRUE(inet.StillExecuting());
    EXPECT_TRUE(states.empty());
    ASSERT_TRUE(wait_for_state());

    EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
    EXPECT_FALSE(inet.StillExecuting());
    const std::string header = inet.GetHeader();
    EXPECT_EQ(header.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << header;
    EXPECT_EQ(header.substr(9, 3), "200");
    EXPECT_NE(header.find("\r\nX-Lane: seven\r\n"), std::string::npos) << header;
    EXPECT_EQ(header.substr(header.size() - 2), "\r\n");
    EXPECT_EQ(inet.GetHeader("content-LENGTH"), "2500");
    EXPECT_EQ(inet.GetHeader("x-lane"), "seven");
    EXPECT_EQ(inet.GetHeader("X-Absent"), "");
    EXPECT_EQ(inet.ResponseCode(), 0);
    EXPECT_EQ(inet.ResponseInfo(), "");

    EXPECT_EQ(chunk_sizes(1024), (std::vector<std::size_t>{1024, 1024, 452, 0}));
    EXPECT_EQ(chunk_size(inet, 1024), 0u);
}

TEST_F(QtInetTest, BytesAreHandedOutUnchanged) {
    ASSERT_TRUE(fetch("/ok"));
    EXPECT_EQ(body_bytes(), binary_body());
    ASSERT_TRUE(fetch("/large"));
    EXPECT_EQ(body_bytes(), large_body());
}

TEST_F(QtInetTest, TextChunksNeverSplitAKoreanCharacter) {
    ASSERT_TRUE(fetch("/korean"));
    // Three bytes would end inside 가 and then inside 나.
    std::vector<std::string> chunks;
    for (int guard = 0; guard < 10; ++guard) {
        chunks.push_back(inet.GetChunkText(3));
        if (chunks.back().empty()) break;
    }
    EXPECT_EQ(chunks, (std::vector<std::string>{"ab", "가", "나", ""}));
}

TEST_F(QtInetTest, ErrorStatusesAndRedirectsAreResponses) {
    struct Case {
        std::string path;
        std::string status;
        std::string body;
    };
    const Case cases[] = {
        {"/missing", "404", "no such file"},
        {"/broken", "500", "server fault"},
        {"/moved", "200", kKoreanCp949},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_TRUE(fetch(c.path));
        EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
        EXPECT_EQ(inet.GetHeader().substr(9, 3), c.status);
        EXPECT_EQ(inet.ResponseCode(), 0);
        EXPECT_EQ(body_bytes(), c.body);
    }
}

TEST_F(QtInetTest, ChunkedBodyWithoutLength) {
    ASSERT_TRUE(fetch("/chunked"));
    EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
    EXPECT_EQ(inet.GetHeader("Content-Length"), "");
    EXPECT_EQ(body_bytes(),
              std::string(1000, 'x') + std::string(1000, 'y') + std::string(1000, 'z'));
}

TEST_F(QtInetTest, FailuresReportStateElevenAndHoldNoBody) {
    RefusingPort refusing;
    struct Case {
        const char* name;
        std::string address;
        std::string operation;
        bool response_arrived;
    };
    const Case cases[] = {
        {"refused", refusing.url(), "GET", false},
        {"cut body", server.url("/cut"), "GET", true},
        {"not http", "ftp://127.0.0.1/file", "GET", false},
        {"no address", "", "GET", false},
        {"other operation", server.url("/ok"), "POST", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        states.clear();
        inet.set_URL("");
        inet.Execute(c.address, c.operation);
        EXPECT_TRUE(states.empty());
        ASSERT_TRUE(wait_for_state());
        EXPECT_EQ(states, std::vector<int>{Inet::kStateError});
        EXPECT_FALSE(inet.StillExecuting());
        EXPECT_NE(inet.ResponseCode(), 0);
        EXPECT_NE(inet.ResponseInfo(), "");
        EXPECT_EQ(chunk_size(inet, 1024), 0u);
        if (c.response_arrived)
            EXPECT_EQ(inet.GetHeader().substr(9, 3), "200");
        else
            EXPECT_EQ(inet.GetHeader(), "\r\n");
    }
}

TEST_F(QtInetTest, ServerThatStopsAnsweringTimesOut) {
    QtInet quick(500);
    std::vector<int> seen;
    quick.on_state_changed = [&](int state) { seen.push_back(state); };
    struct Case {
        const char* path;
        bool response_arrived;
    };
    for (const Case c : {Case{"/silent", false}, Case{"/stall", true}, Case{"/trickle", true}}) {
        SCOPED_TRACE(c.path);
        seen.clear();
        QElapsedTimer clock;
        clock.start();
        quick.Execute(server.url(c.path), "GET");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, 5000));
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(seen, std::vector<int>{Inet::kStateError});
        EXPECT_NE(quick.ResponseCode(), 0);
        EXPECT_EQ(chunk_size(quick, 1024), 0u);
        EXPECT_EQ(quick.GetHeader() == "\r\n", !c.response_arrived) << quick.GetHeader();

        clock.restart();
        EXPECT_EQ(quick.OpenURL(server.url(c.path)), "");
        EXPECT_LT(clock.elapsed(), 3000);
    }
}

TEST_F(QtInetTest, HeaderRequestEndsAtTheHeadersAndHoldsNoBody) {
    inet.ExecuteHeaders(server.url("/big"));
    ASSERT_TRUE(wait_for_state());
    EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
    EXPECT_EQ(inet.GetHeader().substr(9, 3), "200");
    EXPECT_EQ(inet.GetHeader("Content-Length"), std::to_string(LoopbackServer::kBigBytes));
    EXPECT_EQ(chunk_size(inet, 1024), 0u);
    // Whatever the socket buffers took is all the server ever sent of the body.
    QTest::qWait(300);
    EXPECT_LT(server.big_sent(), LoopbackServer::kBigBytes / 4);

    // A redirect is followed to the answer's own headers; an error status is an answer too.
    for (const auto& [path, status] : {std::pair{"/moved", "200"}, {"/missing", "404"}}) {
        states.clear();
        inet.ExecuteHeaders(server.url(path));
        ASSERT_TRUE(wait_for_state());
        EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted}) << path;
        EXPECT_EQ(inet.GetHeader().substr(9, 3), status) << path;
        EXPECT_EQ(chunk_size(inet, 1024), 0u);
    }
}

TEST_F(QtInetTest, CancelledOrReplacedRequestReportsNothing) {
    inet.Execute(server.url("/korean"), "GET");
    inet.Cancel();
    EXPECT_FALSE(inet.StillExecuting());
    EXPECT_EQ(inet.GetHeader(), "\r\n");
    // Uncancelled, this answer would arrive within milliseconds on loopback.
    EXPECT_FALSE(QTest::qWaitFor([this] { return !states.empty(); }, 300));

    // A request replaced while running is cancelled the same way. Had either reported, its state
    // would arrive before or with the one of the last request.
    inet.Execute(server.url("/silent"), "GET");
    inet.Execute(server.url("/korean"), "GET");
    ASSERT_TRUE(wait_for_state());
    EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
    EXPECT_EQ(inet.ResponseCode(), 0);
    EXPECT_EQ(body_bytes(), kKoreanCp949);

    // Cancel after completion, as the download control does while it copies the body out, leaves
    // the held body readable.
    ASSERT_TRUE(fetch("/ok"));
    EXPECT_EQ(chunk_size(inet, 1000), 1000u);
    inet.Cancel();
    EXPECT_EQ(chunk_size(inet, 2000), 1500u);
}

TEST_F(QtInetTest, NextRequestReplacesTheHeldResponse) {
    ASSERT_TRUE(fetch("/ok"));
    EXPECT_EQ(chunk_size(inet, 100), 100u);

    ASSERT_TRUE(fetch("/missing"));
    EXPECT_EQ(inet.GetHeader().substr(9, 3), "404");
    EXPECT_EQ(inet.GetHeader("X-Lane"), "");
    EXPECT_EQ(inet.GetHeader().find("X-Lane"), std::string::npos);
    EXPECT_EQ(body_bytes(), "no such file");
}

TEST_F(QtInetTest, HandlerMayStartTheNextRequest) {
    std::vector<std::string> bodies;
    inet.on_state_changed = [&](int state) {
        states.push_back(state);
        bodies.push_back(body_bytes());
        if (states.size() == 1) inet.Execute(server.url("/korean"), "GET");
    };
    inet.Execute(server.url("/missing"), "GET");
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.size() >= 2; }, 5000));
    EXPECT_EQ(states,
              (std::vector<int>{Inet::kStateResponseCompleted, Inet::kStateResponseCompleted}));
    EXPECT_EQ(bodies, (std::vector<std::string>{"no such file", kKoreanCp949}));
    EXPECT_EQ(inet.GetHeader().substr(9, 3), "200");
}

TEST_F(QtInetTest, OpenUrlReturnsTheDecodedBodyOrNothing) {
    RefusingPort refusing;
    ASSERT_TRUE(fetch("/ok"));

    EXPECT_EQ(inet.OpenURL(server.url("/korean")), kKoreanUtf8);
    EXPECT_EQ(inet.OpenURLStatus(), 200);
    EXPECT_EQ(inet.OpenURL(server.url("/missing")), "no such file");
    EXPECT_EQ(inet.OpenURLStatus(), 404);
    EXPECT_EQ(inet.OpenURL(refusing.url()), "");
    EXPECT_EQ(inet.OpenURLStatus(), 0);
    EXPECT_EQ(inet.OpenURL(server.url("/cut")), "");
    EXPECT_EQ(inet.OpenURL("not an address"), "");
    EXPECT_EQ(inet.OpenURL(server.url("/moved")), kKoreanUtf8);

    // OpenURL is a request of its own: the response held for Execute is still there.
    EXPECT_EQ(states, std::vector<int>{Inet::kStateResponseCompleted});
    EXPECT_EQ(body_bytes(), binary_body());
}

TEST_F(QtInetTest, BodyOverTheLimitFails) {
    inet.set_body_limit(1000);
    ASSERT_TRUE(fetch("/ok"));
    EXPECT_EQ(states, std::vector<int>{Inet::kStateError});
    EXPECT_EQ(chunk_size(inet, 1024), 0u);
    EXPECT_EQ(inet.OpenURL(server.url("/ok")), "");
    EXPECT_EQ(inet.OpenURL(server.url("/korean")), kKoreanUtf8);
}

TEST_F(QtInetTest, DestroyedWhileRunning) {
    bool reported = false;
    {
        QtInet doomed;
        doomed.on_state_changed = [&](int) { reported = true; };
        doomed.Execute(server.url("/korean"), "GET");
    }
    // Whatever the aborted reply still has queued must find nothing of the component to touch.
    EXPECT_FALSE(QTest::qWaitFor([&] { return reported; }, 200));
}

}  // namespace
}  // namespace presslane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
