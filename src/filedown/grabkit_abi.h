#pragma once

#include <cstdint>

// The C exports of the Grabkit library, looked up by name when a host loads it at run time.
// Results follow the classic in-process server convention: 0 is success, 1 "no" (S_FALSE), and
// the negative values below are failures.
extern "C" {
// Hands out the class object (a FileDownClassFactory*) of the ProgID "Grabkit.FileDown"; any
// other ProgID is refused with kGrabkitClassNotAvailable and *factory set to null.
std::int32_t DllGetClassObject(const char* prog_id, void** factory);
// 0 when no control made by the library is alive, 1 otherwise.
std::int32_t DllCanUnloadNow();
// Records the library's own path for its ProgID in the control registry, or removes it.
std::int32_t DllRegisterServer();
std::int32_t DllUnregisterServer();
}

namespace presslane {

// The library's file, beside the programs in the application folder.
#ifdef _WIN32
inline constexpr const char* kGrabkitFile = "Grabkit.dll";
#else
inline constexpr const char* kGrabkitFile = "libGrabkit.so";
#endif

inline constexpr std::int32_t kGrabkitOk = 0;
inline constexpr std::int32_t kGrabkitFalse = 1;
inline constexpr std::int32_t kGrabkitClassNotAvailable = std::int32_t(0x80040111);
inline constexpr std::int32_t kGrabkitRegistrationFailed = std::int32_t(0x80040201);
inline constexpr std::int32_t kGrabkitInvalidPointer = std::int32_t(0x80004003);

using DllGetClassObjectFn = std::int32_t (*)(const char*, void**);
using DllCanUnloadNowFn = std::int32_t (*)();
using DllRegisterServerFn = std::int32_t (*)();

}  // namespace presslane
