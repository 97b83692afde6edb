// Serves the pages of the browser keys end-to-end test on 127.0.0.1: prints its port, writes every
// request's path to the log file, and answers until its time runs out. Pages: two linked pages
// whose titles tell them apart, a long Korean article with a known number of one word, and a page
// whose link offers a file to save. Arguments: seconds, log file.
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>

#include <httplib.h>

#include "support/server_socket.h"

namespace {

std::string page(const std::string& title, const std::string& body) {
    return "<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head><body style=\"font-family:sans-serif;margin:0\">" + body +
           "</body></html>";
}

// A link filling the top of the page, where a test clicks without knowing the layout.
std::string big_link(const std::string& href, const std::string& text) {
    return "<a href=\"" + href +
           "\" style=\"display:block;height:300px;background:#3050a0;color:white;"
           "font-size:30px\">" +
           text + "</a>";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int seconds = std::atoi(argv[1]);
    const std::string log_path = argv[2];
    std::mutex mutex;
    httplib::Server server;
    server.Get("/first", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(page("첫째 기사", big_link("/second", "둘째 기사로")),
                        "text/html; charset=utf-8");
    });
    server.Get("/second", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(page("둘째 기사", "<h1>둘째 기사</h1>"), "text/html; charset=utf-8");
    });
    server.Get("/typed", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(page("입력한 주소", "<h1>입력한 주소</h1>"), "text/html; charset=utf-8");
    });
    // Seven times the word, far apart in a long page; its parts in other words do not count.
    server.Get("/long", [](const httplib::Request&, httplib::Response& res) {
        std::string body = "<h1>긴 기사</h1>";
        for (int i = 0; i < 7; ++i) {
            for (int j = 0; j < 30; ++j) body += "<p>오늘의 주요 뉴스와 경제 소식을 전합니다.</p>";
            body += "<p>단독 특종 보도 " + std::to_string(i + 1) + "</p>";
        }
        res.set_content(page("긴 기사", body), "text/html; charset=utf-8");
    });
    server.Get("/files", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(page("자료실", big_link("/file/report.pdf", "지면 보기 (PDF)")),
                        "text/html; charset=utf-8");
    });
    server.Get("/file/report.pdf", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Disposition", "attachment; filename=\"report.pdf\"");
        res.set_content(std::string("%PDF-1.4\n\x01\x02\x03 presslane\n", 23), "application/pdf");
    });
    server.set_logger([&mutex, log_path](const httplib::Request& req, const httplib::Response&) {
        std::lock_guard<std::mutex> lock(mutex);
        std::ofstream(log_path, std::ios::app) << req.path << "\n";
    });
    return presslane::serve_on_any_port_for(server, seconds) ? 0 : 1;
}
