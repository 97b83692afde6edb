#pragma once

#include <filesystem>
#include <string>

namespace presslane {

// Replaces the file's contents with these bytes as one step: they are written and flushed to a
// scratch file beside it, which is then renamed over it. A crash or a full disk leaves the old
// file or the new one, never a part of either. False (and the file untouched) on any failure.
bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes);

// Adds the bytes at the end of the file as lines of their own: when its last line lacks its line
// end, CR LF (or the LF after a lone CR) is written first. A missing file is created whole through
// a scratch file, so a crash never leaves it empty. False on any failure, and then the file is as
// it was: a short write (a full disk) is cut off again and a file this call created is removed.
bool append_to_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace presslane
