#include "update_client/size_display.h"

#include <algorithm>

#include "common/control.h"
#include "common/control_set.h"

namespace presslane {

void show_progress(const ControlSet& controls, ProgressBar& bar, std::int32_t received,
                   std::int32_t file_size) {
    if (file_size > 0) {
        // A bar still showing a larger earlier download refuses a maximum below its value.
        if (!bar.set_max(file_size)) {
            bar.set_value(0);
            bar.set_max(file_size);
        }
        bar.set_value(std::clamp(received, 0, file_size));
    }
    if (Control* size = controls.find("SizeInfo"))
        size->set_caption(std::to_string(file_size > 0 ? file_size : received) + " Byte");
}

void append_log(const ControlSet& controls, const std::string& text) {
    if (Control* log = controls.find("text1")) log->set_caption(log->caption() + text + "\r\n");
}

}  // namespace presslane
