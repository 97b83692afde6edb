#include "scrap/scrapbook_file.h"

#include "common/record_file.h"

namespace presslane {

ScrapbookFile::ScrapbookFile(const std::filesystem::path& app_folder)
    : path_(app_folder / kFileName) {}

std::vector<ScrapRow> ScrapbookFile::read() const {
    std::vector<ScrapRow> rows;
    for (const Record& r : RecordFile(path_).records()) {
        if (r.size() >= 3) rows.push_back({r[0], r[1], r[2]});
    }
    return rows;
}

bool ScrapbookFile::append(const ScrapRow& row) const {
    return RecordFile(path_).append({row.date, row.title, row.address});
}

bool ScrapbookFile::rewrite(const std::vector<ScrapRow>& rows) const {
    std::vector<Record> records;
    records.reserve(rows.size());
    for (const ScrapRow& row : rows) records.push_back({row.date, row.title, row.address});
    return RecordFile(path_).rewrite(records);
}

bool ScrapbookFile::remove() const { return RecordFile(path_).remove(); }

}  // namespace presslane
