#include <fcntl.h>
#include <linux/falloc.h>
#include <stdlib.h>
#include <unistd.h>

#include "filedown/spool_file.h"

namespace presslane {

int open_spool_file(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::string name = (folder / "presslane-XXXXXX").string();
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) ::unlink(name.c_str());
    }
    return fd;
}

void close_spool_file(int fd) { ::close(fd); }

bool release_spool_range(int fd, std::int64_t offset, std::int64_t length) {
    return ::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, offset, length) == 0;
}

}  // namespace presslane
