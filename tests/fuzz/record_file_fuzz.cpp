// Any bytes as a record file, read by the record reader and by every reader built on it (the
// bookmarks, the scrapbook, the channel book, the control registry). Checks
// what the reader promises: deleting records keeps every other line byte for byte, an addition
// becomes a record of its own whatever the file ends with, and records written back read back the
// same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bookmarks/bookmark_file.h"
#include "common/channel_book.h"
#include "common/number.h"
#include "common/record_file.h"
#include "common/record_files.h"
#include "fakes/temp_dir.h"
#include "filedown/control_registry.h"
#include "fuzz_support.h"
#include "scrap/scrapbook_file.h"

using namespace presslane;

namespace {

bool blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string::npos; }

// The lines of the file as stored: cut at LF, one CR before it dropped.
std::vector<std::string> raw_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    }
    return lines;
}

// A field as it reads back after being written: a lone CR is stored as a blank, and a byte that
// was not CP949 (read as U+FFFD) as "?".
std::string as_stored(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field.compare(i, 3, "\xEF\xBF\xBD") == 0) {
            out += '?';
            i += 2;
        } else {
            out += field[i] == '\r' ? ' ' : field[i];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    const std::filesystem::path& app = folder.path();
    const std::string_view bytes = fuzz::text_of(data, size);
    const std::string bookmarks = app / record_files::kBookmarks;
    const std::string scrapbook = app / record_files::kScrapbook;
    const std::string channels = app / record_files::kChannels;
    const std::string controls = app / "controls.res";
    for (const std::string& path : {bookmarks, scrapbook, channels, controls})
        fuzz::put_file(path, bytes);

    const RecordFile file(bookmarks);
    const std::vector<Record> records = file.records();
    for (const Record& record : records)
        for (const std::string& f : record)
            if (const auto n = read_number(f))
                fuzz::require(std::isfinite(*n), "numbers are finite");
    BookmarkFile(app).read();
    BookmarkFile(app).names();
    ScrapbookFile(app).read();
    const ChannelBook book(channels);
    const std::vector<std::string> names = book.names();
    if (!names.empty()) book.matching(names.front());

    // The control library registered over whatever the file held is the one found.
    const ControlRegistry registry(controls);
    registry.find("Grabkit.FileDown");
    fuzz::require(registry.add("Grabkit.FileDown", "/opt/presslane/libGrabkit.so"),
                  "a control is registered");
    fuzz::require(registry.find("Grabkit.FileDown") == "/opt/presslane/libGrabkit.so",
                  "the registered library is found");

    // Every other record deleted: the rest stays byte for byte, blank lines go.
    std::size_t asked = 0;
    const bool removed =
        RecordFile(scrapbook).remove_records([&](const Record&) { return asked++ % 2 == 1; });
    fuzz::require(removed, "a readable file can be rewritten");
    std::string kept;
    std::size_t index = 0;
    for (const std::string& line : raw_lines(bytes)) {
        if (blank(line)) continue;
        if (index++ % 2 == 0) kept += line + "\r\n";
    }
    fuzz::require(asked == records.size(), "each record is judged once");
    fuzz::require(fuzz::file_bytes(scrapbook) == kept, "deleting keeps the other lines as stored");

    // An addition is one record more, whatever the last line ends with.
    fuzz::require(book.add("2026-12-10", "채널", "http://radio.test/a|b"), "a channel is added");
    std::vector<Record> grown = RecordFile(channels).records();
    fuzz::require(grown.size() == records.size() + 1, "an addition is one record");
    fuzz::require(grown.back() == Record{"2026-12-10", "채널", "http://radio.test/a%7Cb"},
                  "an addition reads back as added");
    grown.pop_back();
    fuzz::require(grown == records, "an addition leaves the records before it");

    // The records written back read back the same.
    fuzz::require(file.rewrite(records), "records are written");
    std::vector<Record> expected;
    for (const Record& record : records) {
        Record stored;
        std::string line;
        for (const std::string& f : record) {
            if (!stored.empty()) line += '|';
            stored.push_back(as_stored(f));
            line += stored.back();
        }
        if (!blank(line)) expected.push_back(stored);
    }
    fuzz::require(file.records() == expected, "records written back read back the same");
    return 0;
}
