#include "update_client/release_download.h"

#include <utility>

#include "filedown/file_down_control.h"

namespace presslane {

ReleaseDownload::ReleaseDownload(FileDownControl* down, ReleaseInstaller& installer,
                                 std::filesystem::path app_folder, Files files, std::string address)
    : down_(down),
      installer_(installer),
      folder_(std::move(app_folder)),
      files_(std::move(files)),
      address_(std::move(address)) {}

void ReleaseDownload::prepare() const {
    if (!down_) return;
    down_->set_DownPath((folder_ / files_.scratch).string());
    down_->set_URL(address_);
}

bool ReleaseDownload::start() const {
    if (!down_) return false;
    down_->FileDownload();
    return true;
}

void ReleaseDownload::remove_scratch() const {
    std::error_code ec;
    std::filesystem::remove(folder_ / files_.scratch, ec);
}

ReleaseInstaller::Outcome ReleaseDownload::install() const {
    return installer_.install(address_, folder_ / files_.scratch, target());
}

}  // namespace presslane
