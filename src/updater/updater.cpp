#include "updater/updater.h"

#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/shell.h"
#include "common/wait.h"
#include "filedown/file_down_control.h"
#include "update_client/replace_file.h"
#include "update_client/size_display.h"

namespace presslane {
namespace {

constexpr std::size_t kTitleChars = 255;
constexpr std::int16_t kBusyCode = 4;

}  // namespace

Updater::Updater(const ControlSet& controls, ProgressBar& pgbDownload, FileDownControl* down,
                 Ports ports, std::filesystem::path app_folder, std::string download_url)
    : controls_(controls),
      progress_(pgbDownload),
      down_(down),
      ports_(ports),
      folder_(std::move(app_folder)),
      download_url_(std::move(download_url)) {}

void Updater::Form_Load() {
    ports_.pump.process_pending();
    CloseWindowByTitle("프레스레인");
    Delay(1);
    StartDownload();
    // The new program is offered only once the download is over: asked earlier, a Yes would
    // start the old program, or none while the file is being replaced.
    while (!download_over_) {
        ports_.pump.wait_for_events(0.2);
        ports_.pump.process_pending();
    }
    if (ports_.dialogs.ask_yes_no("업데이트가 완료되었습니다. 실행하시겠습니까?", "update"))
        ports_.shell.start_process((folder_ / "lane_desk").string(), {});
    ports_.shell.end_process();
}

void Updater::StartDownload() {
    ports_.pump.process_pending();
    Delay(0.7f);
    TempFileName = "temp_file.exe";
    TargetFileName = "lane_desk";
    DownloadURL = download_url_;
    if (down_) {
        down_->set_DownPath((folder_ / TempFileName).string());
        down_->set_URL(DownloadURL);
    }
    ShowInfo("업데이트 된 파일을 받는 중입니다 - " + TargetFileName);
    update_start_Click();
    Delay(2);
}

void Updater::update_start_Click() {
    if (down_) {
        down_->FileDownload();
    } else {
        ShowInfo("다운로드 구성요소를 불러올 수 없습니다.");
        download_over_ = true;
    }
}

void Updater::cmdCancel_Click() { ports_.pump.process_pending(); }

void Updater::FileDown_OnDownload(std::int32_t received, std::int32_t file_size) {
    show_progress(controls_, progress_, received, file_size);
}

void Updater::FileDown_OnComplete(std::int32_t) {
    ports_.pump.process_pending();
    ShowInfo(" ");
    ShowInfo("업데이트가 완료되었습니다 - lane_desk");
    // One rename replaces the old program: the folder never lacks one.
    replace_file(folder_ / "temp_file.exe", folder_ / "lane_desk");
    ShowInfo(" ");
    download_over_ = true;
}

void Updater::FileDown_OnError(std::int16_t code) {
    if (code == 0) ShowInfo("서버를 찾을 수 없습니다.");
    if (code == 1) ShowInfo("서버에서 파일을 찾을 수 없습니다.");
    if (code == kBusyCode) ShowInfo("이미 작업이 진행중입니다...");
    if (code == 0 || code == 1 || code == kBusyCode) ShowInfo(" ");
    // A refused second start is no end of the download that is running.
    if (code != kBusyCode) download_over_ = true;
}

void Updater::ShowInfo(const std::string& text) { append_log(controls_, text); }

void Updater::Delay(float seconds) { wait_seconds(seconds, ports_.pump, ports_.clock); }

void Updater::CloseWindowByTitle(const std::string& title) {
    if (const auto window = FindWindowByTitle(title)) ports_.windows.send_close(*window);
}

std::optional<WindowCloser::Window> Updater::FindWindowByTitle(const std::string& title) {
    SearchTitle = title;
    FoundWindow.reset();
    for (const WindowCloser::Window window : ports_.windows.top_level_windows())
        if (!MatchWindowTitle(window)) break;
    return FoundWindow;
}

bool Updater::MatchWindowTitle(WindowCloser::Window window) {
    const std::string title = ports_.windows.title(window).substr(0, kTitleChars);
    if (title.find(SearchTitle) == std::string::npos) return true;
    FoundWindow = window;
    return false;
}

}  // namespace presslane
