#include "bookmarks/bookmark_file.h"

#include "bookmarks/list_box.h"
#include "common/record_file.h"
#include "common/record_files.h"

namespace presslane {

BookmarkFile::BookmarkFile(const std::filesystem::path& app_folder)
    : path_(app_folder / record_files::kBookmarks) {}

bool BookmarkFile::exists() const { return RecordFile(path_).exists(); }

std::vector<Bookmark> BookmarkFile::read() const {
    std::vector<Bookmark> out;
    for (const Record& r : RecordFile(path_).records()) {
        if (r.size() >= 2) out.push_back({r[0], r[1]});
    }
    return out;
}

std::vector<std::string> BookmarkFile::names() const {
    std::vector<std::string> out;
    for (const Record& r : RecordFile(path_).records()) out.push_back(field(r, 1));
    return out;
}

bool BookmarkFile::append(const Bookmark& bookmark) const {
    return RecordFile(path_).append({bookmark.name, address_field(bookmark.address)});
}

bool BookmarkFile::rewrite(const std::vector<Bookmark>& bookmarks) const {
    std::vector<Record> records;
    records.reserve(bookmarks.size());
    for (const Bookmark& b : bookmarks) records.push_back({b.name, address_field(b.address)});
    return RecordFile(path_).rewrite(records);
}

bool BookmarkFile::remove() const { return RecordFile(path_).remove(); }

std::string display_text(const Bookmark& bookmark) {
    // Cleaned as the file will hold them, so the first bar of the text is always the separator.
    return clean_field(bookmark.name) + std::string(30, ' ') + "|" +
           address_field(bookmark.address);
}

Bookmark from_display_text(const std::string& text) {
    const Record parts = split_fields(text);
    std::string name = field(parts, 1);
    name.erase(name.find_last_not_of(' ') + 1);
    return {name, field(parts, 2)};
}

void load_bookmark_titles(ListBox& combo, const std::filesystem::path& app_folder) {
    const BookmarkFile file(app_folder);
    if (!file.exists()) return;
    combo.clear();
    for (const std::string& name : file.names()) combo.add_item(name);
}

}  // namespace presslane
