#include "update_client/download_window_controller.h"

#include <utility>

#include "update_client/size_display.h"

namespace presslane {

DownloadWindowController::DownloadWindowController(Controls<DownloadControl> controls,
                                                   ProgressBar& pgbDownload,
                                                   ReleaseDownload download)
    : download_(std::move(download)), controls_(controls), progress_(pgbDownload) {}

void DownloadWindowController::FileDown_OnDownload(std::int32_t received, std::int32_t file_size) {
    show_progress(controls_, progress_, received, file_size);
}

void DownloadWindowController::ShowInfo(const std::string& text) { append_log(controls_, text); }

}  // namespace presslane
