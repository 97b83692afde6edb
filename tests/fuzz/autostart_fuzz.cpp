// Any bytes as the autostart entry, read as the start-up value; and any program path written as
// the entry and read back, which must give the same path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/temp_dir.h"
#include "fuzz_support.h"
#include "settings/xdg_auto_start.h"

using namespace presslane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    const std::string value = std::string(AutoStart::kRunKey) + "\\" + AutoStart::kValueName;
    XdgAutoStart entry(folder.path());
    const std::string_view bytes = fuzz::text_of(data, size);

    fuzz::put_file(entry.entry_path(), bytes);
    const std::string program = entry.ReadKey(value);

    // The path read from a foreign entry, and the bytes themselves, as program paths.
    for (const std::string& path : {program, std::string(bytes)}) {
        if (path.empty()) continue;
        entry.register_program(AutoStart::kValueName, path);
        fuzz::require(entry.ReadKey(value) == path, "a registered program path reads back");
    }
    return 0;
}
