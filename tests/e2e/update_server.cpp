// The product server of the update chain test, with the faults a real one may have. Arguments:
// port, the published folder, the fault file, the seconds to run. It listens on 127.0.0.1:PORT and,
// as a second host, on 127.0.0.2:PORT. Every request is logged to stdout as "GET path status".
//
// The published folder holds lane_desk_version.txt, update.exe, lane_desk.exe, their .minisig
// files and NAME.stranger.minisig (signed with another key); mirror/NAME is served at /mirror/NAME
// on either host. The fault file's first word is read at every request and changes how the two
// program files (and their signatures) are answered:
//   (none)    as published           404, 500   that status with an HTML page
//   html      200 with an HTML page  empty      200 with no body
//   cut       half the body, then the connection closes, with Content-Length
//   cutclose  half the body, then the connection closes, without Content-Length
//   redirect  302 to the mirror on the second host
//   silent    accepts the request and never answers
//   trickle   the headers, then one byte a second
//   slow      the whole body at about 128 kB a second
//   nosig     the signatures answer 404     wrongsig  the stranger's signatures are served
//   slowsig   the signatures answer only after 60 seconds
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "raw_http.h"

namespace {

using namespace std::chrono_literals;
using raw_http::send_all;

std::string folder;
std::string fault_file;
int port = 0;

std::string read_file(const std::string& path, bool* found = nullptr) {
    std::ifstream in(path, std::ios::binary);
    if (found) *found = bool(in);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string fault() {
    std::ifstream in(fault_file);
    std::string word;
    in >> word;
    return word;
}

// Waits, up to the time given, for the client to hang up; true when it did.
bool client_gone(int fd, std::chrono::milliseconds wait) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, int(wait.count())) <= 0) return false;
    char c;
    return ::recv(fd, &c, 1, MSG_PEEK) <= 0;
}

std::string head(int status, const std::string& type, const std::string& length) {
    const char* reason = status == 200   ? "OK"
                         : status == 302 ? "Found"
                         : status == 404 ? "Not Found"
                                         : "Error";
    std::string h = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
    h += "Content-Type: " + type + "\r\n";
    if (!length.empty()) h += "Content-Length: " + length + "\r\n";
    return h + "Connection: close\r\n";
}

int answer(int fd, int status, const std::string& type, const std::string& body) {
    send_all(fd, head(status, type, std::to_string(body.size())) + "\r\n" + body);
    return status;
}

int page(int fd, int status) {
    return answer(
        fd, status, "text/html",
        "<html><body><h1>" + std::to_string(status) + "</h1>서비스 점검 중</body></html>");
}

int serve_program(int fd, const std::string& name, const std::string& mode) {
    bool found = false;
    const std::string body = read_file(folder + "/" + name, &found);
    if (!found || mode == "404") return page(fd, 404);
    if (mode == "500") return page(fd, 500);
    if (mode == "html") return answer(fd, 200, "text/html", "<html><body>점검 중</body></html>");
    if (mode == "empty") return answer(fd, 200, "application/octet-stream", "");
    const std::string binary = "application/octet-stream";
    if (mode == "cut" || mode == "cutclose") {
        const std::string length = mode == "cut" ? std::to_string(body.size()) : "";
        send_all(fd, head(200, binary, length) + "\r\n" + body.substr(0, body.size() / 2));
        return 200;
    }
    if (mode == "redirect") {
        send_all(fd, head(302, "text/html", "0") + "Location: http://127.0.0.2:" +
                         std::to_string(port) + "/mirror/" + name + "\r\n\r\n");
        return 302;
    }
    if (mode == "silent") {
        while (!client_gone(fd, 200ms)) {
        }
        return 0;
    }
    if (mode == "trickle" || mode == "slow") {
        if (!send_all(fd, head(200, binary, std::to_string(body.size())) + "\r\n")) return 200;
        const std::size_t step = mode == "trickle" ? 1 : 16 * 1024;
        const auto pause = mode == "trickle" ? 1000ms : 125ms;
        for (std::size_t at = 0; at < body.size(); at += step) {
            if (!send_all(fd, body.substr(at, step))) break;
            std::this_thread::sleep_for(pause);
        }
        return 200;
    }
    return answer(fd, 200, binary, body);
}

int serve_signature(int fd, const std::string& name, const std::string& mode) {
    if (mode == "nosig") return page(fd, 404);
    if (mode == "slowsig" && !client_gone(fd, 60s)) {
    }
    bool found = false;
    const std::string body = read_file(
        folder + "/" + name + (mode == "wrongsig" ? ".stranger.minisig" : ".minisig"), &found);
    return found ? answer(fd, 200, "application/octet-stream", body) : page(fd, 404);
}

void serve(int fd) {
    const std::string path = raw_http::read_request_path(fd);
    const std::string upgrade = "/soft/lane_desk/upgrade/";
    const std::string mode = fault();
    int status = 404;
    if (path == upgrade + "lane_desk_version.txt") {
        status = answer(fd, 200, "text/plain", read_file(folder + "/lane_desk_version.txt"));
    } else if (path == upgrade + "update.exe" || path == upgrade + "lane_desk.exe") {
        status = serve_program(fd, path.substr(upgrade.size()), mode);
    } else if (path == upgrade + "update.exe.minisig" ||
               path == upgrade + "lane_desk.exe.minisig") {
        const std::string name = path.substr(upgrade.size());
        status = serve_signature(fd, name.substr(0, name.size() - 8), mode);
    } else if (path.rfind("/mirror/", 0) == 0 && path.find("..") == std::string::npos) {
        bool found = false;
        const std::string body = read_file(folder + path, &found);
        status = found ? answer(fd, 200, "application/octet-stream", body) : page(fd, 404);
    } else {
        page(fd, 404);
    }
    std::printf("GET %s %d %s\n", path.c_str(), status, mode.c_str());
    std::fflush(stdout);
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    port = std::atoi(argv[1]);
    folder = argv[2];
    fault_file = argv[3];
    const int seconds = std::atoi(argv[4]);
    pollfd listeners[2] = {{raw_http::listen_on("127.0.0.1", port), POLLIN, 0},
                           {raw_http::listen_on("127.0.0.2", port), POLLIN, 0}};
    if (listeners[0].fd < 0 || listeners[1].fd < 0) return 1;
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::_Exit(0);
    }).detach();
    for (;;) {
        if (::poll(listeners, 2, -1) <= 0) continue;
        for (pollfd& l : listeners) {
            if (!(l.revents & POLLIN)) continue;
            const int fd = ::accept4(l.fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) std::thread(serve, fd).detach();
        }
    }
}
