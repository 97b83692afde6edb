#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace presslane {

// A fresh folder under the system's temporary folder (or under `base`), removed with everything in
// it at the end.
class TempDir {
public:
    explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        // A name nobody holds yet: create_directory fails on one that exists.
        std::random_device random;
        for (int tries = 0; tries < 100 && path_.empty(); ++tries) {
            const std::filesystem::path candidate =
                base / ("presslane-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace presslane
