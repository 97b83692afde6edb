// Kills writers of the program's files with SIGKILL at random moments and checks what they leave:
//
//   crash_injection records [ROUNDS]   every writer of the record files and the start-up entry
//   crash_injection update [ROUNDS]    the updater putting a new program in place
//
// Each round forks a child that runs one writer's steps over and over through the program's own
// code, kills it after a random number of microseconds and looks at the file: it must hold exactly
// one of the contents the writer produces (or be missing where that is one of its states), and the
// program's own reader must read it as it reads that content. After a kill in an appending writer,
// the next append must land as a line of its own. The counts are printed; any file lost or damaged
// fails the run. SEED=n in the environment repeats a run.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "crash/record_writers.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_inet.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "filedown/file_down.h"
#include "unit/minisign_tool.h"
#include "update_client/release_installer.h"
#include "updater/updater_controller.h"

namespace presslane::crash {
namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Counts {
    long kills = 0;
    long checked = 0;
    long damaged = 0;
    long scratch_left = 0;
};

std::mt19937_64& random_engine() {
    static std::mt19937_64 engine = [] {
        const char* seed = std::getenv("SEED");
        const unsigned long long s =
            seed ? std::strtoull(seed, nullptr, 10) : std::random_device{}();
        std::cout << "seed " << s << "\n";
        return std::mt19937_64(s);
    }();
    return engine;
}

// Runs `work` in a child process, kills the child with SIGKILL after a random delay of up to
// `max_delay_us` microseconds and waits for it.
template <typename Work>
void run_and_kill(long max_delay_us, Work work) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        try {
            work();
        } catch (...) {
        }
        // A writer that ends by itself waits for its kill like the others.
        for (;;) ::pause();
    }
    std::uniform_int_distribution<long> delay(0, max_delay_us);
    ::usleep(static_cast<useconds_t>(delay(random_engine())));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

std::string shown(const FileState& state) {
    if (!state) return "(missing)";
    std::string out;
    for (unsigned char c : *state) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return "\"" + out + "\" (" + std::to_string(state->size()) + " bytes)";
}

// Scratch files a killed writer may leave in the folder: they are no damage, but are counted.
long scratch_files(const fs::path& folder) {
    long n = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".new") || name == "radiobook_backup.res" || name == "temp_file.exe")
            ++n;
    }
    return n;
}

void clear_folder(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

struct Reference {
    FileState state;
    std::string read;
};

// The states the writer goes through, from a run without kills, and how long its steps took.
std::vector<Reference> reference_run(const WriterKind& kind, const fs::path& base,
                                     std::size_t count, long& took_us) {
    TempDir dir(base);
    const fs::path file = dir.path() / kind.file;
    fs::create_directories(file.parent_path());
    set_file_state(file, kind.initial);
    const auto writer = kind.make(dir.path());
    std::vector<Reference> states{{kind.initial, writer->read()}};
    took_us = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const auto start = Clock::now();
        writer->step(kind.appends ? n : n % kind.steps.size());
        took_us +=
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
        states.push_back({file_state(file), writer->read()});
        // A step that changes nothing would make its kills prove nothing.
        if (n < kind.steps.size() && states[n + 1].state == states[n].state) {
            std::cout << kind.name << ": step " << n << " leaves the file as it was\n";
            std::exit(1);
        }
    }
    return states;
}

// The folders the writers run in: the temporary folder, on a disk, and a memory file system when
// there is one. Without waits for the disk a step is short, so more kills land inside its writes.
std::vector<fs::path> work_bases() {
    std::vector<fs::path> bases{fs::temp_directory_path()};
    if (::access("/dev/shm", W_OK) == 0) bases.push_back("/dev/shm");
    return bases;
}

