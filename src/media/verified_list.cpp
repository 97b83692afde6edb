#include "media/verified_list.h"

#include <array>

#include "common/event_pump.h"
#include "common/file_write.h"
#include "filedown/inet.h"

namespace presslane {
namespace {

// Only the answer "200 OK" holds the whole list: an error page would show its lines as channels,
// and another success (no content, a partial answer) holds no list or only part of one.
bool status_ok(const std::string& header) {
    return header.size() >= 12 && header.compare(0, 5, "HTTP/") == 0 &&
           header.compare(9, 3, "200") == 0;
}

}  // namespace

void refresh_verified_list(Inet& inet, EventPump& pump, const std::string& address,
                           const std::filesystem::path& file) {
    inet.set_URL(address);
    inet.Execute("", "GET");
    // The component has its own time-out, so this ends even when the server never answers.
    while (inet.StillExecuting()) pump.wait_for_events(0.1);

    // The body is kept byte for byte: it is already in the record files' code page, and a round
    // trip through text would change what does not decode.
    std::string bytes;
    if (status_ok(inet.GetHeader())) {
        std::array<std::uint8_t, 1024> piece;
        for (std::size_t got; (got = inet.GetChunkBytes(piece)) != 0;)
            bytes.append(piece.begin(), piece.begin() + got);
    }
    // Replaced in one step, so a crash or a full disk never leaves a half-written list.
    write_file_atomically(file, bytes + "\r\n");
}

}  // namespace presslane
