#include "common/cp949.h"

#include <algorithm>
#include <cstdint>

namespace presslane::cp949 {

std::size_t whole_prefix(std::string_view bytes, std::size_t max_bytes) {
    const std::size_t limit = std::min(bytes.size(), max_bytes);
    std::size_t i = 0;
    while (i < limit) {
        const auto c = static_cast<std::uint8_t>(bytes[i]);
        const std::size_t n = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
        if (i + n > limit) break;
        i += n;
    }
    // A lone lead byte at the very end of the body, or a chunk of one byte, still advances.
    return (i == 0 && limit > 0) ? 1 : i;
}

}  // namespace presslane::cp949
