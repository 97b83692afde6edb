// Downloads one large file from a loopback server with the download control and with curl, each
// in a child process of its own, and prints both throughputs, their ratio and both peak memory
// figures for each of a few rounds, then the median ratio. Each round also downloads the file with
// the control hosted by the update window (DownloadForm), whose progress bar and size label show
// every OnDownload, and prints that figure against curl's with its peak memory (VmHWM). Run without
// arguments (on an X display the window is shown; without one it is drawn offscreen);
// "--megabytes N" changes the file size (200 by default), "--rounds N" the number of rounds (3 by
// default).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <httplib.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "filedown/file_down_control.h"
#include "filedown/grabkit_abi.h"
#include "update_client/download_events.h"
#include "update_client/qt/download_form.h"
#include "update_client/size_display.h"

namespace {

namespace fs = std::filesystem;
using presslane::Controls;
using presslane::DownloadControl;
using presslane::DownloadEvents;
using presslane::DownloadForm;
using presslane::FileDownControl;

struct Run {
    double seconds = 0;
    long peak_kb = 0;
    int status = -1;
};

// Starts the command as a child and waits for it; the child's own peak resident size comes back
// with its exit status. Written-back disk caches first: a side that starts while the other's
// hundreds of megabytes are still waiting for the disk pays for them in every write it makes.
Run run_child(const std::vector<std::string>& args) {
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peak_kb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The child that downloads with the control: 0 on OnComplete, 1 on OnError.
int download_with_file_down(int argc, char** argv, const char* url, const char* out) {
    if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QWidget host;
    void* object = nullptr;
    if (DllGetClassObject(presslane::kFileDownProgId, &object) != presslane::kGrabkitOk) return 2;
    auto* control = static_cast<presslane::FileDownClassFactory*>(object)->CreateInstance(&host);
    int result = 1;
    presslane::FileDownControl::Events events;
    events.OnComplete = [&](int) {
        result = 0;
        QTimer::singleShot(0, &app, &QApplication::quit);
    };
    events.OnError = [&](int, std::string message) {
        std::fprintf(stderr, "error: %s\n", message.c_str());
        QTimer::singleShot(0, &app, &QApplication::quit);
    };
    control->set_events(events);
    control->set_URL(url);
    control->set_DownPath(out);
    QTimer::singleShot(0, &app, [control] { control->FileDownload(); });
    app.exec();
    return result;
}

// The update window's part in a download, without its release check: what the update controllers
// do with each OnDownload (the bar and "SizeInfo"), and the download started once the window shows.
class HostedDownload : public DownloadEvents {
public:
    HostedDownload(DownloadForm& form, QApplication& app, const char* url, const char* out)
        : form_(form), controls_(form.controls()), app_(app), url_(url), out_(out) {}

    int result() const { return result_; }

    void window_shown() override {
        FileDownControl* down = form_.FileDown();
        if (!down) {
            std::fprintf(stderr, "error: libGrabkit.so not found beside the benchmark\n");
            QTimer::singleShot(0, &app_, &QApplication::quit);
            return;
        }
        down->set_URL(url_);
        down->set_DownPath(out_);
        down->FileDownload();
    }
    void update_start_Click() override {}
    void cmdCancel_Click() override {}
    void Form_Unload() override {}
    void FileDown_OnDownload(std::int32_t received, std::int32_t file_size) override {
        show_progress(controls_, form_.progress(), received, file_size);
    }
    void FileDown_OnComplete(std::int32_t) override {
        result_ = 0;
        QTimer::singleShot(0, &app_, &QApplication::quit);
    }
    void FileDown_OnError(std::int16_t code) override {
        std::fprintf(stderr, "error: %d\n", code);
        QTimer::singleShot(0, &app_, &QApplication::quit);
    }

private:
    DownloadForm& form_;
    Controls<DownloadControl> controls_;
    QApplication& app_;
    const char* url_;
    const char* out_;
    int result_ = 1;
};

// The child that downloads in the update window: 0 on OnComplete, 1 on OnError.
int download_in_update_window(int argc, char** argv, const char* url, const char* out) {
    if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    DownloadForm form("PressLane 업데이트", "취소");
    HostedDownload host(form, app, url, out);
    form.connect_to(host);
    form.show();
    app.exec();
    return host.result();
}

void make_file(const fs::path& path, std::size_t megabytes) {
    std::ofstream out(path, std::ios::binary);
    std::string block(1 << 20, '\0');
    for (std::size_t m = 0; m < megabytes; ++m) {
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = char((i * 131 + m * 7) & 0xff);
        out.write(block.data(), std::streamsize(block.size()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "filedown") == 0)
        return download_with_file_down(argc, argv, argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "hosted") == 0)
        return download_in_update_window(argc, argv, argv[2], argv[3]);

    std::size_t megabytes = 200;
    int rounds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--megabytes") == 0) megabytes = std::stoul(argv[i + 1]);
        if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::max(1, std::stoi(argv[i + 1]));
    }

    char templ[] = "/tmp/presslane-bench-XXXXXX";
    const fs::path dir = ::mkdtemp(templ);
    const fs::path source = dir / "big.bin";
    make_file(source, megabytes);
    const auto size = fs::file_size(source);

    // The server reads the file piece by piece, so it adds no 200 MB to anyone's memory.
    httplib::Server server;
    server.Get("/big.bin", [&](const httplib::Request&, httplib::Response& res) {
        auto in = std::make_shared<std::ifstream>(source, std::ios::binary);
        res.set_content_provider(
            size, "application/octet-stream",
            [in](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                std::vector<char> buf(std::min<std::size_t>(length, 256 * 1024));
                in->seekg(std::streamoff(offset));
                in->read(buf.data(), std::streamsize(buf.size()));
                sink.write(buf.data(), std::size_t(in->gcount()));
                return in->gcount() > 0;
            });
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { server.listen_after_bind(); });
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/big.bin";

    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const auto got = [&](const fs::path& file) {
        std::error_code ec;
        const bool whole = fs::file_size(file, ec) == size && !ec;
        fs::remove(file, ec);
        return whole;
    };
    const double mb = double(size) / (1 << 20);
    std::printf("file: %zu MB over 127.0.0.1, %d rounds\n", megabytes, rounds);
    bool ok = true;
    std::vector<double> ratios;
    std::vector<double> hosted_ratios;
    for (int round = 1; round <= rounds; ++round) {
        const fs::path by_control = dir / "by_file_down.bin";
        const fs::path by_curl = dir / "by_curl.bin";
        const Run control = run_child({self, "filedown", url, by_control.string()});
        const bool control_ok = control.status == 0 && got(by_control);
        const Run curl = run_child({"curl", "-s", "-o", by_curl.string(), url});
        const bool curl_ok = curl.status == 0 && got(by_curl);
        const fs::path by_window = dir / "by_update_window.bin";
        const Run hosted = run_child({self, "hosted", url, by_window.string()});
        const bool hosted_ok = hosted.status == 0 && got(by_window);
        ok = ok && control_ok && curl_ok && hosted_ok;
        std::printf("round %d\n", round);
        std::printf("FileDown: %.2f s, %.1f MB/s, peak memory %ld kB\n", control.seconds,
                    mb / control.seconds, control.peak_kb);
        std::printf("curl:     %.2f s, %.1f MB/s, peak memory %ld kB\n", curl.seconds,
                    mb / curl.seconds, curl.peak_kb);
        std::printf("throughput ratio FileDown/curl: %.3f (goal: at least 0.5)\n",
                    curl.seconds / control.seconds);
        std::printf("peak memory ratio FileDown/curl: %.2f (goal: FileDown at most 65536 kB)\n",
                    double(control.peak_kb) / double(curl.peak_kb ? curl.peak_kb : 1));
        std::printf(
            "FileDown in the update window: %.2f s, %.1f MB/s, peak memory (VmHWM) %ld kB\n",
            hosted.seconds, mb / hosted.seconds, hosted.peak_kb);
        std::printf("throughput ratio update window/curl: %.3f (goal: at least 0.5)\n",
                    curl.seconds / hosted.seconds);
        std::printf("peak memory of the update window: %ld kB (goal: at most 65536 kB)\n",
                    hosted.peak_kb);
        ratios.push_back(curl.seconds / control.seconds);
        hosted_ratios.push_back(curl.seconds / hosted.seconds);
    }
    server.stop();
    thread.join();

    std::sort(ratios.begin(), ratios.end());
    std::printf("median throughput ratio FileDown/curl: %.3f (goal: at least 0.5)\n",
                ratios[ratios.size() / 2]);
    std::sort(hosted_ratios.begin(), hosted_ratios.end());
    std::printf("median throughput ratio update window/curl: %.3f (goal: at least 0.5)\n",
                hosted_ratios[hosted_ratios.size() / 2]);
    if (!ok) std::printf("a download failed or is incomplete\n");
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
