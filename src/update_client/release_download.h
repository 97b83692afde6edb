#pragma once

#include <filesystem>
#include <string>

#include "update_client/release_installer.h"

namespace presslane {

class FileDownControl;

// One release file as both update programs fetch it: the download control brings it from its
// address into a scratch file of the application folder, and once it has proved to be a signed
// release one rename puts it over the installed file of the same folder.
class ReleaseDownload {
public:
    struct Files {
        std::string scratch;  // where the download lands before it is checked
        std::string target;   // the installed file it replaces
    };
    // `down` is null when the download library could not be loaded.
    ReleaseDownload(FileDownControl* down, ReleaseInstaller& installer,
                    std::filesystem::path app_folder, Files files, std::string address);

    FileDownControl* control() const { return down_; }
    const std::string& address() const { return address_; }
    const std::string& target_name() const { return files_.target; }
    std::filesystem::path target() const { return folder_ / files_.target; }

    // Points the control at the address and the scratch file.
    void prepare() const;
    // Starts the download; false when there is no control to run it.
    bool start() const;
    // Deletes the scratch file: what a download cut off, cancelled or closed left behind.
    void remove_scratch() const;
    // Puts the downloaded scratch file in place of the target, or deletes it (see
    // ReleaseInstaller).
    ReleaseInstaller::Outcome install() const;

private:
    FileDownControl* down_;
    ReleaseInstaller& installer_;
    std::filesystem::path folder_;
    Files files_;
    std::string address_;
};

}  // namespace presslane
