#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>

namespace presslane {

// The visit count, kept in a file as one decimal number and a line end. Each visit replaces the
// file whole (written beside it and renamed over it), so a crash or a full disk leaves the old
// count or the new one, never a broken file. Visits from several threads are counted one at a
// time; one counter file belongs to one server process.
class VisitCounter {
public:
    explicit VisitCounter(std::filesystem::path file);

    // Counts one visit and gives the new count. A missing file starts at 0. A file that does not
    // hold a count, or one that cannot be written, is left as it is and nothing is counted.
    std::optional<std::uint64_t> count();

private:
    std::filesystem::path file_;
    std::mutex mutex_;
};

}  // namespace presslane
