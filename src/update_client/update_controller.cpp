#include "update_client/update_controller.h"

#include "common/event_pump.h"
#include "common/shell.h"
#include "common/wait.h"
#include "filedown/file_down_control.h"
#include "update_client/size_display.h"

namespace presslane {

UpdateController::UpdateController(Controls<DownloadControl> controls, ProgressBar& pgbDownload,
                                   FileDownControl* down, ReleaseInstaller& installer, Ports ports,
                                   std::filesystem::path app_folder, std::string download_url,
                                   std::string product_address)
    : DownloadWindowController(
          controls, pgbDownload,
          ReleaseDownload(down, installer, std::move(app_folder),
                          {"temp_file_update.exe", "update"}, std::move(download_url))),
      ports_(ports),
      product_address_(std::move(product_address)) {}

void UpdateController::Form_Activate() {
    ports_.pump.process_pending();
    // A download cut off with the program (killed, or the machine went down) left its scratch file.
    download_.remove_scratch();
    download_.prepare();
    ShowInfo("업데이트 대상 ▶ 프레스레인 : " + product_address_);
    ShowInfo(" ");
    ShowInfo("업데이트 된 파일을 받습니다.");
    wait_seconds(0.7f, ports_.pump, ports_.clock);
    update_start_Click();
    wait_seconds(0.7f, ports_.pump, ports_.clock);
}

void UpdateController::update_start_Click() {
    ShowInfo(" ");
    ShowInfo("업데이트를 시작합니다...");
    if (!download_.start()) ShowInfo("다운로드 구성요소를 불러올 수 없습니다.");
}

void UpdateController::cmdCancel_Click() {
    ports_.pump.process_pending();
    FileDownControl* down = download_.control();
    if (down && down->Working()) {
        ShowInfo("취소되었습니다.");
        down->Cancel();
        download_.remove_scratch();
    }
    ports_.shell.end_process();
}

void UpdateController::Form_Unload() {
    // Closed in the middle of a download or of its check: nothing of it stays in the folder.
    download_.remove_scratch();
    ports_.shell.end_process();
}

void UpdateController::FileDown_OnComplete(std::int32_t) {
    ports_.pump.process_pending();
    ShowInfo("업데이트가 진행중입니다.");
    // The old updater is replaced in one rename, never deleted first, and only by a signed
    // release: whatever fails leaves it as it was.
    const ReleaseInstaller::Outcome outcome = download_.install();
    if (outcome != ReleaseInstaller::Outcome::kInstalled) {
        ShowInfo(ReleaseInstaller::message(outcome));
        return;
    }
    ShowInfo("업데이트 파일 다운완료");
    wait_seconds(2.1f, ports_.pump, ports_.clock);
    ports_.shell.start_process(download_.target().string(), {});
    ports_.shell.end_process();
}

void UpdateController::FileDown_OnError(std::int16_t code) {
    const std::string line = download_error_line(code);
    if (!line.empty()) ShowInfo(line);
}

}  // namespace presslane
