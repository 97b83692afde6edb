// Any text as the published version, under any status: only a 200 answer that begins with a
// number greater than the program's own offers the upgrade, and the question is asked only then.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_inet.h"
#include "fuzz_support.h"
#include "update_client/version_check.h"

using namespace presslane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string published(fuzz::text_of(data, size));
    const double number = leading_number(published);
    fuzz::require(number >= 0 && !std::isnan(number), "a version is a number of at least 0");

    const std::size_t first = published.find_first_not_of(' ');
    const bool begins_with_digit =
        first != std::string::npos && published[first] >= '0' && published[first] <= '9';
    for (const int status : {200, 404, 500, 0}) {
        FakeInet inet;
        inet.otherwise = FakeInet::Answer::with_status(status, published);
        FakeDialogs dialogs;
        int shown = 0;
        VersionCheck check(inet, dialogs, "4.47", "http://server.test/version.txt",
                           [&] { ++shown; });
        check.CheckForUpdate();
        const bool offered = status == 200 && begins_with_digit && number > leading_number("4.47");
        fuzz::require(shown == (offered ? 1 : 0),
                      "the update window opens only for a higher version");
        fuzz::require(dialogs.boxes.size() == (offered ? 1u : 0u),
                      "the question is asked only then");
        fuzz::require(!check.running(), "a check ends");
    }
    return 0;
}
