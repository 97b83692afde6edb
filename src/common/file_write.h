#pragma once

#include <filesystem>
#include <string>

namespace presslane {

// Replaces the file's contents with these bytes as one step: they are written and flushed to a
// scratch file beside it, which is then renamed over it. A crash or a full disk leaves the old
// file or the new one, never a part of either. False (and the file untouched) on any failure.
bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes);

// Adds the bytes at the end of the file, creating it when it is missing; false on any failure
// (a short write may leave part of the bytes).
bool append_to_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace presslane
