#include "icy_stream.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <iostream>

#include "support/server_socket.h"

namespace presslane {
namespace {

constexpr int kRate = 8000;
constexpr std::size_t kMetaInterval = kRate;  // bytes of audio between two metadata blocks

void put16(std::string& s, std::uint16_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>(v >> 8);
}

void put32(std::string& s, std::uint32_t v) {
    put16(s, static_cast<std::uint16_t>(v & 0xffff));
    put16(s, static_cast<std::uint16_t>(v >> 16));
}

// A WAV header for a stream of unknown length.
std::string wav_header() {
    std::string h = "RIFF";
    put32(h, 0xffffffff);
    h += "WAVEfmt ";
    put32(h, 16);
    put16(h, 1);
    put16(h, 1);
    put32(h, kRate);
    put32(h, kRate * 2);
    put16(h, 2);
    put16(h, 16);
    h += "data";
    put32(h, 0xffffffff);
    return h;
}

std::string metadata_block(const std::string& title) {
    std::string text = "StreamTitle='" + title + "';";
    const std::size_t blocks = (text.size() + 15) / 16;
    text.resize(blocks * 16, '\0');
    return std::string(1, static_cast<char>(blocks)) + text;
}

}  // namespace

IcyStream::IcyStream(std::string station, std::string title)
    : station_(std::move(station)), title_(std::move(title)) {
    // Every listener holds a worker for as long as it listens, and players and browsers keep
    // idle connections open: the default pool of a small machine runs out.
    server_.new_task_queue = [] { return new httplib::ThreadPool(32); };
    server_.set_keep_alive_max_count(1);
    server_.Get("/stream", [this](const httplib::Request& req, httplib::Response& res) {
        note(req);
        const bool icy = req.get_header_value("Icy-MetaData") == "1";
        res.set_header("icy-name", station_);
        if (icy) res.set_header("icy-metaint", std::to_string(kMetaInterval));
        auto sent = std::make_shared<std::size_t>(0);      // audio bytes since the last block
        auto sample = std::make_shared<std::uint64_t>(0);  // tone phase
        auto header = std::make_shared<bool>(false);
        ++listeners_;
        res.set_content_provider(
            "audio/x-wav",
            [this, icy, sent, sample, header](std::size_t, httplib::DataSink& sink) {
                if (stopping_) return false;
                std::string audio;
                if (!*header) {
                    audio = wav_header();
                    *header = true;
                }
                // A tenth of a second of a 440 Hz tone.
                for (int i = 0; i < kRate / 10; ++i, ++*sample) {
                    const double v = std::sin(2 * M_PI * 440.0 * *sample / kRate);
                    put16(audio, static_cast<std::uint16_t>(static_cast<std::int16_t>(v * 8000)));
                }
                std::string out;
                for (char c : audio) {
                    if (icy && *sent == kMetaInterval) {
                        out += metadata_block(title_);
                        *sent = 0;
                    }
                    out += c;
                    ++*sent;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return sink.write(out.data(), out.size());
            },
            // Runs once the listener has gone (or the server stops).
            [this, line = line_of(req)](bool) {
                --listeners_;
                if (log_) std::cout << "closed " << line << std::endl;
            });
    });
    server_.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("not here", "text/plain");
    });
}

IcyStream::~IcyStream() {
    stopping_ = true;
    server_.stop();
    if (thread_.joinable()) thread_.join();
}

void IcyStream::serve(const std::string& path, const std::string& body) {
    server_.Get(path, [this, body](const httplib::Request& req, httplib::Response& res) {
        note(req);
        res.set_content(body, "text/plain");
    });
}

void IcyStream::log_requests(bool on) { log_ = on; }

std::string IcyStream::line_of(const httplib::Request& req) {
    std::string line = req.path;
    for (const auto& [key, value] : req.params) {
        line += (line.find('?') == std::string::npos ? "?" : "&") + key;
        if (!value.empty()) line += "=" + value;
    }
    return line;
}

void IcyStream::note(const httplib::Request& req) const {
    if (log_) std::cout << line_of(req) << std::endl;
}

int IcyStream::start(int port) {
    reuse_address_only(server_);
    port_ = port == 0 ? server_.bind_to_any_port("127.0.0.1")
                      : (server_.bind_to_port("127.0.0.1", port) ? port : -1);
    if (port_ < 0) return -1;
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    return port_;
}

std::string IcyStream::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

}  // namespace presslane
