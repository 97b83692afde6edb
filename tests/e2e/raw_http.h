#pragma once
// The socket plumbing of the loopback servers that answer in ways a real HTTP library would not:
// listening, reading a request's path, sending bytes whole.
#include <cstdint>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/types.h>

namespace raw_http {

// A listening socket on ADDRESS:PORT, or -1.
inline int listen_on(const char* address, int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(std::uint16_t(port));
    ::inet_pton(AF_INET, address, &a.sin_addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 16) != 0)
        return -1;
    return fd;
}

// Reads a request up to the end of its headers and gives the path of its request line.
inline std::string read_request_path(int fd) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, std::size_t(n));
    }
    const std::size_t space = request.find(' ');
    if (space == std::string::npos) return "";
    return request.substr(space + 1, request.find(' ', space + 1) - space - 1);
}

inline bool send_all(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += std::size_t(n);
    }
    return true;
}

}  // namespace raw_http
