#include "filedown/control_registry.h"

#include <cstdlib>
#include <vector>

#include "common/record_file.h"

namespace presslane {
namespace {

std::filesystem::path default_file() {
#ifdef _WIN32
    // The user's roaming application data, as Windows names it.
    if (const wchar_t* app_data = _wgetenv(L"APPDATA"); app_data && *app_data)
        return std::filesystem::path(app_data) / "presslane" / "controls.res";
#endif
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data && *data) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : "/tmp") / ".local" / "share";
    }
    return base / "presslane" / "controls.res";
}

}  // namespace

ControlRegistry::ControlRegistry() : file_(default_file()) {}

ControlRegistry::ControlRegistry(std::filesystem::path file) : file_(std::move(file)) {}

bool ControlRegistry::add(const std::string& prog_id, const std::string& library) const {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    const RecordFile records(file_);
    std::vector<Record> kept;
    for (Record& r : records.records())
        if (field(r, 1) != prog_id) kept.push_back(std::move(r));
    kept.push_back({prog_id, library});
    return records.rewrite(kept);
}

bool ControlRegistry::remove(const std::string& prog_id) const {
    const RecordFile records(file_);
    std::vector<Record> kept;
    bool found = false;
    for (Record& r : records.records()) {
        if (field(r, 1) == prog_id) {
            found = true;
        } else {
            kept.push_back(std::move(r));
        }
    }
    return !found || records.rewrite(kept);
}

std::string ControlRegistry::find(const std::string& prog_id) const {
    for (const Record& r : RecordFile(file_).records())
        if (field(r, 1) == prog_id) return field(r, 2);
    return {};
}

}  // namespace presslane
