#pragma once

#include <csignal>

#include <sys/resource.h>

namespace presslane {

// A full disk for this process while it lives: no file may grow past `bytes`. A write beyond it
// fails (EFBIG) instead of raising SIGXFSZ, as a write to a full disk fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = SIG_DFL;
};

}  // namespace presslane
