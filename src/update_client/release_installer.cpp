#include "update_client/release_installer.h"

#include <array>

#include "common/event_pump.h"
#include "filedown/inet.h"
#include "update_client/native_executable.h"
#include "update_client/replace_file.h"

namespace presslane {
namespace {

// How long the signature wait sleeps between two looks at the request when no event arrives.
constexpr double kPollSeconds = 0.05;

std::string file_name_of(const std::string& address) {
    const std::size_t end = address.find_first_of("?#");
    const std::string path = address.substr(0, end);
    return path.substr(path.rfind('/') + 1);
}

void remove_file(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

}  // namespace

ReleaseInstaller::ReleaseInstaller(Inet& net, EventPump& pump, ReleaseSignature signature)
    : net_(net), pump_(pump), signature_(std::move(signature)) {}

ReleaseInstaller::Outcome ReleaseInstaller::install(const std::string& address,
                                                    const std::filesystem::path& downloaded,
                                                    const std::filesystem::path& target) {
    const auto refuse = [&](Outcome outcome) {
        remove_file(downloaded);
        return outcome;
    };
    if (!is_native_executable(downloaded)) return refuse(Outcome::kNotExecutable);
    const std::optional<std::string> signature = fetch_signature(address);
    if (!signature) return refuse(Outcome::kNoSignature);
    if (signature_.verify(downloaded, *signature, file_name_of(address)) !=
        ReleaseSignature::Verdict::kValid)
        return refuse(Outcome::kBadSignature);
    if (!replace_file(downloaded, target)) return refuse(Outcome::kNotReplaced);
    return Outcome::kInstalled;
}

std::string ReleaseInstaller::message(Outcome outcome) {
    switch (outcome) {
        case Outcome::kInstalled:
            return {};
        case Outcome::kNotExecutable:
            return "받은 파일이 실행 파일이 아니어서 설치하지 않았습니다.";
        case Outcome::kNoSignature:
            return "서명 파일을 받을 수 없어 설치하지 않았습니다.";
        case Outcome::kBadSignature:
            return "서명이 올바르지 않아 설치하지 않았습니다.";
        case Outcome::kNotReplaced:
            return "기존 파일을 바꾸지 못해 설치하지 않았습니다.";
    }
    return {};
}

std::optional<std::string> ReleaseInstaller::fetch_signature(const std::string& address) {
    net_.Execute(address + ".minisig", "GET");
    while (net_.StillExecuting()) {
        pump_.process_pending();
        if (!net_.StillExecuting()) break;
        pump_.wait_for_events(kPollSeconds);
    }
    const std::string header = net_.GetHeader();
    if (header.size() < 12 || header.substr(9, 3) != "200") return std::nullopt;
    std::string text;
    std::array<std::uint8_t, 1024> chunk;
    for (;;) {
        const std::size_t got = net_.GetChunkBytes(chunk);
        if (got == 0) break;
        text.append(chunk.begin(), chunk.begin() + got);
        if (text.size() > kMaxSignatureBytes) return std::nullopt;
    }
    return text;
}

}  // namespace presslane
