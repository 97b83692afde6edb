// Serves the pages of the end-to-end tests on 127.0.0.1: prints its port, then answers until it
// is killed or its time runs out.
#include <cstdlib>
#include <string>

#include <httplib.h>

#include "support/server_socket.h"

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 120;
    httplib::Server server;
    server.Get("/start", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(
            "<html><head><meta charset=\"utf-8\"><title>로컬 시작 페이지</title></head>"
            "<body style=\"font-family:sans-serif\"><h1>프레스레인 시험 페이지</h1>"
            "<p>오늘의 주요 뉴스</p></body></html>",
            "text/html; charset=utf-8");
    });
    // Plain pages whose titles tell which address the browser loaded.
    const struct {
        const char* path;
        const char* title;
    } titled[] = {{"/typed", "입력한 주소"},
                  {"/bookmarked", "북마크한 페이지"},
                  {"/opened", "사용자가 연 새 창"},
                  {"/unasked", "스스로 뜬 팝업"}};
    for (const auto& page : titled) {
        server.Get(page.path, [title = std::string(page.title)](const httplib::Request&,
                                                                httplib::Response& res) {
            res.set_content("<html><head><meta charset=\"utf-8\"><title>" + title +
                                "</title></head><body><h1>" + title + "</h1></body></html>",
                            "text/html; charset=utf-8");
        });
    }
    // A link that opens a new window, filling the page's top, and a window the page opens by
    // itself as it loads.
    server.Get("/links", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(
            "<html><head><meta charset=\"utf-8\"><title>링크 페이지</title></head>"
            "<body style=\"margin:0\"><a href=\"/opened\" target=\"_blank\" "
            "style=\"display:block;height:240px;background:#3050a0;color:white\">새 창으로 열기</a>"
            "<script>window.open('/unasked');</script></body></html>",
            "text/html; charset=utf-8");
    });
    return presslane::serve_on_any_port_for(server, seconds) ? 0 : 1;
}
