#include <windows.h>
#include <winioctl.h>

#include <fcntl.h>
#include <io.h>

#include <random>
#include <string>

#include "filedown/spool_file.h"

namespace presslane {

int open_spool_file(const std::filesystem::path& folder) {
    std::random_device random;
    for (int tries = 0; tries < 100; ++tries) {
        const std::filesystem::path name =
            folder / (L"presslane-" + std::to_wstring(random()) + L".tmp");
        const HANDLE file =
            CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return -1;
        }
        // Sparse, so that released ranges really go back to the file system.
        DWORD returned = 0;
        DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR | _O_BINARY);
        if (fd < 0) CloseHandle(file);
        return fd;
    }
    return -1;
}

void close_spool_file(int fd) { _close(fd); }

bool release_spool_range(int fd, std::int64_t offset, std::int64_t length) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (file == INVALID_HANDLE_VALUE) return false;
    FILE_ZERO_DATA_INFORMATION range{};
    range.FileOffset.QuadPart = offset;
    range.BeyondFinalZero.QuadPart = offset + length;
    DWORD returned = 0;
    return DeviceIoControl(file, FSCTL_SET_ZERO_DATA, &range, sizeof range, nullptr, 0, &returned,
                           nullptr) != 0;
}

}  // namespace presslane
