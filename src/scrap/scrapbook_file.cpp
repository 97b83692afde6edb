#include "scrap/scrapbook_file.h"

#include "common/record_file.h"
#include "common/record_files.h"

namespace presslane {

ScrapbookFile::ScrapbookFile(const std::filesystem::path& app_folder)
    : path_(app_folder / record_files::kScrapbook) {}

std::vector<ScrapRow> ScrapbookFile::read() const {
    std::vector<ScrapRow> rows;
    for (const Record& r : RecordFile(path_).records()) {
        if (r.size() >= 3) rows.push_back({r[0], r[1], r[2]});
    }
    return rows;
}

bool ScrapbookFile::append(const ScrapRow& row) const {
    return RecordFile(path_).append({row.date, row.title, address_field(row.address)});
}

bool ScrapbookFile::remove_row(const ScrapRow& row) const {
    bool removed = false;
    return RecordFile(path_).remove_records([&](const Record& r) {
        if (removed || r.size() < 3 || !(ScrapRow{r[0], r[1], r[2]} == row)) return false;
        removed = true;
        return true;
    });
}

bool ScrapbookFile::remove() const { return RecordFile(path_).remove(); }

}  // namespace presslane