Counts kill_rounds(const WriterKind& kind, const fs::path& base, long rounds) {
    // An appending writer adds this many records in a round; a cycle runs twice in the reference.
    constexpr std::size_t kAppends = 16;
    const std::size_t count = kind.appends ? kAppends : 2 * kind.steps.size();
    long took_us = 0;
    const std::vector<Reference> states = reference_run(kind, base, count, took_us);
    // Kills land anywhere in the first half of the reference run (one cycle, or the first half of
    // the appends), and in the child's start.
    const long max_delay_us = took_us / 2 + 300;
    Counts counts;
    TempDir work(base);
    const fs::path file = work.path() / kind.file;
    for (long round = 0; round < rounds; ++round) {
        clear_folder(work.path());
        fs::create_directories(file.parent_path());
        set_file_state(file, kind.initial);
        run_and_kill(max_delay_us, [&] {
            const auto writer = kind.make(work.path());
            for (std::size_t n = 0; !kind.appends || n < count; ++n)
                writer->step(kind.appends ? n : n % kind.steps.size());
        });
        ++counts.kills;
        counts.scratch_left += scratch_files(work.path());

        const FileState left = file_state(file);
        std::size_t k = 0;
        while (k < states.size() && states[k].state != left) ++k;
        ++counts.checked;
        if (k == states.size()) {
            ++counts.damaged;
            std::cout << "DAMAGED " << kind.name << " round " << round << ": " << shown(left)
                      << "\n";
            continue;
        }
        if (const std::string read = kind.make(work.path())->read(); read != states[k].read) {
            ++counts.damaged;
            std::cout << "MISREAD " << kind.name << " round " << round << ": " << read << "\n";
            continue;
        }
        // The record being added when the kill came is either whole or absent; the next one
        // starts a line of its own after either.
        if (kind.appends && k + 1 < states.size()) {
            kind.make(work.path())->step(k);
            ++counts.checked;
            if (file_state(file) != states[k + 1].state) {
                ++counts.damaged;
                std::cout << "NEXT APPEND " << kind.name << " round " << round << ": "
                          << shown(file_state(file)) << "\n";
            }
        }
    }
    std::cout << "  " << kind.name << " in " << base.string() << ": " << counts.kills << " kills, "
              << counts.checked << " checks, " << counts.damaged << " damaged, "
              << counts.scratch_left << " scratch files left (delay up to " << max_delay_us
              << " us)\n";
    return counts;
}

void records(long rounds_per_writer, Counts& total) {
    const std::vector<fs::path> bases = work_bases();
    for (const WriterKind& kind : writer_kinds()) {
        for (std::size_t b = 0; b < bases.size(); ++b) {
            // The rounds are shared out between the folders.
            const long rounds = (rounds_per_writer + static_cast<long>(bases.size() - 1 - b)) /
                                static_cast<long>(bases.size());
            const Counts counts = kill_rounds(kind, bases[b], rounds);
            total.kills += counts.kills;
            total.checked += counts.checked;
            total.damaged += counts.damaged;
            total.scratch_left += counts.scratch_left;
        }
    }
}

// Top-level windows: none to close.
struct NoWindows : WindowCloser {
    std::vector<Window> top_level_windows() override { return {}; }
    std::string title(Window) override { return {}; }
    void send_close(Window) override {}
};

constexpr char kProgramUrl[] = "http://127.0.0.1/soft/lane_desk/upgrade/lane_desk.exe";

struct Release {
    std::string bytes;
    std::string signature;
};

// One run of the updater as the program's updater window runs it: close the main program, download
// the release with the real download control, check its signature and put it in place.
void run_updater(const fs::path& folder, const Release& release, const std::string& public_key) {
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeDialogs dialogs;
    FakeShell shell;
    NoWindows windows;
    FakeControls<DownloadControl> form;
    FakeProgressBar bar;
    auto net = std::make_unique<FakeInet>(FakeInet::serving());
    net->on_tick = true;
    net->served[kProgramUrl] = release.bytes;
    FakeInet* transfer = net.get();
    FileDown down(std::move(net), pump);
    pump.on_event = [transfer] { transfer->tick(); };
    FakeInet signatures = FakeInet::serving();
    signatures.served[std::string(kProgramUrl) + ".minisig"] = release.signature;
    ReleaseInstaller installer(signatures, pump, ReleaseSignature(public_key));
    UpdaterController updater(form.controls, bar, &down, installer,
                              {pump, clock, shell, dialogs, windows}, folder, kProgramUrl);
    down.events.OnDownload = [&](std::int32_t r, std::int32_t s) {
        updater.FileDown_OnDownload(r, s);
    };
    down.events.OnComplete = [&](std::int32_t s) { updater.FileDown_OnComplete(s); };
    down.events.OnError = [&](std::int16_t c, std::string) { updater.FileDown_OnError(c); };
    dialogs.answers = {false};
    try {
        updater.Form_Load();
    } catch (const ProcessEnded&) {
    }
}

