// A product server that misbehaves on every request, for the start-up's requests to it (the
// version check, the verified channel list, the visit counter). Arguments: port, mode, seconds to
// run. It listens on 127.0.0.1:PORT and logs each request to stdout as "GET path" the moment it
// has read it. Modes:
//   silent   reads the request and never answers, keeping the connection open
//   trickle  a whole answer, one byte a second
//   garbage  bytes that are not HTTP, then the connection closes
//   huge     a 200 with a Content-Length of 2 GB, ten bytes of body, then silence
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

#include "raw_http.h"

namespace {

using namespace std::chrono_literals;
using raw_http::send_all;

std::string mode;

// Holds the connection open, answering nothing, until the client hangs up.
void hold(int fd) {
    char c;
    while (::recv(fd, &c, 1, 0) > 0) {
    }
}

void serve(int fd) {
    const std::string path = raw_http::read_request_path(fd);
    std::printf("GET %s\n", path.c_str());
    std::fflush(stdout);
    const std::string body = "d|가짜 방송|http://127.0.0.1/hostile\r\n";
    const std::string whole = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                              std::to_string(body.size()) + "\r\n\r\n" + body;
    if (mode == "trickle") {
        for (char c : whole) {
            if (!send_all(fd, std::string(1, c))) break;
            std::this_thread::sleep_for(1s);
        }
        hold(fd);
    } else if (mode == "garbage") {
        std::string noise = "\x16\x03\x01\x02\x00 SSH-2.0-nonsense\r\n";
        for (int i = 0; i < 4096; ++i) noise += char((i * 131 + 7) & 0xff);
        send_all(fd, noise);
    } else if (mode == "huge") {
        send_all(fd,
                 "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2147483648\r\n\r\n"
                 "d|0123456");
        hold(fd);
    } else {
        hold(fd);
    }
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const int port = std::atoi(argv[1]);
    mode = argv[2];
    const int seconds = std::atoi(argv[3]);
    const int listener = raw_http::listen_on("127.0.0.1", port);
    if (listener < 0) return 1;
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::_Exit(0);
    }).detach();
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0) std::thread(serve, fd).detach();
    }
}
