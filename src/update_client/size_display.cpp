#include "update_client/size_display.h"

#include <algorithm>

#include "common/control.h"
#include "filedown/file_down_control.h"

namespace presslane {

void show_progress(const Controls<DownloadControl>& controls, ProgressBar& bar,
                   std::int32_t received, std::int32_t file_size) {
    if (file_size > 0) {
        // A bar still showing a larger earlier download refuses a maximum below its value.
        if (!bar.set_max(file_size)) {
            bar.set_value(0);
            bar.set_max(file_size);
        }
        bar.set_value(std::clamp(received, 0, file_size));
    }
    controls[DownloadControl::SizeInfo].set_caption(
        std::to_string(file_size > 0 ? file_size : received) + " Byte");
}

std::string download_error_line(std::int16_t code) {
    switch (code) {
        case FileDownControl::kNoServer:
            return "서버를 찾을 수 없습니다.";
        case FileDownControl::kNotFound:
            return "서버에서 파일을 찾을 수 없습니다.";
        case FileDownControl::kHttpStatus:
            return "서버가 오류로 응답하여 파일을 받지 못했습니다.";
        case FileDownControl::kSocket:
            return "파일을 받는 중에 연결이 끊기거나 멈추었습니다.";
        case FileDownControl::kBusy:
            return "이미 작업이 진행중입니다...";
        case FileDownControl::kFileWrite:
            return "파일을 저장하지 못했습니다. 디스크 공간을 확인해 주세요.";
        default:
            return {};
    }
}

void append_log(const Controls<DownloadControl>& controls, const std::string& text) {
    Control& log = controls[DownloadControl::text1];
    log.set_caption(log.caption() + text + "\r\n");
}

}  // namespace presslane
