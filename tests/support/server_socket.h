#pragma once

#include <sys/socket.h>

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

}  // namespace presslane
