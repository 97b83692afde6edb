#include "common/file_write.h"

#include <cerrno>
#include <cstdio>

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

}  // namespace

bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path scratch = path;
    scratch += ".new";
    const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(scratch.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(scratch.c_str());
    return ok;
}

bool append_to_file(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    const bool created = fd < 0 && errno == ENOENT;
    const int out =
        created ? ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644) : fd;
    if (out < 0) return false;
    struct stat st {};
    bool ok = ::fstat(out, &st) == 0;
    const off_t old_size = ok ? st.st_size : 0;
    std::string head;
    if (ok && old_size > 0) {
        char last = 0;
        ok = ::pread(out, &last, 1, old_size - 1) == 1;
        if (last == '\r')
            head = "\n";
        else if (last != '\n')
            head = "\r\n";
    }
    ok = ok && write_all(out, head + bytes) && ::fsync(out) == 0;
    if (!ok) {
        if (created) {
            ::unlink(path.c_str());
        } else if (::ftruncate(out, old_size) == 0) {
            ::fsync(out);
        }
    }
    return (::close(out) == 0) && ok;
}

}  // namespace presslane
