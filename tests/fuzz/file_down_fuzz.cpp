// Any header text, Content-Length and body as the answers the download control gets (its header
// request, then its body request). Whatever arrives, the control ends with exactly one of
// OnComplete and OnError; it completes only on two "200" answers and a body as long as its
// Content-Length, and then the file holds the body byte for byte; after an error no file is left
// at DownPath.
//
// Input: header text of the header request, NUL, its Content-Length, NUL, header text of the body
// request, NUL, the body.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_inet.h"
#include "fakes/temp_dir.h"
#include "filedown/file_down.h"
#include "fuzz_support.h"

using namespace presslane;

namespace {

bool is_200(const std::string& header) {
    return header.size() >= 12 && header.compare(9, 3, "200") == 0;
}

// The Content-Length as a number when it is only digits between blanks and fits the control's
// 32-bit sizes.
std::optional<std::int64_t> length_of(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.size() > 10 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const std::int64_t n = std::stoll(std::string(text));
    if (n > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    const auto part = fuzz::parts(fuzz::text_of(data, size), 4);
    const std::string path = folder.path() / "temp_file.exe";
    std::filesystem::remove(path);

    FakeInet::Answer head;
    head.header = std::string(part[0]);
    head.fields["Content-length"] = std::string(part[1]);
    FakeInet::Answer body = head;
    body.header = std::string(part[2]);
    body.body = std::string(part[3]);

    auto owned = std::make_unique<FakeInet>();
    FakeInet& inet = *owned;
    inet.on_tick = true;
    inet.script = {head, body};
    FakeClock clock;
    FakeEventPump pump(clock);
    pump.on_event = [&] { inet.tick(); };
    FileDown control(std::move(owned), pump);
    control.set_URL("http://server.test/soft/lane_desk/upgrade/lane_desk.exe");
    control.set_DownPath(path);
    int completed = 0;
    int failed = 0;
    control.events.OnComplete = [&](std::int32_t) { ++completed; };
    control.events.OnError = [&](std::int16_t, const std::string&) { ++failed; };

    control.FileDownload();
    for (int round = 0; round < 4 && completed + failed == 0; ++round) pump.process_pending();

    fuzz::require(completed + failed == 1, "a download ends with one outcome");
    if (completed) {
        fuzz::require(is_200(head.header) && is_200(body.header), "only a 200 answer completes");
        fuzz::require(fuzz::file_bytes(path) == body.body, "a completed file holds the body");
        const auto length = length_of(part[1]);
        fuzz::require(!length || std::int64_t(body.body.size()) >= *length,
                      "a body cut short never completes");
    } else {
        fuzz::require(!std::filesystem::exists(path), "a failed download leaves no file");
    }
    fuzz::require(!control.Working() && !control.Busy(), "the control is free again");
    return 0;
}
