#pragma once

#include <filesystem>

namespace presslane {

// True when the file is an executable of the platform this program runs on: of the running
// program's own format (ELF or PE), class, byte order and machine, and a program or a shared
// library rather than an object file.
bool is_native_executable(const std::filesystem::path& file);

}  // namespace presslane
