#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "update_client/download_window_controller.h"

namespace presslane {

class Clock;
class EventPump;
class FileDownControl;
class ProgressBar;
class Shell;

// The update window (Form11): downloads the updater with its download control, puts it in place
// once it has proved to be a signed release, starts it and ends the main program. A download or a
// file that fails logs one line and the window stays open for another try. Every way out of the
// window ends the main program, without the main window's close sequence.
class UpdateController : public DownloadWindowController {
public:
    struct Ports {
        EventPump& pump;
        Clock& clock;
        Shell& shell;
    };
    // `down` is null when the download library could not be loaded; the window then says so.
    UpdateController(Controls<DownloadControl> controls, ProgressBar& pgbDownload,
                     FileDownControl* down, ReleaseInstaller& installer, Ports ports,
                     std::filesystem::path app_folder, std::string download_url,
                     std::string product_address);

    void Form_Activate();
    void update_start_Click() override;
    void cmdCancel_Click() override;
    void Form_Unload() override;
    void FileDown_OnComplete(std::int32_t file_size) override;
    void FileDown_OnError(std::int16_t code) override;
    void window_shown() override { Form_Activate(); }

private:
    Ports ports_;
    std::string product_address_;
};

}  // namespace presslane
