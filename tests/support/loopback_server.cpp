#include "loopback_server.h"

#include <chrono>

namespace presslane {

LoopbackServer::LoopbackServer(std::map<std::string, std::string> pages)
    : pages_(std::move(pages)) {
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        if (request.path == "/slow")
            std::this_thread::sleep_for(std::chrono::milliseconds(kSlowMs));
        const auto page = pages_.find(request.path);
        if (page == pages_.end()) {
            response.status = 404;
            return;
        }
        response.set_content(page->second, "text/html; charset=utf-8");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // stop() only reaches a server that is already listening.
    for (int i = 0; i < 2000 && !server_.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer() {
    server_.stop();
    thread_.join();
}

std::string LoopbackServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

}  // namespace presslane
