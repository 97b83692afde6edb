#include "common/file_write.h"

#include <cerrno>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace presslane {
namespace {

bool write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the bytes to a new file of that name and flushes them to disk. Whatever had the name is
// unlinked first, never truncated: a scratch file a crash left behind may be a second name of the
// file it was to create.
bool write_synced(const std::filesystem::path& file, const std::string& bytes) {
    ::unlink(file.c_str());
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

std::filesystem::path scratch_of(const std::filesystem::path& path) {
    std::filesystem::path scratch = path;
    scratch += ".new";
    return scratch;
}

// Creates the file with these bytes as one step: they are written to a scratch file that is then
// linked under the file's name, which fails when a file of that name has appeared meanwhile. A
// crash never leaves the file empty or part-written. True when created, false when not (errno
// EEXIST: the file exists now); nothing when this file system cannot link.
std::optional<bool> create_whole(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path scratch = scratch_of(path);
    std::optional<bool> created = false;
    if (write_synced(scratch, bytes)) {
        if (::link(scratch.c_str(), path.c_str()) == 0) {
            created = true;
        } else if (errno != EEXIST) {
            created = std::nullopt;
        }
    }
    ::unlink(scratch.c_str());
    return created;
}

}  // namespace

bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path scratch = scratch_of(path);
    const bool ok = write_synced(scratch, bytes) && std::rename(scratch.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(scratch.c_str());
    return ok;
}

bool append_to_file(const std::filesystem::path& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    bool created = false;
    if (fd < 0 && errno == ENOENT) {
        // A file created empty and filled afterwards would be left empty by a crash in between.
        if (const std::optional<bool> whole = create_whole(path, bytes)) {
            if (*whole) return true;
            // A file of that name appeared meanwhile (or the scratch could not be written, and
            // then there is none).
            fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
        } else {
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
            created = fd >= 0;
        }
    }
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    const off_t old_size = ok ? st.st_size : 0;
    std::string head;
    if (ok && old_size > 0) {
        char last = 0;
        ok = ::pread(fd, &last, 1, old_size - 1) == 1;
        if (last == '\r')
            head = "\n";
        else if (last != '\n')
            head = "\r\n";
    }
    ok = ok && write_all(fd, head + bytes) && ::fsync(fd) == 0;
    if (!ok) {
        if (created) {
            ::unlink(path.c_str());
        } else if (::ftruncate(fd, old_size) == 0) {
            ::fsync(fd);
        }
    }
    return (::close(fd) == 0) && ok;
}

}  // namespace presslane
