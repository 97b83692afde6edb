#pragma once

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "filedown/inet.h"

namespace presslane {

// The transfer component of the unit tests. A request gets the next answer of `script`, else 200
// with the body `served` holds for its address, else `otherwise`. A request started by Execute
// still runs for `polls` looks at StillExecuting, or, with `on_tick`, until tick() runs (the fake
// window events call it). OpenURL answers at once. Bodies are handed out unchanged, as text and as
// bytes.
struct FakeInet : Inet {
    struct Answer {
        std::string header = "HTTP/1.1 200 OK\r\n";  // the whole header; "\r\n" for no response
        std::map<std::string, std::string> fields;   // header values by name
        std::string body;
        int state = kStateResponseCompleted;  // what the finished request reports
        int code = 0;                         // ResponseCode and ResponseInfo
        std::string info;

        // An answer with the status line "HTTP/1.1 <status> X"; status 0 is no response at all.
        static Answer with_status(int status, std::string body) {
            Answer a;
            a.header = status ? "HTTP/1.1 " + std::to_string(status) + " X\r\n" : "\r\n";
            a.body = std::move(body);
            return a;
        }
        // The status number of the header; 0 when there is none.
        int status() const {
            return header.size() >= 12 ? std::atoi(header.substr(9, 3).c_str()) : 0;
        }
    };
    // A server of `served` only: any other address is not found.
    static FakeInet serving() {
        FakeInet net;
        net.otherwise = Answer::with_status(404, "Not Found");
        return net;
    }

    std::string OpenURL(const std::string& address) override {
        asked.push_back(address);
        if (during_open) during_open();
        const Answer a = next(address);
        open_status_ = a.status();
        return a.body;
    }
    int OpenURLStatus() const override { return open_status_; }
    void set_URL(const std::string& address) override { url = address; }
    std::string URL() const override { return url; }
    void Execute(const std::string& address, const std::string& operation) override {
        asked.push_back(address.empty() ? url : address);
        requests.push_back(operation);
        current_ = next(asked.back());
        pos_ = 0;
        executing_ = on_tick || polls > 0;
        polls_left_ = polls;
    }
    // Holds the headers only, as the real component does.
    void ExecuteHeaders(const std::string& address) override {
        Execute(address, "GET");
        requests.back() = "headers";
        current_.body.clear();
    }
    bool StillExecuting() const override {
        if (executing_ && !on_tick && polls_left_-- <= 0) executing_ = false;
        return executing_;
    }
    std::string GetHeader() const override { return current_.header; }
    std::string GetHeader(const std::string& name) const override {
        const auto it = current_.fields.find(name);
        return it == current_.fields.end() ? std::string() : it->second;
    }
    std::string GetChunkText(std::size_t max_bytes) override {
        const std::size_t n = std::min(max_bytes, current_.body.size() - pos_);
        std::string out = current_.body.substr(pos_, n);
        pos_ += n;
        return out;
    }
    std::size_t GetChunkBytes(std::span<std::uint8_t> out) override {
        const std::string piece = GetChunkText(out.size());
        std::copy(piece.begin(), piece.end(), out.begin());
        return piece.size();
    }
    int ResponseCode() const override { return current_.code; }
    std::string ResponseInfo() const override { return current_.info; }
    void Cancel() override {
        ++cancels;
        executing_ = false;
    }
    // One round of window events: a request that waits for it finishes and reports its state.
    void tick() {
        if (!executing_ || !on_tick) return;
        executing_ = false;
        if (on_state_changed) on_state_changed(current_.state);
    }

    std::deque<Answer> script;
    std::map<std::string, std::string> served;
    Answer otherwise;
    int polls = 0;
    bool on_tick = false;
    // Runs inside OpenURL, before the answer is given.
    std::function<void()> during_open;

    std::string url;
    std::vector<std::string> asked;  // the address of every request, OpenURL's included
    std::vector<std::string>
        requests;  // the operation of each Execute; "headers" for the short one
    int cancels = 0;

private:
    Answer next(const std::string& address) {
        if (!script.empty()) {
            Answer a = std::move(script.front());
            script.pop_front();
            return a;
        }
        const auto it = served.find(address);
        if (it == served.end()) return otherwise;
        Answer a;
        a.body = it->second;
        return a;
    }

    Answer current_ = Answer::with_status(0, {});
    std::size_t pos_ = 0;
    mutable bool executing_ = false;
    mutable int polls_left_ = 0;
    int open_status_ = 0;
};

}  // namespace presslane
