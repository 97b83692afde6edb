#include "media/qt/mpv_library.h"

#include <map>
#include <memory>
#include <string>

#include <QLibrary>

namespace presslane {

#ifdef Q_OS_WIN
const char* const MpvLibrary::kFileName = "libmpv-2.dll";
#else
const char* const MpvLibrary::kFileName = "libmpv.so.2";
#endif

namespace {

std::unique_ptr<MpvLibrary> load_functions(const char* file) {
    // Deliberately leaked: players may be created and destroyed throughout the run, and the
    // library's own threads end only inside it.
    auto* library = new QLibrary(QString::fromUtf8(file));
    if (!library->load()) {
        delete library;
        return nullptr;
    }
    auto functions = std::make_unique<MpvLibrary>();
    bool complete = true;
#define PRESSLANE_MPV_RESOLVE(name)                                                         \
    functions->name = reinterpret_cast<decltype(functions->name)>(library->resolve(#name)); \
    complete = complete && functions->name;
    PRESSLANE_MPV_FUNCTIONS(PRESSLANE_MPV_RESOLVE)
#undef PRESSLANE_MPV_RESOLVE
    if (!complete) return nullptr;
    return functions;
}

}  // namespace

const MpvLibrary* MpvLibrary::load(const char* file) {
    // Only the UI thread creates players.
    static std::map<std::string, std::unique_ptr<MpvLibrary>> loaded;
    auto [it, added] = loaded.try_emplace(file);
    if (added) it->second = load_functions(file);
    return it->second.get();
}

}  // namespace presslane
