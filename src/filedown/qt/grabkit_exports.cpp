#include <cstring>

#include <dlfcn.h>

#include <QWidget>

#include "filedown/control_registry.h"
#include "filedown/file_down_control.h"
#include "filedown/grabkit_abi.h"
#include "filedown/qt/qt_file_down.h"

namespace presslane {
namespace {

class FileDownFactory final : public FileDownClassFactory {
public:
    FileDownControl* CreateInstance(void* parent) override {
        auto* face = new QtFileDown(static_cast<QWidget*>(parent));
        return &face->control();
    }
};

FileDownFactory factory;

// The path this library was loaded from, found through one of its own symbols.
std::string own_path() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    const auto path = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : path.string();
}

}  // namespace
}  // namespace presslane

using namespace presslane;

extern "C" __attribute__((visibility("default"))) std::int32_t DllGetClassObject(
    const char* prog_id, void** out) {
    if (!out) return kGrabkitInvalidPointer;
    *out = nullptr;
    if (!prog_id || std::strcmp(prog_id, kFileDownProgId) != 0) return kGrabkitClassNotAvailable;
    *out = static_cast<FileDownClassFactory*>(&factory);
    return kGrabkitOk;
}

extern "C" __attribute__((visibility("default"))) std::int32_t DllCanUnloadNow() {
    return QtFileDown::instances() == 0 ? kGrabkitOk : kGrabkitFalse;
}

extern "C" __attribute__((visibility("default"))) std::int32_t DllRegisterServer() {
    const std::string path = own_path();
    if (path.empty() || !ControlRegistry().add(kFileDownProgId, path))
        return kGrabkitRegistrationFailed;
    return kGrabkitOk;
}

extern "C" __attribute__((visibility("default"))) std::int32_t DllUnregisterServer() {
    return ControlRegistry().remove(kFileDownProgId) ? kGrabkitOk : kGrabkitRegistrationFailed;
}
