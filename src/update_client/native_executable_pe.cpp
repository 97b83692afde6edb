#include <windows.h>

#include <cstdint>
#include <fstream>
#include <optional>

#include "update_client/native_executable.h"

namespace presslane {
namespace {

// What decides whether a PE image runs here: the machine it was built for and its flags.
struct PeHeader {
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
};

std::optional<PeHeader> pe_header(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    IMAGE_DOS_HEADER dos{};
    if (!in.read(reinterpret_cast<char*>(&dos), sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
        dos.e_lfanew <= 0)
        return std::nullopt;
    DWORD signature = 0;
    IMAGE_FILE_HEADER header{};
    if (!in.seekg(dos.e_lfanew) ||
        !in.read(reinterpret_cast<char*>(&signature), sizeof signature) ||
        signature != IMAGE_NT_SIGNATURE ||
        !in.read(reinterpret_cast<char*>(&header), sizeof header))
        return std::nullopt;
    return PeHeader{header.Machine, header.Characteristics};
}

std::filesystem::path own_program() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

bool is_native_executable(const std::filesystem::path& file) {
    static const std::optional<PeHeader> own = pe_header(own_program());
    const std::optional<PeHeader> other = pe_header(file);
    if (!own || !other) return false;
    return other->machine == own->machine &&
           (other->characteristics & IMAGE_FILE_EXECUTABLE_IMAGE) != 0;
}

}  // namespace presslane
