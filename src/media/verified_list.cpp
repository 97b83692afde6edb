#include "media/verified_list.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "common/cp949.h"
#include "common/event_pump.h"
#include "filedown/inet.h"

namespace presslane {
namespace {

// Only a successful response holds the list; an error page would show its lines as channels.
bool status_ok(const std::string& header) {
    return header.size() >= 12 && header.compare(0, 5, "HTTP/") == 0 && header[9] == '2';
}

// Replaces the file in one step so that a crash never leaves a half-written list.
void store(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path scratch = file;
    scratch += ".new";
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(scratch, ec);
            return;
        }
    }
    std::error_code ec;
    std::filesystem::rename(scratch, file, ec);
    if (ec) std::filesystem::remove(scratch, ec);
}

}  // namespace

void refresh_verified_list(Inet& inet, EventPump& pump, const std::string& address,
                           const std::filesystem::path& file) {
    inet.set_URL(address);
    inet.Execute("", "GET");
    // The component has its own time-out, so this ends even when the server never answers.
    while (inet.StillExecuting()) pump.wait_for_events(0.1);

    std::string text;
    if (status_ok(inet.GetHeader())) {
        for (std::string piece = inet.GetChunkText(1024); !piece.empty();
             piece = inet.GetChunkText(1024)) {
            text += piece;
        }
    }
    store(file, cp949::encode(text) + "\r\n");
}

}  // namespace presslane
