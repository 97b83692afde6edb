// Any text as the signature file of a release: the reader never fails badly, and no signature
// passes for a file name its trusted comment does not hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/temp_dir.h"
#include "fuzz_support.h"
#include "update_client/release_signature.h"

using namespace presslane;

namespace {

// A key made for these runs only, and the release file its seeds sign (as "file:lane_desk", and
// one as "file:update"; none names "temp_file.exe").
constexpr char kPublicKey[] = "RWQlX6p1p/RTRYR83NET3W/rOv9tEfSdVfqZlN9OMkVBABxfJoccMaMV";
constexpr char kRelease[] = "lane_desk release 4.48\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    static const std::filesystem::path release = [] {
        const auto path = folder.path() / "lane_desk";
        fuzz::put_file(path, kRelease);
        return path;
    }();
    static const ReleaseSignature signature(kPublicKey);
    const std::string_view text = fuzz::text_of(data, size);

    signature.verify(release, text, "lane_desk");
    fuzz::require(
        signature.verify(release, text, "temp_file.exe") != ReleaseSignature::Verdict::kValid,
        "a signature never passes for another file name");
    return 0;
}
