#include "common/record_file.h"

#include <fstream>
#include <system_error>

#include "common/file_write.h"
#include "common/cp949.h"

namespace presslane {
namespace {

std::string encode_record(const Record& record) {
    std::string line;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) line += '|';
        line += clean_field(record[i]);
    }
    return cp949::encode(line) + "\r\n";
}

bool is_blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

Record split_fields(std::string_view line) {
    Record fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, bar - start));
        start = bar + 1;
    }
}

std::string clean_field(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '|') {
            out += "\xEF\xBD\x9C";  // U+FF5C FULLWIDTH VERTICAL LINE, held by CP949
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string address_field(std::string_view address) {
    std::string out;
    out.reserve(address.size());
    for (const char c : address) {
        if (c == '|') {
            out += "%7C";
        } else {
            out += c;
        }
    }
    return clean_field(out);
}

std::string field(const Record& record, std::size_t n) {
    return (n >= 1 && n <= record.size()) ? record[n - 1] : std::string();
}

RecordFile::RecordFile(std::filesystem::path path) : path_(std::move(path)) {}

bool RecordFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec);
}

std::vector<std::string> RecordFile::lines() const {
    std::vector<std::string> raw;
    read_raw_lines(raw);
    std::vector<std::string> out;
    for (const std::string& line : raw) out.push_back(cp949::decode(line));
    return out;
}

bool RecordFile::read_raw_lines(std::vector<std::string>& out) const {
    out.clear();
    // Something else in the file's place (a folder) holds no lines; the stream reports read
    // errors in its state instead of throwing them.
    if (!exists()) return true;
    std::ifstream in(path_, std::ios::binary);
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (!in.eof() || in.bad()) return false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        out.push_back(bytes.substr(start, stop - start));
        start = next;
    }
    return true;
}

std::string RecordFile::first_line() const {
    auto all = lines();
    return all.empty() ? std::string() : all.front();
}

std::vector<Record> RecordFile::records() const {
    std::vector<Record> out;
    for (const auto& line : lines()) {
        if (is_blank(line)) continue;
        out.push_back(split_fields(line));
    }
    return out;
}

bool RecordFile::append(const Record& record) const {
    return append_to_file(path_, encode_record(record));
}

bool RecordFile::rewrite(const std::vector<Record>& records) const {
    std::string bytes;
    for (const auto& record : records) bytes += encode_record(record);
    return write_file_atomically(path_, bytes);
}

bool RecordFile::remove_records(const std::function<bool(const Record&)>& chosen) const {
    if (!exists()) return true;
    // A file that cannot be read whole is left alone: writing back what was read would lose the
    // rest.
    std::vector<std::string> raw_lines;
    if (!read_raw_lines(raw_lines)) return false;
    std::string bytes;
    for (const std::string& raw : raw_lines) {
        // A line is judged by its decoded fields but kept as its own bytes.
        if (is_blank(raw) || chosen(split_fields(cp949::decode(raw)))) continue;
        bytes += raw + "\r\n";
    }
    return write_file_atomically(path_, bytes);
}

bool RecordFile::remove() const {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
    // Anything still in the file's place (a folder that cannot go) means the file is not gone.
    return !std::filesystem::exists(std::filesystem::symlink_status(path_, ec));
}

}  // namespace presslane
