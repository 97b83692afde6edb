#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace presslane {

using Record = std::vector<std::string>;

// Splits a line at every "|". A line without "|" is one field; the empty line is one empty field.
Record split_fields(std::string_view line);

// A field as it may be stored: a "|" becomes the full-width "｜" and a line break a blank, so a
// value can never split its record or start another.
std::string clean_field(std::string_view value);

// An address as it may be stored: every "|" as "%7C", the way a browser encodes it, and line breaks
// as blanks, so the address cannot split its record and still opens the same page.
std::string address_field(std::string_view address);

// The field with 1-based number n, or "" when the record has fewer fields.
std::string field(const Record& record, std::size_t n);

// One of the program's record files: CP949 text, one record per line ended by CR LF, fields split
// at "|", nothing quoted. Texts are UTF-8 on this side. The file is opened and closed within each
// call; nothing stays open between calls.
class RecordFile {
public:
    explicit RecordFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // Every line as it stands (blank lines included), decoded; a missing or unreadable file reads
    // as no lines. A line may end in CR LF or a lone LF.
    std::vector<std::string> lines() const;
    // The first line, or "" when there is none.
    std::string first_line() const;
    // The records: every line that is not blank, split into fields.
    std::vector<Record> records() const;

    // Adds one record at the end, creating the file when it is missing. Fields are cleaned. A last
    // line without its CR LF gets it first, so the new record never joins it. False, with the file
    // as it was, when it cannot be written.
    bool append(const Record& record) const;
    // Replaces the whole file with these records. The new content is written to a scratch file
    // beside it and renamed over the old one, so a crash or a full disk leaves either the old file
    // or the new one, never an empty or half-written one.
    bool rewrite(const std::vector<Record>& records) const;
    // Rewrites the file without the records `chosen` picks, read from the file as it is now:
    // `chosen` is asked once for every non-blank line, in file order. Blank lines go too; every
    // other line is kept byte for byte. Written as rewrite() writes; a missing file stays missing,
    // a file that cannot be read is left as it is (false).
    bool remove_records(const std::function<bool(const Record&)>& chosen) const;
    // Deletes the file; true when it is gone afterwards.
    bool remove() const;

private:
    // Every line's bytes without its line end; false when the file could not be read whole (then
    // `out` holds what was read). A missing file has no lines.
    bool read_raw_lines(std::vector<std::string>& out) const;

    std::filesystem::path path_;
};

}  // namespace presslane
