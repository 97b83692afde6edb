#include "browse/downloads.h"

#include <system_error>

namespace presslane {
namespace {

std::string plain_file_name(const std::string& suggested) {
    std::string name = suggested.substr(suggested.find_last_of("/\\") + 1);
    std::string clean;
    for (unsigned char c : name) {
        if (c >= 0x20 && c != 0x7f) clean += static_cast<char>(c);
    }
    // Names the file system gives a meaning of their own.
    if (clean.empty() || clean == "." || clean == "..") return "download";
    return clean;
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool taken(const std::filesystem::path& path) {
    std::error_code error;
    // A broken symbolic link is a name taken too.
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

}  // namespace

std::filesystem::path free_download_path(const std::filesystem::path& folder,
                                         const std::string& suggested,
                                         const std::set<std::filesystem::path>& saving) {
    const std::filesystem::path name = std::filesystem::u8path(plain_file_name(suggested));
    std::filesystem::path candidate = folder / name;
    // "archive.tar.gz" becomes "archive.tar (2).gz", as a desktop's file manager names a copy;
    // a name that starts with its only dot (".profile") has no extension.
    const std::string stem = utf8(name.stem());
    const std::string extension = utf8(name.extension());
    for (int n = 2; taken(candidate) || saving.count(candidate) != 0; ++n) {
        candidate =
            folder / std::filesystem::u8path(stem + " (" + std::to_string(n) + ")" + extension);
    }
    return candidate;
}

std::string download_progress_text(const std::string& name, std::int64_t received,
                                   std::int64_t total) {
    if (total > 0) {
        return "내려받는 중 " + std::to_string(received * 100 / total) + "% " + name;
    }
    return "내려받는 중 " + std::to_string(received / 1024) + " KB " + name;
}

std::string download_done_text(const std::string& name) { return "내려받기 완료: " + name; }

std::string download_failed_text(const std::string& name) { return "내려받기 실패: " + name; }

}  // namespace presslane
