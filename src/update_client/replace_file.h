#pragma once

#include <filesystem>

namespace presslane {

// Puts a downloaded program in place of the installed one: marks it executable (where files have
// such a mark), flushes it to disk, then renames it over the target in one step that is itself
// made durable, so the folder holds either the old program or the new one and never neither. Both
// paths must lie in the same folder. False (and the target untouched) when the downloaded file is
// missing or the rename fails.
bool replace_file(const std::filesystem::path& downloaded, const std::filesystem::path& target);

}  // namespace presslane
