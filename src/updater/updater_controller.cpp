#include "updater/updater_controller.h"

#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/shell.h"
#include "common/wait.h"
#include "filedown/file_down_control.h"
#include "update_client/size_display.h"

namespace presslane {
namespace {

constexpr std::size_t kTitleChars = 255;

}  // namespace

UpdaterController::UpdaterController(Controls<DownloadControl> controls, ProgressBar& pgbDownload,
                                     FileDownControl* down, ReleaseInstaller& installer,
                                     Ports ports, std::filesystem::path app_folder,
                                     std::string download_url)
    : DownloadWindowController(
          controls, pgbDownload,
          ReleaseDownload(down, installer, std::move(app_folder), {"temp_file.exe", "lane_desk"},
                          std::move(download_url))),
      ports_(ports) {}

void UpdaterController::Form_Load() {
    ports_.pump.process_pending();
    // A run cut off (killed, or the machine went down) left its scratch file behind.
    download_.remove_scratch();
    CloseWindowByTitle("프레스레인");
    Delay(1);
    StartDownload();
    // The new program is offered only once it is really in place: asked earlier, a Yes would
    // start the old program, or none while the file is being replaced. After a failure the
    // window stays for another try with update_start, or for its close box.
    while (!installed_) {
        ports_.pump.wait_for_events(0.2);
        ports_.pump.process_pending();
    }
    if (ports_.dialogs.ask_yes_no("업데이트가 완료되었습니다. 실행하시겠습니까?", "update"))
        ports_.shell.start_process(download_.target().string(), {});
    ports_.shell.end_process();
}

void UpdaterController::StartDownload() {
    ports_.pump.process_pending();
    Delay(0.7f);
    download_.prepare();
    ShowInfo("업데이트 된 파일을 받는 중입니다 - " + download_.target_name());
    update_start_Click();
    Delay(2);
}

void UpdaterController::update_start_Click() {
    if (!download_.start()) report_failure("다운로드 구성요소를 불러올 수 없습니다.");
}

void UpdaterController::cmdCancel_Click() { ports_.pump.process_pending(); }

void UpdaterController::Form_Unload() {
    // Closed in the middle of a download or of its check: nothing of it stays in the folder.
    download_.remove_scratch();
    ports_.shell.end_process();
}

void UpdaterController::FileDown_OnComplete(std::int32_t) {
    ports_.pump.process_pending();
    // One rename replaces the old program, and only with a signed release: the folder never
    // lacks one, and never holds a program nobody released.
    const ReleaseInstaller::Outcome outcome = download_.install();
    if (outcome != ReleaseInstaller::Outcome::kInstalled) {
        report_failure(ReleaseInstaller::message(outcome));
        return;
    }
    ShowInfo(" ");
    ShowInfo("업데이트가 완료되었습니다 - " + download_.target_name());
    ShowInfo(" ");
    installed_ = true;
}

void UpdaterController::FileDown_OnError(std::int16_t code) {
    // A refused second start is no end of the download that is running.
    if (code == FileDownControl::kBusy) {
        ShowInfo(download_error_line(code));
        ShowInfo(" ");
        return;
    }
    report_failure(download_error_line(code));
}

void UpdaterController::report_failure(const std::string& cause) {
    if (!cause.empty()) ShowInfo(cause);
    ShowInfo("업데이트에 실패했습니다. 기존 프로그램을 그대로 둡니다.");
    ShowInfo(" ");
}

void UpdaterController::Delay(float seconds) { wait_seconds(seconds, ports_.pump, ports_.clock); }

void UpdaterController::CloseWindowByTitle(const std::string& title) {
    if (const auto window = FindWindowByTitle(title)) ports_.windows.send_close(*window);
}

std::optional<WindowCloser::Window> UpdaterController::FindWindowByTitle(const std::string& title) {
    for (const WindowCloser::Window window : ports_.windows.top_level_windows())
        if (MatchWindowTitle(window, title)) return window;
    return std::nullopt;
}

bool UpdaterController::MatchWindowTitle(WindowCloser::Window window, const std::string& search) {
    return ports_.windows.title(window).substr(0, kTitleChars).find(search) != std::string::npos;
}

}  // namespace presslane
