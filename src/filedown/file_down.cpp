#include "filedown/file_down.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <vector>

#include "common/event_pump.h"
#include "filedown/inet.h"

namespace presslane {
namespace {

constexpr char kBusyText[] = "이미 작업이 실행중입니다.";
// How long the header wait sleeps between two looks at the request when no event arrives.
constexpr double kPollSeconds = 0.05;
// The C library sizes a buffer it allocates itself by the disk block, whatever size it is asked
// for, so the copy loop hands it one of its own: large enough for few write calls, small enough
// to stay in the processor's cache until the kernel copies it out.
constexpr std::size_t kWriteBufferBytes = std::size_t(1) << 16;

// The three characters at positions 10 to 12 of the header text: the code of "HTTP/1.1 200 OK".
std::string status_of(const std::string& header) {
    return header.size() > 9 ? header.substr(9, 3) : std::string();
}

// A Content-Length the control can use: only digits (blanks around them allowed) and within the
// 32-bit size the events carry. Anything else leaves the size to be learnt from the body.
bool parse_length(const std::string& text, std::int32_t& out) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos) return false;
    std::int64_t value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return false;
    }
    out = static_cast<std::int32_t>(value);
    return true;
}

std::int32_t clamp32(std::int64_t n) {
    return n > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                        : static_cast<std::int32_t>(n);
}

void remove_file(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(std::filesystem::u8path(path), ec);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The file opened empty for binary writing, by its name in the platform's own encoding.
std::FILE* open_for_writing(const std::filesystem::path& file) {
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wb");
#else
    return std::fopen(file.c_str(), "wb");
#endif
}

}  // namespace

FileDown::FileDown(std::unique_ptr<Inet> net, EventPump& pump)
    : net_(std::move(net)), pump_(pump), alive_(std::make_shared<bool>(true)) {
    net_->on_state_changed = [this](int state) { on_state_changed(state); };
}

FileDown::~FileDown() {
    *alive_ = false;
    net_->on_state_changed = nullptr;
}

void FileDown::set_URL(const std::string& url) {
    url_ = url;
    properties_changed_ = true;
}

void FileDown::set_DownPath(const std::string& path) {
    down_path_ = path;
    properties_changed_ = true;
}

void FileDown::FileDownload() {
    // Refused while either request runs as well as while the body is written: a second call would
    // otherwise restart the transfer component under the first one.
    if (Busy()) {
        fail(kBusy, kBusyText);
        return;
    }
    cancel_requested_ = false;
    net_->set_URL(url_);
    probing_ = true;
    request_running_ = true;
    // Only the status line and headers are read here: the body crosses the network once, with
    // the second request.
    net_->ExecuteHeaders("");

    // Window events run here: the host may cancel, or close its window and destroy this control.
    const std::shared_ptr<bool> alive = alive_;
    while (net_->StillExecuting()) {
        pump_.process_pending();
        if (!*alive) return;
        if (!net_->StillExecuting()) break;
        pump_.wait_for_events(kPollSeconds);
        if (!*alive) return;
    }
    request_running_ = false;
    // A cancelled header request is no failure of the server: it is reported as nothing.
    if (cancel_requested_) return;

    const std::string header = net_->GetHeader();
    if (header == "\r\n") {
        fail(kNoServer, "서버를 찾을 수 없음");
        return;
    }
    const std::string status = status_of(header);
    if (status == "404") {
        fail(kNotFound, "서버에 파일이 존재하지 않음");
        return;
    }
    if (status != "200") {
        fail(kHttpStatus, "HTTP CODE: " + status);
        return;
    }
    file_size_ = 0;
    size_known_ = parse_length(net_->GetHeader("Content-length"), file_size_);
    probing_ = false;
    request_running_ = true;
    net_->Execute("", "GET");
}

void FileDown::Cancel() {
    cancel_requested_ = true;
    net_->Cancel();
    // A cancelled request reports no state any more; only the copy loop still has to see the flag.
    request_running_ = false;
}

void FileDown::ReadProperties(const PropertyBag& bag) {
    const auto value = [&](const char* name) {
        const auto it = bag.find(name);
        return it == bag.end() ? std::string() : it->second;
    };
    url_ = value("URL");
    down_path_ = value("DownPath");
    properties_changed_ = false;
}

