#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_inet.h"
#include "fakes/temp_dir.h"
#include "minisign_tool.h"
#include "update_client/native_executable.h"
#include "update_client/release_installer.h"
#include "update_client/release_signature.h"

namespace presslane {
namespace {

namespace fs = std::filesystem;
using Verdict = ReleaseSignature::Verdict;
using Outcome = ReleaseInstaller::Outcome;

std::string read_file(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write_file(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// A small executable of this platform, published under the name the server gives it.
const fs::path kProgram = "/usr/bin/true";

// Each line of a text, by number, replaced.
std::string with_line(const std::string& text, std::size_t n, const std::string& line) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; start < text.size(); ++i) {
        const std::size_t end = text.find('\n', start);
        out += (i == n ? line : text.substr(start, end - start)) + "\n";
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

std::string line_of(const std::string& text, std::size_t n) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

struct SignedRelease : ::testing::Test {
    SignedRelease() {
        fs::create_directory(dir.path() / "served");
        fs::copy_file(kProgram, program);
        release_key = tool.make_key("release");
        stranger_key = tool.make_key("stranger");
        signature = tool.sign("release", program);
    }
    TempDir dir;
    MinisignTool tool{dir.path()};
    fs::path program = dir.path() / "served" / "update.exe";
    std::string release_key, stranger_key, signature;
};

TEST_F(SignedRelease, OnlyTheReleaseKeysSignatureOfTheSameBytesAndNameIsValid) {
    const std::string bytes = read_file(program);
    std::string flipped_file = bytes;
    flipped_file[bytes.size() / 2] ^= 0x01;
    // A character in the middle of the signature line lies in the signature, past the key id.
    std::string sig_line = line_of(signature, 1);
    sig_line[60] = sig_line[60] == 'A' ? 'B' : 'A';
    std::string comment_line = line_of(signature, 2);
    comment_line.replace(comment_line.find("timestamp:") + 10, 1, "9");
    const fs::path renamed = dir.path() / "served" / "lane_desk.exe";
    fs::copy_file(program, renamed);

    struct Case {
        const char* name;
        std::string key;
        std::string file_bytes;
        std::string signature;
        std::string file_name;
        Verdict verdict;
    };
    const std::vector<Case> cases = {
        {"good", release_key, bytes, signature, "update.exe", Verdict::kValid},
        {"good, legacy format", release_key, bytes, tool.sign("release", renamed, true),
         "lane_desk.exe", Verdict::kValid},
        {"wrong key", stranger_key, bytes, signature, "update.exe", Verdict::kOtherKey},
        {"signed by a stranger", release_key, bytes, tool.sign("stranger", program), "update.exe",
         Verdict::kOtherKey},
        {"flipped byte in the file", release_key, flipped_file, signature, "update.exe",
         Verdict::kForged},
        {"flipped byte in the signature", release_key, bytes, with_line(signature, 1, sig_line),
         "update.exe", Verdict::kForged},
        {"trusted comment tampered", release_key, bytes, with_line(signature, 2, comment_line),
         "update.exe", Verdict::kForged},
        {"signature of another release file", release_key, bytes, signature, "lane_desk.exe",
         Verdict::kWrongFile},
        {"truncated signature", release_key, bytes, signature.substr(0, signature.size() / 2),
         "update.exe", Verdict::kMalformed},
        {"signature line cut short", release_key, bytes,
         with_line(signature, 1, sig_line.substr(0, 40)), "update.exe", Verdict::kMalformed},
        {"garbage", release_key, bytes, "<html><body>Not Found</body></html>", "update.exe",
         Verdict::kMalformed},
        {"empty", release_key, bytes, "", "update.exe", Verdict::kMalformed},
        {"unusable key", "not a key", bytes, signature, "update.exe", Verdict::kBadKey},
    };
    const fs::path checked = dir.path() / "temp_file_update.exe";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write_file(checked, c.file_bytes);
        EXPECT_EQ(ReleaseSignature(c.key).verify(checked, c.signature, c.file_name), c.verdict);
    }
    EXPECT_EQ(ReleaseSignature(release_key).verify(dir.path() / "absent", signature, "update.exe"),
              Verdict::kUnreadable);
}

TEST(NativeExecutable, OnlyAnElfProgramOfThisMachine) {
    TempDir dir;
    std::string elf = read_file(kProgram);
    std::string other_machine = elf;
    other_machine[18] ^= 0x7f;  // e_machine
    std::string relocatable = elf;
    relocatable[16] = 1;  // e_type ET_REL
    const std::pair<std::string, bool> cases[] = {
        {elf, true},          {other_machine, false},
        {relocatable, false}, {"<html><body>maintenance</body></html>", false},
        {"", false},          {elf.substr(0, 10), false},
    };
    for (const auto& [bytes, native] : cases) {
        write_file(dir.path() / "f", bytes);
        EXPECT_EQ(is_native_executable(dir.path() / "f"), native) << bytes.substr(0, 12);
    }
}

struct InstallerTest : SignedRelease {
    InstallerTest() {
        write_file(target, "old updater");
        inet.served[address + ".minisig"] = signature;
    }
    Outcome install_bytes(const std::string& bytes) {
        write_file(downloaded, bytes);
        return installer.install(address, downloaded, target);
    }
    const std::string address = "http://127.0.0.1/soft/lane_desk/upgrade/update.exe";
    fs::path downloaded = dir.path() / "temp_file_update.exe";
    fs::path target = dir.path() / "update";
    FakeInet inet = FakeInet::serving();
    FakeClock clock;
    FakeEventPump pump{clock};
    ReleaseInstaller installer{inet, pump, ReleaseSignature(release_key)};
};

TEST_F(InstallerTest, SignedProgramReplacesTheOldOneExecutable) {
    EXPECT_EQ(install_bytes(read_file(program)), Outcome::kInstalled);
    EXPECT_EQ(read_file(target), read_file(program));
    EXPECT_FALSE(fs::exists(downloaded));
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(inet.asked, std::vector<std::string>{address + ".minisig"});
    EXPECT_EQ(ReleaseInstaller::message(Outcome::kInstalled), "");
}

TEST_F(InstallerTest, EveryRefusalDeletesTheDownloadAndKeepsTheOldFile) {
    const std::string good = read_file(program);
    std::string tampered = good;
    tampered[good.size() / 3] ^= 0x20;
    struct Case {
        const char* name;
        std::string bytes;
        std::function<void()> arrange;
        Outcome outcome;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"an HTML page", "<html>maintenance</html>", [] {}, Outcome::kNotExecutable,
         "받은 파일이 실행 파일이 아니어서 설치하지 않았습니다."},
        {"an empty body", "", [] {}, Outcome::kNotExecutable,
         "받은 파일이 실행 파일이 아니어서 설치하지 않았습니다."},
        {"no signature", good, [&] { inet.served.clear(); }, Outcome::kNoSignature,
         "서명 파일을 받을 수 없어 설치하지 않았습니다."},
        {"a signature too large to be one", good,
         [&] { inet.served[address + ".minisig"] = std::string(5000, 'x'); }, Outcome::kNoSignature,
         "서명 파일을 받을 수 없어 설치하지 않았습니다."},
        {"bytes that are not the signed ones", tampered, [] {}, Outcome::kBadSignature,
         "서명이 올바르지 않아 설치하지 않았습니다."},
        {"a stranger's signature", good,
         [&] { inet.served[address + ".minisig"] = tool.sign("stranger", program); },
         Outcome::kBadSignature, "서명이 올바르지 않아 설치하지 않았습니다."},
        {"a folder where the program should be", good,
         [&] {
             fs::remove(target);
             fs::create_directories(target / "inside");
         },
         Outcome::kNotReplaced, "기존 파일을 바꾸지 못해 설치하지 않았습니다."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        inet.served = {{address + ".minisig", signature}};
        c.arrange();
        EXPECT_EQ(install_bytes(c.bytes), c.outcome);
        EXPECT_EQ(ReleaseInstaller::message(c.outcome), c.message);
        EXPECT_FALSE(fs::exists(downloaded));
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(read_file(target), "old updater");
        }
    }
    // A page that is no program costs no signature request.
    inet.asked.clear();
    install_bytes("<html>");
    EXPECT_TRUE(inet.asked.empty());
}

}  // namespace
}  // namespace presslane