std::string bytes_of(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// True when the file is executable and runs to success.
bool runs(const fs::path& program) {
    struct stat st {};
    if (::stat(program.c_str(), &st) != 0 || !(st.st_mode & S_IXUSR)) return false;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void update(long rounds, Counts& total) {
    TempDir keys;
    MinisignTool tool(keys.path());
    const std::string public_key = tool.make_key("release");
    // Two releases of a small program: true(1), and the same with bytes added, which still runs
    // and differs in size, so a file cut short or mixed shows.
    const std::string self = bytes_of("/usr/bin/true");
    std::vector<Release> releases;
    for (const std::string& bytes : {self, self + std::string(256 * 1024, '\x5a')}) {
        const fs::path dir = keys.path() / std::to_string(releases.size());
        fs::create_directories(dir);
        std::ofstream(dir / "lane_desk.exe", std::ios::binary) << bytes;
        releases.push_back({bytes, tool.sign("release", dir / "lane_desk.exe")});
    }

    TempDir work;
    const fs::path program = work.path() / "lane_desk";
    const auto install_old = [&] {
        clear_folder(work.path());
        std::ofstream(program, std::ios::binary) << releases[0].bytes;
        fs::permissions(program, fs::perms::owner_all);
    };
    // The reference: both releases go in place without kills.
    install_old();
    const auto start = Clock::now();
    for (int n = 1; n <= 2; ++n) {
        run_updater(work.path(), releases[n % 2], public_key);
        if (bytes_of(program) != releases[n % 2].bytes || !runs(program)) {
            std::cout << "the updater does not install release " << n % 2 << "\n";
            std::exit(1);
        }
    }
    const long took_us =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();

    Counts counts;
    for (long round = 0; round < rounds; ++round) {
        install_old();
        run_and_kill(took_us + 500, [&] {
            for (std::size_t n = 1;; ++n) run_updater(work.path(), releases[n % 2], public_key);
        });
        ++counts.kills;
        counts.scratch_left += scratch_files(work.path());
        ++counts.checked;
        const std::string left = fs::exists(program) ? bytes_of(program) : "(missing)";
        if ((left != releases[0].bytes && left != releases[1].bytes) || !runs(program)) {
            ++counts.damaged;
            std::cout << "DAMAGED lane_desk round " << round << ": " << left.size() << " bytes\n";
        }
    }
    std::cout << "  lane_desk: " << counts.kills << " kills, " << counts.checked << " checks, "
              << counts.damaged << " damaged, " << counts.scratch_left
              << " scratch files left (delay up to " << took_us + 500 << " us)\n";
    total = counts;
}

}  // namespace
}  // namespace presslane::crash

int main(int argc, char** argv) {
    using namespace presslane::crash;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "records" && mode != "update") {
        std::cerr << "usage: crash_injection records|update [ROUNDS]\n";
        return 2;
    }
    const long rounds = argc > 2 ? std::atol(argv[2]) : (mode == "records" ? 80 : 150);
    Counts total;
    random_engine();
    if (mode == "records") {
        records(rounds, total);
    } else {
        update(rounds, total);
    }
    std::cout << "kills: " << total.kills << "\nfiles checked: " << total.checked
              << "\nfiles lost or damaged: " << total.damaged
              << "\nscratch files left behind: " << total.scratch_left << "\n";
    return total.damaged == 0 ? 0 : 1;
}