void FileDown::WriteProperties(PropertyBag& bag) {
    const auto store = [&](const char* name, const std::string& v) {
        if (v.empty()) {
            bag.erase(name);
        } else {
            bag[name] = v;
        }
    };
    store("URL", url_);
    store("DownPath", down_path_);
    properties_changed_ = false;
}

void FileDown::on_state_changed(int state) {
    if (probing_ || !request_running_) return;
    if (state == Inet::kStateError) {
        request_running_ = false;
        // A body the component had no room for on this disk is a local failure, not the network's.
        if (net_->ResponseCode() == Inet::kNoRoomCode) {
            fail(kFileWrite, "파일을 쓸 수 없음");
            return;
        }
        fail(kSocket,
             "소켓 오류 - " + std::to_string(net_->ResponseCode()) + ":" + net_->ResponseInfo());
    } else if (state == Inet::kStateResponseCompleted) {
        request_running_ = false;
        // The body request is judged as well: an error page must never land at DownPath, where a
        // host would install it as a program.
        const std::string status = status_of(net_->GetHeader());
        if (status != "200") {
            fail(kHttpStatus, "HTTP CODE: " + status);
            return;
        }
        write_body();
    }
}

void FileDown::write_body() {
    working_ = true;
    std::int64_t received = 0;
    // Copies: the host may change the properties, or destroy the control, during the loop.
    const std::string path = down_path_;
    const std::shared_ptr<bool> alive = alive_;
    const auto give_up = [&](std::int16_t code, const std::string& text) {
        remove_file(path);
        working_ = false;
        fail(code, text);
    };

    remove_file(path);
    // The chunks are small; the disk sees large writes. Declared before the file, which flushes
    // into it when closed.
    std::vector<char> buffer(kWriteBufferBytes);
    std::unique_ptr<std::FILE, FileCloser> file(open_for_writing(std::filesystem::u8path(path)));
    if (!file) {
        give_up(kFileWrite, "파일을 만들 수 없음");
        return;
    }
    std::setvbuf(file.get(), buffer.data(), _IOFBF, buffer.size());
    std::array<std::uint8_t, kChunkBytes> chunk;
    for (;;) {
        const std::size_t got = net_->GetChunkBytes(chunk);
        pump_.process_pending();
        if (!*alive) {
            file.reset();
            remove_file(path);
            return;
        }
        const bool last = got == 0;
        if (!last) {
            if (std::fwrite(chunk.data(), 1, got, file.get()) != got) {
                file.reset();
                give_up(kFileWrite, "파일을 쓸 수 없음");
                return;
            }
            received += static_cast<std::int64_t>(got);
        }
        raise_download(received, size_known_ ? file_size_ : 0);
        if (!*alive) {
            file.reset();
            remove_file(path);
            return;
        }
        if (cancel_requested_ || last) break;
    }
    // Buffered bytes reach the disk only here, so a full disk may first show itself at close.
    const bool closed = std::fclose(file.release()) == 0;
    if (cancel_requested_) {
        remove_file(path);
        working_ = false;
        return;
    }
    if (!closed) {
        give_up(kFileWrite, "파일을 쓸 수 없음");
        return;
    }
    // A body cut short must never be reported as a finished file.
    if (size_known_ && received < file_size_) {
        give_up(kSocket, "소켓 오류 - " + std::to_string(net_->ResponseCode()) +
                             ":Connection closed before the whole body arrived");
        return;
    }
    if (!size_known_) file_size_ = clamp32(received);
    const std::int32_t size = file_size_;
    raise_download(size, size);
    if (!*alive) return;
    if (events.OnComplete) events.OnComplete(size);
    if (!*alive) return;
    working_ = false;
}

void FileDown::fail(std::int16_t code, const std::string& message) {
    // A copy: the handler may replace the events or destroy the control while it runs.
    const auto handler = events.OnError;
    if (handler) handler(code, message);
}

void FileDown::raise_download(std::int64_t received, std::int64_t size) {
    const auto handler = events.OnDownload;
    if (handler) handler(clamp32(received), clamp32(size));
}

}  // namespace presslane
