// Every writer of the record files and the start-up entry on a disk that is full and on a folder
// that is read-only: the writer does not crash, the old file stays as it was, and where the
// program tells the user of a failed save or deletion, the user is told.

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/dialogs.h"
#include "crash/record_writers.h"
#include "fakes/file_size_limit.h"
#include "fakes/temp_dir.h"

namespace presslane::crash {
namespace {
namespace fs = std::filesystem;

enum class Fault { FullDisk, ReadOnly };

// Exit code of a child that could not make the folder read-only.
constexpr int kNoReadOnly = 77;

// Sets the rights of the folder and of everything in it: `dirs` on folders, `files` on files.
bool set_rights(const fs::path& folder, mode_t dirs, mode_t files) {
    bool ok = ::chmod(folder.c_str(), dirs) == 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        ok = ::chmod(entry.path().c_str(), entry.is_directory() ? dirs : files) == 0 && ok;
    return ok;
}

bool make_read_only(const fs::path& folder) {
    // Rights are enough for anyone but root.
    if (::geteuid() != 0) return set_rights(folder, 0555, 0444);
    // Root writes through rights: the folder is bound read-only onto itself, in a mount namespace
    // of this process alone.
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND | MS_REC, nullptr) == 0 &&
           ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

struct Outcome {
    bool crashed = false;
    bool no_read_only = false;
    std::vector<FakeDialogs::Box> boxes;
};

// Runs one step of the writer under the fault, in a child process so that a crash shows as one
// and the fault ends with it; the boxes shown come back through a pipe.
Outcome run_step_under(Fault fault, const WriterKind& kind, std::size_t step,
                       const fs::path& folder) {
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) std::abort();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipe_fds[0]);
        const auto writer = kind.make(folder);
        if (fault == Fault::ReadOnly) {
            if (!make_read_only(folder)) ::_exit(kNoReadOnly);
            writer->step(step);
        } else {
            FileSizeLimit full(0);
            writer->step(step);
        }
        std::string report;
        for (const auto& box : writer->dialogs.boxes)
            report += box.text + '\x1f' + box.title + '\x1f' + (box.question ? "?" : "") + '\x1e';
        if (::write(pipe_fds[1], report.data(), report.size()) < 0) ::_exit(3);
        ::_exit(0);
    }
    ::close(pipe_fds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (fault == Fault::ReadOnly && ::geteuid() != 0) set_rights(folder, 0755, 0644);
    Outcome out;
    out.crashed =
        !WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != kNoReadOnly);
    out.no_read_only = WIFEXITED(status) && WEXITSTATUS(status) == kNoReadOnly;
    for (std::size_t start = 0; start < report.size();) {
        const std::size_t end = report.find('\x1e', start);
        const std::string one = report.substr(start, end - start);
        const std::size_t a = one.find('\x1f'), b = one.find('\x1f', a + 1);
        out.boxes.push_back(
            {one.substr(0, a), one.substr(a + 1, b - a - 1), one.substr(b + 1) == "?"});
        start = end + 1;
    }
    return out;
}

void check_every_writer(Fault fault) {
    int faulted = 0;
    for (const WriterKind& kind : writer_kinds()) {
        // An appending writer is tried on its first record and on one more.
        const std::size_t steps = kind.appends ? 2 : kind.steps.size();
        for (std::size_t i = 0; i < steps; ++i) {
            const Step& step = kind.steps[kind.appends ? 0 : i];
            SCOPED_TRACE(std::string(kind.name) + ": " + step.name);
            TempDir dir;
            const fs::path file = dir.path() / kind.file;
            fs::create_directories(file.parent_path());
            set_file_state(file, kind.initial);
            for (std::size_t before = 0; before < i; ++before) kind.make(dir.path())->step(before);
            const FileState old = file_state(file);

            if (fault == Fault::FullDisk) {
                // A step that leaves no bytes needs no room: deleting works on a full disk.
                TempDir free_disk;
                fs::copy(dir.path(), free_disk.path(), fs::copy_options::recursive);
                kind.make(free_disk.path())->step(i);
                const FileState fresh = file_state(free_disk.path() / kind.file);
                if (!fresh || fresh->empty()) continue;
            }
            const Outcome outcome = run_step_under(fault, kind, i, dir.path());
            if (outcome.no_read_only) GTEST_SKIP() << "no read-only folder can be made here";
            ++faulted;
            EXPECT_FALSE(outcome.crashed);
            EXPECT_EQ(file_state(file), old);
            if (step.failure_text) {
                ASSERT_FALSE(outcome.boxes.empty());
                EXPECT_EQ(outcome.boxes.back().text, step.failure_text);
                EXPECT_EQ(outcome.boxes.back().title, kFileErrorTitle);
            }
        }
    }
    EXPECT_GT(faulted, 20);
}

TEST(WriteFaults, FullDiskKeepsEveryOldFileAndTellsTheUser) { check_every_writer(Fault::FullDisk); }

TEST(WriteFaults, ReadOnlyFolderKeepsEveryOldFileAndTellsTheUser) {
    check_every_writer(Fault::ReadOnly);
}

}  // namespace
}  // namespace presslane::crash
