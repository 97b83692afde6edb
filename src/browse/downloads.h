#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

namespace presslane {

// Where a file a page offers is saved: in the folder, under the name the page suggests reduced to
// a plain file name (no folder part, no control character; "download" when nothing is left), and
// never over an existing file nor over one still being saved (`saving`): "name (2).ext",
// "name (3).ext" and so on instead.
std::filesystem::path free_download_path(const std::filesystem::path& folder,
                                         const std::string& suggested,
                                         const std::set<std::filesystem::path>& saving = {});

// The status bar's texts for a download: its progress (the share when the size is known, else
// the bytes so far), and its end.
std::string download_progress_text(const std::string& name, std::int64_t received,
                                   std::int64_t total);
std::string download_done_text(const std::string& name);
std::string download_failed_text(const std::string& name);

}  // namespace presslane
