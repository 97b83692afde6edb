#pragma once

#include <sys/socket.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include <httplib.h>

namespace presslane {

// The loopback test servers on a fixed port: the address is reusable at once after an earlier
// test's server closed (its connections linger in TIME_WAIT), but never shared with a server that
// still runs (no SO_REUSEPORT), so a second server fails instead of taking half the requests.
inline void reuse_address_only(httplib::Server& server) {
    server.set_socket_options([](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
}

// The end-to-end servers' run: takes any free port on 127.0.0.1, prints it for the script that
// started the server, and answers until `seconds` have passed. False when no port was free.
inline bool serve_on_any_port_for(httplib::Server& server, int seconds) {
    const int port = server.bind_to_any_port("127.0.0.1");
    if (port <= 0) return false;
    std::printf("%d\n", port);
    std::fflush(stdout);
    std::thread stopper([&server, seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        server.stop();
    });
    stopper.detach();
    server.listen_after_bind();
    return true;
}

}  // namespace presslane
