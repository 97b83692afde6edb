#include <windows.h>

#include <algorithm>

#include "common/file_write.h"

namespace presslane {
namespace {

// Closes the handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (ok()) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    // Closes now; false when closing failed (the last writes may not have reached the disk).
    bool close() {
        const bool closed = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE h_;
};

bool write_all(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Writes the bytes to a new file of that name and flushes them to disk. Whatever had the name is
// deleted first, never truncated.
bool write_synced(const std::filesystem::path& file, const std::string& bytes) {
    DeleteFileW(file.c_str());
    Handle out(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.ok()) return false;
    const bool ok = write_all(out.get(), bytes) && FlushFileBuffers(out.get());
    return out.close() && ok;
}

std::filesystem::path scratch_of(const std::filesystem::path& path) {
    std::filesystem::path scratch = path;
    scratch += ".new";
    return scratch;
}

// Creates the file with these bytes as one step: they are written to a scratch file that is then
// moved to the file's name, which fails when a file of that name has appeared meanwhile. True
// when created.
bool create_whole(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path scratch = scratch_of(path);
    const bool created = write_synced(scratch, bytes) &&
                         MoveFileExW(scratch.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!created) DeleteFileW(scratch.c_str());
    return created;
}

HANDLE open_existing(const std::filesystem::path& path) {
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path scratch = scratch_of(path);
    const bool ok = write_synced(scratch, bytes) &&
                    MoveFileExW(scratch.c_str(), path.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(scratch.c_str());
    return ok;
}

bool append_to_file(const std::filesystem::path& path, const std::string& bytes) {
    HANDLE existing = open_existing(path);
    if (existing == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) return false;
        // A file created empty and filled afterwards would be left empty by a crash in between.
        if (create_whole(path, bytes)) return true;
        // A file of that name appeared meanwhile (or the scratch could not be written, and then
        // there is none).
        existing = open_existing(path);
    }
    Handle file(existing);
    if (!file.ok()) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file.get(), &size) != 0;
    std::string head;
    if (ok && size.QuadPart > 0) {
        LARGE_INTEGER last{};
        last.QuadPart = size.QuadPart - 1;
        char c = 0;
        DWORD read = 0;
        ok = SetFilePointerEx(file.get(), last, nullptr, FILE_BEGIN) &&
             ReadFile(file.get(), &c, 1, &read, nullptr) && read == 1;
        if (c == '\r')
            head = "\n";
        else if (c != '\n')
            head = "\r\n";
    }
    ok = ok && SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) &&
         write_all(file.get(), head + bytes) && FlushFileBuffers(file.get());
    if (!ok && SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()))
        FlushFileBuffers(file.get());
    return file.close() && ok;
}

}  // namespace presslane
