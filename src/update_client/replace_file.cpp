#include "update_client/replace_file.h"

namespace presslane {

bool replace_file(const std::filesystem::path& downloaded, const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(downloaded, ec)) return false;
    fs::permissions(downloaded,
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec |
                        fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
    if (ec) return false;
    // rename replaces an existing target atomically; a running program keeps its old file.
    fs::rename(downloaded, target, ec);
    return !ec;
}

}  // namespace presslane
