#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

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
#ifdef _WIN32
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&DllRegisterServer), &module))
        return {};
    wchar_t path[32768];
    const DWORD n = GetModuleFileNameW(module, path, 32768);
    if (n == 0 || n == 32768) return {};
    // The registry file holds UTF-8, which the loader reads back through QString::fromStdString.
    const std::u8string utf8 = std::filesystem::path(std::wstring(path, n)).u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    const auto path = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : path.string();
#endif
}

}  // namespace
}  // namespace presslane

using namespace presslane;

#ifdef _WIN32
#define GRABKIT_EXPORT __declspec(dllexport)
#else
#define GRABKIT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" GRABKIT_EXPORT std::int32_t DllGetClassObject(const char* prog_id, void** out) {
    if (!out) return kGrabkitInvalidPointer;
    *out = nullptr;
    if (!prog_id || std::strcmp(prog_id, kFileDownProgId) != 0) return kGrabkitClassNotAvailable;
    *out = static_cast<FileDownClassFactory*>(&factory);
    return kGrabkitOk;
}

extern "C" GRABKIT_EXPORT std::int32_t DllCanUnloadNow() {
    return QtFileDown::instances() == 0 ? kGrabkitOk : kGrabkitFalse;
}

extern "C" GRABKIT_EXPORT std::int32_t DllRegisterServer() {
    const std::string path = own_path();
    if (path.empty() || !ControlRegistry().add(kFileDownProgId, path))
        return kGrabkitRegistrationFailed;
    return kGrabkitOk;
}

extern "C" GRABKIT_EXPORT std::int32_t DllUnregisterServer() {
    return ControlRegistry().remove(kFileDownProgId) ? kGrabkitOk : kGrabkitRegistrationFailed;
}
