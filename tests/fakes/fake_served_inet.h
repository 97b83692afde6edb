#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "filedown/inet.h"

namespace presslane {

// A transfer component that answers every request at once from a table of addresses: 200 with
// the body when the address is served, 404 otherwise.
struct FakeServedInet : Inet {
    std::string OpenURL(const std::string&) override { return {}; }
    int OpenURLStatus() const override { return 0; }
    void set_URL(const std::string& a) override { url = a; }
    std::string URL() const override { return url; }
    void Execute(const std::string& address, const std::string&) override {
        asked.push_back(address);
        const auto it = served.find(address);
        found = it != served.end();
        body = found ? it->second : "Not Found";
        pos = 0;
    }
    void ExecuteHeaders(const std::string& address) override { Execute(address, "GET"); }
    bool StillExecuting() const override { return false; }
    std::string GetHeader() const override {
        return found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
    }
    std::string GetHeader(const std::string&) const override { return {}; }
    std::string GetChunkText(std::size_t) override { return {}; }
    std::vector<std::uint8_t> GetChunkBytes(std::size_t max) override {
        const std::size_t n = std::min(max, body.size() - pos);
        std::vector<std::uint8_t> out(body.begin() + long(pos), body.begin() + long(pos + n));
        pos += n;
        return out;
    }
    int ResponseCode() const override { return 0; }
    std::string ResponseInfo() const override { return {}; }
    void Cancel() override {}

    std::map<std::string, std::string> served;
    std::vector<std::string> asked;
    std::string url, body;
    std::size_t pos = 0;
    bool found = false;
};

}  // namespace presslane
