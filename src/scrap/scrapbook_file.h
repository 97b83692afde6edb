#pragma once

#include <filesystem>
#include <vector>

#include "scrap/list_view.h"

namespace presslane {

// "scrapbook.res": one scrap a line, date|title|address, in the order of saving.
class ScrapbookFile {
public:
    static constexpr const char* kFileName = "scrapbook.res";

    explicit ScrapbookFile(const std::filesystem::path& app_folder);

    // Every line that holds at least three fields; blank and short lines are skipped and fields
    // after the third are ignored. A missing file is an empty scrapbook.
    std::vector<ScrapRow> read() const;
    bool append(const ScrapRow& row) const;
    // Replaces the file with these rows; the old file stays whole if the new one cannot be written.
    bool rewrite(const std::vector<ScrapRow>& rows) const;
    bool remove() const;

private:
    std::filesystem::path path_;
};

}  // namespace presslane
