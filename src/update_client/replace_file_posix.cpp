#include "update_client/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace presslane {
namespace {

bool sync_path(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

}  // namespace

bool replace_file(const std::filesystem::path& downloaded, const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(downloaded, ec)) return false;
    fs::permissions(downloaded,
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec |
                        fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
    if (ec) return false;
    // The bytes reach the disk before the name does: after a power cut the folder holds the old
    // program or the whole new one, never a name for bytes that were not written.
    if (!sync_path(downloaded, O_RDONLY)) return false;
    // rename replaces an existing target atomically; a running program keeps its old file.
    fs::rename(downloaded, target, ec);
    if (ec) return false;
    // The new name is made durable too; the program is in place whether or not this succeeds.
    const fs::path folder = target.parent_path();
    sync_path(folder.empty() ? fs::path(".") : folder, O_RDONLY | O_DIRECTORY);
    return true;
}

}  // namespace presslane
