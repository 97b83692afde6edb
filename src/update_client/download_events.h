#pragma once

#include <cstdint>

namespace presslane {

// What the window both update programs show reports to its controller: its first showing, its two
// buttons, its close box and the events of its download control. Both update controllers take
// them under the window's handler names.
class DownloadEvents {
public:
    // The window is shown for the first time: the controller starts its work.
    virtual void window_shown() = 0;
    virtual void update_start_Click() = 0;
    virtual void cmdCancel_Click() = 0;
    // The close box, or Escape.
    virtual void Form_Unload() = 0;
    virtual void FileDown_OnDownload(std::int32_t received, std::int32_t file_size) = 0;
    virtual void FileDown_OnComplete(std::int32_t file_size) = 0;
    virtual void FileDown_OnError(std::int16_t code) = 0;

protected:
    ~DownloadEvents() = default;
};

}  // namespace presslane
