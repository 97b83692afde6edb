// Any text as the saved geometry line: parsing never fails badly, a parsed frame written back
// parses to the same frame, and start-up gets either the saved frame within its limits or the
// default or repair frame.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "shell/geometry.h"

using namespace presslane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(fuzz::text_of(data, size));
    if (const auto frame = geometry::parse(line)) {
        const auto again = geometry::parse(geometry::format(*frame));
        fuzz::require(again && again->left == frame->left && again->top == frame->top &&
                          again->width == frame->width && again->height == frame->height,
                      "a saved frame reads back the same");
    }
    const Size screen{19200, 15360};
    const Size work{19200, 14760};
    const Rect r = geometry::restore(line, work, screen);
    const bool fallback = r.left == 3200 && r.top == 0 && r.width == work.width - 3200 &&
                          (r.height == work.height || r.height == work.height - 380);
    const bool within = r.left >= -180 && r.left <= screen.width && r.top >= -180 &&
                        r.top <= screen.height && r.width >= 1905 && r.height >= 510;
    fuzz::require(fallback || within, "start-up gets a frame within the screen's limits");
    return 0;
}
