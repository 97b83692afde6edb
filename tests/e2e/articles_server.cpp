// Serves the article pages and the product server's mail form of the articles end-to-end test on
// 127.0.0.1: prints its port, writes every request's path and query to the log file (and each
// parameter of a mail request on a line of its own), and answers until its time runs out. The
// mail form answers 500 while a file named like the log with ".fail" added exists. The web-mail
// login page reports what its two fields hold as "/filled" requests, so the log shows what the
// program typed in, and a submitted form as "/session/submit". Given a second port, it serves the
// same over https there with a certificate of its own, and those requests are logged with
// "https " in front. Arguments: seconds, log file, the port (any free one when it is missing or 0)
// and the https port.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include <httplib.h>

#include "support/self_signed.h"
#include "support/server_socket.h"

namespace {

void serve(httplib::Server& server, std::mutex& mutex, const std::string& log_path,
           const std::string& prefix) {
    const std::pair<const char*, const char*> pages[] = {{"/start", "시작 페이지"},
                                                         {"/article", "스크랩할 기사"},
                                                         {"/bookmarked", "북마크한 사이트"}};
    for (const auto& [path, title] : pages) {
        server.Get(
            path, [title = std::string(title)](const httplib::Request&, httplib::Response& res) {
                res.set_content("<html><head><meta charset=\"utf-8\"><title>" + title +
                                    "</title></head><body style=\"font-family:sans-serif\"><h1>" +
                                    title + "</h1></body></html>",
                                "text/html; charset=utf-8");
            });
    }
    server.Get("/session/login.html", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(
            "<html><head><meta charset=\"utf-8\"><title>메일 로그인</title></head><body>"
            "<form method=\"post\" action=\"/session/submit\">"
            "<input name=\"userid\"> <input type=\"password\" name=\"passwd\"> "
            "<input type=\"submit\" name=\"login\" value=\"로그인\"></form><script>"
            "let last = '';"
            "setInterval(() => {"
            "  const u = document.getElementsByName('userid')[0].value;"
            "  const p = document.getElementsByName('passwd')[0].value;"
            "  if (u + '|' + p === last || !(u || p)) return;"
            "  last = u + '|' + p;"
            "  fetch('/filled?userid=' + encodeURIComponent(u) + '&passwd=' + "
            "encodeURIComponent(p));"
            "}, 200);</script></body></html>",
            "text/html; charset=utf-8");
    });
    server.Post("/session/submit", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("<html><body>submitted</body></html>", "text/html");
    });
    server.Get("/soft/lane_desk/sendmail.php",
               [&mutex, log_path](const httplib::Request& req, httplib::Response& res) {
                   {
                       std::lock_guard lock(mutex);
                       std::ofstream out(log_path, std::ios::app);
                       for (const auto& [key, value] : req.params)
                           out << "mail " << key << "=" << value << "\n";
                   }
                   res.status = std::ifstream(log_path + ".fail") ? 500 : 200;
                   res.set_content("<html><body>mail form</body></html>", "text/html");
               });
    server.set_logger(
        [&mutex, log_path, prefix](const httplib::Request& req, const httplib::Response&) {
            std::lock_guard lock(mutex);
            std::string query;
            for (const auto& [key, value] : req.params)
                query += (query.empty() ? "?" : "&") + key + "=" + value;
            std::ofstream(log_path, std::ios::app) << prefix << req.path << query << "\n";
        });
    presslane::reuse_address_only(server);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int seconds = std::atoi(argv[1]);
    const std::string log_path = argv[2];
    std::mutex mutex;
    httplib::Server server;
    serve(server, mutex, log_path, "");
    int port = argc > 3 ? std::atoi(argv[3]) : 0;
    if (port > 0) {
        if (!server.bind_to_port("127.0.0.1", port)) return 1;
    } else {
        port = server.bind_to_any_port("127.0.0.1");
        if (port <= 0) return 1;
    }
    const presslane::SelfSigned tls;
    httplib::SSLServer secure(tls.cert(), tls.key());
    const int secure_port = argc > 4 ? std::atoi(argv[4]) : 0;
    if (secure_port > 0) {
        serve(secure, mutex, log_path, "https ");
        if (!secure.bind_to_port("127.0.0.1", secure_port)) return 1;
    }
    std::printf("%d\n", port);
    std::fflush(stdout);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        server.stop();
        secure.stop();
    });
    stopper.detach();
    std::thread secure_thread;
    if (secure_port > 0) secure_thread = std::thread([&] { secure.listen_after_bind(); });
    server.listen_after_bind();
    if (secure_thread.joinable()) secure_thread.join();
    return 0;
}
