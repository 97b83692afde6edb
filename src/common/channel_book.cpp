#include "common/channel_book.h"

#include <system_error>

#include "common/event_pump.h"
#include "common/record_files.h"

namespace presslane {
namespace {

// A name is listed only when the line has a second field that is not empty.
bool has_name(const Record& record) { return record.size() >= 2 && !record[1].empty(); }

}  // namespace

bool is_blank_line(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

ChannelBook::ChannelBook(std::filesystem::path file) : file_(std::move(file)) {}

std::vector<std::string> ChannelBook::lines() const { return file_.lines(); }

std::vector<std::string> ChannelBook::names() const {
    std::vector<std::string> out;
    for (const auto& record : file_.records()) {
        if (has_name(record)) out.push_back(record[1]);
    }
    return out;
}

std::vector<std::string> ChannelBook::names_until_blank(EventPump& pump) const {
    std::vector<std::string> out;
    for (const auto& line : file_.lines()) {
        pump.process_pending();
        if (is_blank_line(line)) break;
        const Record record = split_fields(line);
        if (has_name(record)) out.push_back(record[1]);
    }
    return out;
}

std::vector<Record> ChannelBook::matching(const std::string& name) const {
    std::vector<Record> out;
    for (auto& record : file_.records()) {
        if (field(record, 2) == name) out.push_back(std::move(record));
    }
    return out;
}

bool ChannelBook::add(const std::string& date, const std::string& name,
                      const std::string& address) const {
    return file_.append({date, name, address_field(address)});
}

std::filesystem::path ChannelBook::scratch_path() const {
    return path().parent_path() / record_files::kChannelsScratch;
}

void ChannelBook::remove_scratch() const {
    std::error_code ec;
    std::filesystem::remove(scratch_path(), ec);
}

bool ChannelBook::remove(const std::string& name) const {
    remove_scratch();
    if (on_step) on_step(DeleteStep::ScratchRemoved);

    std::vector<Record> kept;
    for (const auto& record : file_.records()) {
        if (record.size() < 3 || record[1] == name) continue;
        kept.push_back({record[0], record[1], record[2]});
    }
    // The scratch is itself written whole (and flushed to disk) before it replaces the book;
    // the book is never deleted first, the rename swaps it in one step.
    const RecordFile scratch(scratch_path());
    if (!scratch.rewrite(kept)) {
        remove_scratch();
        return false;
    }
    if (on_step) on_step(DeleteStep::ScratchWritten);

    std::error_code ec;
    std::filesystem::rename(scratch_path(), path(), ec);
    if (ec) {
        remove_scratch();
        return false;
    }
    if (on_step) on_step(DeleteStep::Renamed);
    return true;
}

}  // namespace presslane
