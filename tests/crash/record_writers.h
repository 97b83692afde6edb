#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"

namespace presslane::crash {

// The bytes of a file, or nothing when it is missing.
using FileState = std::optional<std::string>;
FileState file_state(const std::filesystem::path& file);
// Puts the file in that state (writes it plainly, or deletes it).
void set_file_state(const std::filesystem::path& file, const FileState& state);

// One writer of a record file, driven through the program's own controllers and stores in an
// application folder, with fakes standing in for the windows only. Its steps are what a user does
// (save, delete, apply); each leaves the file in a state the program can produce.
class Writer {
public:
    virtual ~Writer() = default;
    // Runs step `i`: an index into the kind's steps, or for an appending kind the number of the
    // record to add.
    virtual void step(std::size_t i) = 0;
    // What the program's own reader makes of the file, as one text.
    virtual std::string read() = 0;

    FakeClock clock;
    FakeEventPump pump{clock};
    FakeDialogs dialogs;
};

struct Step {
    const char* name;
    // What the user is told when the step cannot change the file; nullptr where the program stays
    // silent (files written on closing, the start-up entry).
    const char* failure_text;
};

struct WriterKind {
    const char* name;
    // The file the writer keeps, relative to the application folder.
    std::filesystem::path file;
    // The file before the first step: nothing, or bytes a user or an older version left.
    FileState initial;
    // Each step adds one record and the file only grows; otherwise the steps go round a cycle.
    bool appends;
    std::vector<Step> steps;
    std::function<std::unique_ptr<Writer>(const std::filesystem::path& folder)> make;
};

// Every writer of the program's record files and of its start-up entry.
const std::vector<WriterKind>& writer_kinds();

}  // namespace presslane::crash
