#include <cstring>
#include <fstream>
#include <optional>

#include <elf.h>

#include "update_client/native_executable.h"

namespace presslane {
namespace {

std::optional<Elf64_Ehdr> elf_header(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    // Elf64_Ehdr is the larger header; its first fields lie where those of Elf32_Ehdr do.
    Elf64_Ehdr header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header)) return std::nullopt;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return std::nullopt;
    return header;
}

}  // namespace

bool is_native_executable(const std::filesystem::path& file) {
    static const std::optional<Elf64_Ehdr> own = elf_header("/proc/self/exe");
    const std::optional<Elf64_Ehdr> other = elf_header(file);
    if (!own || !other) return false;
    return other->e_ident[EI_CLASS] == own->e_ident[EI_CLASS] &&
           other->e_ident[EI_DATA] == own->e_ident[EI_DATA] && other->e_machine == own->e_machine &&
           (other->e_type == ET_EXEC || other->e_type == ET_DYN);
}

}  // namespace presslane
