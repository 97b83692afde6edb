// The product server: publishes a folder (the published tree) as static files and answers the
// program's mail form, visit counter and channel boards. Logs one line per request on standard
// output. Usage:
//   lane_server --root DIR [--port 8080] [--host 0.0.0.0] [--counter FILE]
//               [--smtp-relay smtp://HOST:PORT --mail-from ADDRESS]
//               [--mail-limit 5] [--mail-window 600]
// The relay's user name and password, when it needs them, come from the environment
// (LANE_SERVER_SMTP_USER, LANE_SERVER_SMTP_PASSWORD) so that they never show in a process list.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include <sys/socket.h>

#include <curl/curl.h>
#include <httplib.h>

#include "server/html_page.h"
#include "server/mail_desk.h"
#include "server/mail_fields.h"
#include "server/visit_counter.h"
#include "smtp_relay.h"

namespace {

using presslane::MailDesk;

std::string utc_text(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &tm));
}

double steady_seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int usage(const char* problem) {
    std::fprintf(stderr,
                 "lane_server: %s\nusage: lane_server --root DIR [--port N] [--host ADDRESS] "
                 "[--counter FILE] [--smtp-relay URL --mail-from ADDRESS] [--mail-limit N] "
                 "[--mail-window SECONDS]\n",
                 problem);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options = {{"--port", "8080"},
                                                  {"--host", "0.0.0.0"},
                                                  {"--counter", "presslane_counter.txt"},
                                                  {"--mail-limit", "5"},
                                                  {"--mail-window", "600"}};
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (name != "--root" && name != "--smtp-relay" && name != "--mail-from" &&
            !options.count(name))
            return usage(("unknown option " + name).c_str());
        if (i + 1 >= argc) return usage(("no value for " + name).c_str());
        options[name] = argv[i + 1];
    }
    const std::filesystem::path root = options["--root"];
    if (root.empty() || !std::filesystem::is_directory(root))
        return usage("--root must name the published folder");
    const std::string relay_url = options["--smtp-relay"];
    const std::string from = options["--mail-from"];
    if (!relay_url.empty() && !presslane::is_plain_mail_address(from))
        return usage("--smtp-relay needs --mail-from with a plain mail address");
    const int port = std::atoi(options["--port"].c_str());
    const long limit = std::atol(options["--mail-limit"].c_str());
    const double window = std::atof(options["--mail-window"].c_str());
    if (port <= 0 || port > 65535 || limit <= 0 || window <= 0)
        return usage("--port, --mail-limit and --mail-window take positive numbers");

    curl_global_init(CURL_GLOBAL_DEFAULT);
    std::unique_ptr<presslane::SmtpRelay> relay;
    if (!relay_url.empty())
        relay =
            std::make_unique<presslane::SmtpRelay>(relay_url, environment("LANE_SERVER_SMTP_USER"),
                                                   environment("LANE_SERVER_SMTP_PASSWORD"));
    MailDesk desk(relay.get(),
                  {from, from.substr(from.find('@') + 1), static_cast<std::size_t>(limit), window});
    presslane::VisitCounter counter(options["--counter"]);

    httplib::Server server;
    // A restarted server takes its port back at once, while the last run's connections linger in
    // TIME_WAIT; a second server on the same port fails instead of sharing it (no SO_REUSEPORT).
    server.set_socket_options([](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_mount_point("/", root.string());
    server.set_file_extension_and_mimetype_mapping("res", "text/plain");
    server.Get("/soft/lane_desk/sendmail.php", [&desk](const httplib::Request& req,
                                                       httplib::Response& res) {
        const MailDesk::Answer answer = desk.handle({req.params, req.remote_addr, steady_seconds(),
                                                     utc_text("%a, %d %b %Y %H:%M:%S +0000")});
        res.status = answer.status;
        res.set_header("Cache-Control", "no-store");
        res.set_content(answer.page, "text/html; charset=utf-8");
    });
    server.Get("/presslane_counter/counter.php", [&counter](const httplib::Request&,
                                                            httplib::Response& res) {
        const auto count = counter.count();
        res.status = count ? 200 : 500;
        res.set_header("Cache-Control", "no-store");
        res.set_content("<!DOCTYPE html><html><body></body></html>\n", "text/html; charset=utf-8");
    });
    server.Get(R"(/cgi-bin/\[mind_control\]/board\.cgi)", [](const httplib::Request& req,
                                                             httplib::Response& res) {
        const std::string page = presslane::board_page(req.get_param_value("id"));
        res.status = page.empty() ? 404 : 200;
        res.set_content(page.empty()
                            ? presslane::message_page("게시판이 없습니다", "주소를 확인해 주십시요")
                            : page,
                        "text/html; charset=utf-8");
    });
    std::mutex log_mutex;
    server.set_logger([&log_mutex](const httplib::Request& req, const httplib::Response& res) {
        // The path only: the mail form's query holds people's addresses.
        const std::string line = utc_text("%Y-%m-%dT%H:%M:%SZ") + " " + req.remote_addr + " " +
                                 req.method + " " + req.path + " " + std::to_string(res.status) +
                                 " " + std::to_string(res.body.size());
        std::lock_guard lock(log_mutex);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    });

    if (!server.bind_to_port(options["--host"].c_str(), port)) {
        std::fprintf(stderr, "lane_server: cannot listen on %s:%d\n", options["--host"].c_str(),
                     port);
        return 1;
    }
    std::printf("lane_server: publishing %s on %s:%d, mail %s\n", root.c_str(),
                options["--host"].c_str(), port, relay ? relay_url.c_str() : "not configured");
    std::fflush(stdout);
    server.listen_after_bind();
    curl_global_cleanup();
    return 0;
}
