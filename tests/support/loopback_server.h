#pragma once

#include <map>
#include <string>
#include <thread>

#include <httplib.h>

namespace presslane {

// A Korean domain name the test process resolves to 127.0.0.1 (its engine gets a host rule for it),
// so that typed Korean addresses reach the loopback server and nothing else.
inline constexpr char kKoreanTestHost[] = "테스트.kr";

// Serves fixed HTML pages on 127.0.0.1 from a thread of its own; "/slow" answers after a delay.
class LoopbackServer {
public:
    explicit LoopbackServer(std::map<std::string, std::string> pages);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" + path.
    std::string url(const std::string& path) const;

    static constexpr int kSlowMs = 1500;

private:
    httplib::Server server_;
    std::map<std::string, std::string> pages_;
    int port_ = -1;
    std::thread thread_;
};

}  // namespace presslane
