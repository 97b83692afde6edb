// Serves the pages of the end-to-end tests on 127.0.0.1: prints its port, then answers until it
// is killed or its time runs out.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <httplib.h>

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
    const int port = server.bind_to_any_port("127.0.0.1");
    if (port <= 0) return 1;
    std::printf("%d\n", port);
    std::fflush(stdout);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        server.stop();
    });
    stopper.detach();
    server.listen_after_bind();
    return 0;
}
