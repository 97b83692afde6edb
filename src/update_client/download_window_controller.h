#pragma once

#include <cstdint>
#include <string>

#include "update_client/download_controls.h"
#include "update_client/download_events.h"
#include "update_client/release_download.h"

namespace presslane {

class ProgressBar;

// What the controllers of the window both update programs show have in common: the window's
// controls and progress bar, the release file the window downloads, and the log and progress
// display.
class DownloadWindowController : public DownloadEvents {
public:
    void FileDown_OnDownload(std::int32_t received, std::int32_t file_size) override;
    void ShowInfo(const std::string& text);

protected:
    DownloadWindowController(Controls<DownloadControl> controls, ProgressBar& pgbDownload,
                             ReleaseDownload download);
    ~DownloadWindowController() = default;

    ReleaseDownload download_;

private:
    Controls<DownloadControl> controls_;
    ProgressBar& progress_;
};

}  // namespace presslane
