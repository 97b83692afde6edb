#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "update_client/download_window_controller.h"
#include "updater/window_closer.h"

namespace presslane {

class Clock;
class Dialogs;
class EventPump;
class FileDownControl;
class ProgressBar;
class Shell;

// The updater's window (frmDemo): its load runs the whole update. It closes a running main
// program, downloads the new one with its download control, puts it in place once it has proved
// to be a signed release, asks whether to start it and ends. A failure logs its cause and that
// the old program stays; the window stays open for another try until the user closes it.
class UpdaterController : public DownloadWindowController {
public:
    struct Ports {
        EventPump& pump;
        Clock& clock;
        Shell& shell;
        Dialogs& dialogs;
        WindowCloser& windows;
    };
    // `down` is null when the download library could not be loaded.
    UpdaterController(Controls<DownloadControl> controls, ProgressBar& pgbDownload,
                      FileDownControl* down, ReleaseInstaller& installer, Ports ports,
                      std::filesystem::path app_folder, std::string download_url);

    void Form_Load();
    void StartDownload();
    void update_start_Click() override;
    void cmdCancel_Click() override;
    // The close box: ends the updater.
    void Form_Unload() override;
    void FileDown_OnComplete(std::int32_t file_size) override;
    void FileDown_OnError(std::int16_t code) override;
    void window_shown() override { Form_Load(); }

    void Delay(float seconds);
    void CloseWindowByTitle(const std::string& title);

private:
    std::optional<WindowCloser::Window> FindWindowByTitle(const std::string& title);
    // True when the window's title, as far as it is compared, holds `search`.
    bool MatchWindowTitle(WindowCloser::Window window, const std::string& search);
    void report_failure(const std::string& cause);

    Ports ports_;
    // Set only once a verified new program is in place: nothing else lets the question come.
    bool installed_ = false;
};

}  // namespace presslane
