// The product server of the update chain test on 127.0.0.1:PORT. Arguments: port, version text,
// the file served as the updater, the file served as the new main program ("-" answers 404), and
// the seconds to run. Every request is logged to stdout as "GET path".
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <sys/socket.h>

#include <httplib.h>

#include "support/server_socket.h"

namespace {

void serve_file(httplib::Server& server, const std::string& path, const std::string& file) {
    server.Get(path, [file](const httplib::Request&, httplib::Response& res) {
        if (file == "-") {
            res.status = 404;
            res.set_content("<html><body>Not Found</body></html>", "text/html");
            return;
        }
        std::ifstream in(file, std::ios::binary);
        res.set_content(std::string(std::istreambuf_iterator<char>(in), {}),
                        "application/octet-stream");
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) return 2;
    const int port = std::atoi(argv[1]);
    const std::string version = argv[2];
    httplib::Server server;
    presslane::reuse_address_only(server);
    server.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        std::printf("%s %s %d\n", req.method.c_str(), req.path.c_str(), res.status);
        std::fflush(stdout);
    });
    server.Get("/soft/lane_desk/upgrade/lane_desk_version.txt",
               [version](const httplib::Request&, httplib::Response& res) {
                   res.set_content(version, "text/plain");
               });
    serve_file(server, "/soft/lane_desk/upgrade/update.exe", argv[3]);
    serve_file(server, "/soft/lane_desk/upgrade/lane_desk.exe", argv[4]);
    std::thread stopper([&server, seconds = std::atoi(argv[5])] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        server.stop();
    });
    stopper.detach();
    return server.listen("127.0.0.1", port) ? 0 : 1;
}
