#pragma once

#include <filesystem>
#include <vector>

#include "scrap/list_view.h"

namespace presslane {

// "scrapbook.res": one scrap a line, date|title|address, in the order of saving.
class ScrapbookFile {
public:
    explicit ScrapbookFile(const std::filesystem::path& app_folder);

    // Every line that holds at least three fields; blank and short lines are skipped and fields
    // after the third are ignored. A missing file is an empty scrapbook.
    std::vector<ScrapRow> read() const;
    // Adds the scrap at the end; its address is stored as an address field ("|" as "%7C"). False,
    // with the file as it was, when it cannot be written.
    bool append(const ScrapRow& row) const;
    // Removes one line holding this scrap (the first, should several be alike) from the file as
    // it is now, with the blank lines; every other line stays as it is. False, with the file as it
    // was, when it cannot be written; true when no line holds the scrap any more.
    bool remove_row(const ScrapRow& row) const;
    bool remove() const;

private:
    std::filesystem::path path_;
};

}  // namespace presslane
