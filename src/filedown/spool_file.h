#pragma once

#include <cstdint>
#include <filesystem>

namespace presslane {

// A download's scratch file: read and written through a C file descriptor, and gone with the
// process however that ends, so a killed download leaves nothing behind. Where the system allows
// it the file has no name at all; otherwise it is deleted when closed.

// A new, empty scratch file in `folder`; -1 when none can be made.
int open_spool_file(const std::filesystem::path& folder);

// Closes the scratch file, which is then gone.
void close_spool_file(int fd);

// Gives the bytes [offset, offset + length) of the scratch file back to the file system; they
// read as zeros afterwards and the file keeps its size. False, and the bytes kept, where the file
// system cannot.
bool release_spool_range(int fd, std::int64_t offset, std::int64_t length);

}  // namespace presslane
