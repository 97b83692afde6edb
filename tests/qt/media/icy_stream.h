#pragma once

#include <atomic>
#include <string>
#include <thread>

#include <httplib.h>

namespace presslane {

// An endless internet-radio stream on 127.0.0.1: a generated tone as 8 kHz mono WAV, sent a little
// faster than real time with ICY metadata ("icy-name", StreamTitle) every half second of audio.
// "/stream" is the radio, "/missing" answers 404, and every other path is a fixed page if one was
// given to serve(). With logging on, a listener that goes prints "closed " and its path and query.
class IcyStream {
public:
    IcyStream(std::string station, std::string title);
    ~IcyStream();
    IcyStream(const IcyStream&) = delete;
    IcyStream& operator=(const IcyStream&) = delete;

    // Adds a fixed text answer; call before start().
    void serve(const std::string& path, const std::string& body);
    // Listens on `port` (0: any free one) and returns the port, or -1.
    int start(int port = 0);
    // Prints the path and query of every request to standard output.
    void log_requests(bool on);
    std::string url(const std::string& path) const;
    // Listeners of "/stream" whose connection is still open.
    int listeners() const { return listeners_; }

private:
    static std::string line_of(const httplib::Request& req);
    void note(const httplib::Request& req) const;

    httplib::Server server_;
    std::string station_, title_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> listeners_{0};
    bool log_ = false;
    int port_ = -1;
    std::thread thread_;
};

}  // namespace presslane
