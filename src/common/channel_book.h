#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/record_file.h"

namespace presslane {

class EventPump;

// A channel list file ("radiobook.res" or "radiobook2.res"): one channel per line, added date,
// name and stream address separated by "|". Blank lines carry no channel; names need not be
// unique, and a lookup visits every matching line in file order so the last one wins.
class ChannelBook {
public:
    // The steps of a deletion, reported to on_step once each has ended.
    enum class DeleteStep { ScratchRemoved, ScratchWritten, Renamed };

    explicit ChannelBook(std::filesystem::path file);

    const std::filesystem::path& path() const { return file_.path(); }
    // Every line as stored, blank ones included.
    std::vector<std::string> lines() const;
    // The name of every channel line in file order (blank lines and lines without a name skipped).
    std::vector<std::string> names() const;
    // Names in file order up to the first blank line; events run before each line is looked at.
    std::vector<std::string> names_until_blank(EventPump& pump) const;
    // Every channel line whose name is exactly `name`, in file order.
    std::vector<Record> matching(const std::string& name) const;

    // Appends one channel; a "|" or line break typed into a value cannot split the record (in the
    // address a "|" is stored as "%7C"). False, with the book as it was, when it cannot be written.
    bool add(const std::string& date, const std::string& name, const std::string& address) const;

    // Removes a scratch file a broken deletion may have left.
    void remove_scratch() const;
    // Drops every line named `name`; the other channels keep their first three fields and lines
    // with fewer fields are dropped too. The new book is written whole to the scratch file and
    // renamed over the old one, so at any moment the book is either the old or the new one. False
    // (and the book untouched) when the scratch could not be written.
    bool remove(const std::string& name) const;

    std::function<void(DeleteStep)> on_step;

private:
    std::filesystem::path scratch_path() const;

    RecordFile file_;
};

// True for a line that carries no channel.
bool is_blank_line(const std::string& line);

}  // namespace presslane
