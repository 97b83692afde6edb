#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace presslane {

class ListBox;

struct Bookmark {
    std::string name;
    std::string address;

    bool operator==(const Bookmark&) const = default;
};

// "bookmark.res": one bookmark a line, name|address.
class BookmarkFile {
public:
    explicit BookmarkFile(const std::filesystem::path& app_folder);

    bool exists() const;
    // The lines that hold a "|"; blank lines and lines without one are not bookmarks.
    std::vector<Bookmark> read() const;
    // The name field of every non-blank line, in file order (a line without "|" is all name).
    std::vector<std::string> names() const;
    // Adds the bookmark at the end; the address is stored as an address field ("|" as "%7C").
    // False, with the file as it was, when it cannot be written.
    bool append(const Bookmark& bookmark) const;
    // Replaces the file with these bookmarks; the old file stays whole if the new one cannot be
    // written. Writing none leaves an empty file.
    bool rewrite(const std::vector<Bookmark>& bookmarks) const;
    bool remove() const;

private:
    std::filesystem::path path_;
};

// The text List1 shows for a bookmark: the name, 30 spaces, "|" and the address, each as the file
// stores it (a bar inside the name is the full-width one, inside the address "%7C").
std::string display_text(const Bookmark& bookmark);
// The bookmark behind a list text: the part before the first "|" without the trailing spaces the
// display added (inner spaces stay), and the part after it.
Bookmark from_display_text(const std::string& text);

// Fills the address box's list with the bookmark names. A missing file leaves the list as it is.
void load_bookmark_titles(ListBox& combo, const std::filesystem::path& app_folder);

}  // namespace presslane
