#include <windows.h>

#include "update_client/replace_file.h"

namespace presslane {

bool replace_file(const std::filesystem::path& downloaded, const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(downloaded, ec)) return false;
    // The bytes reach the disk before the name does: after a power cut the folder holds the old
    // program or the whole new one, never a name for bytes that were not written.
    const HANDLE file = CreateFileW(downloaded.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    if (!flushed) return false;
    // One step that replaces the target and returns only once the new name is on the disk; a
    // program still running from the target makes it fail and leaves the target as it was.
    return MoveFileExW(downloaded.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace presslane
