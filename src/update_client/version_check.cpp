#include "update_client/version_check.h"

#include "common/dialogs.h"
#include "filedown/inet.h"

namespace presslane {

double leading_number(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    return value;
}

bool offers_upgrade(int status, std::string_view published, std::string_view own_version) {
    if (status != 200) return false;
    const std::size_t first = published.find_first_not_of(' ');
    if (first == std::string_view::npos || published[first] < '0' || published[first] > '9')
        return false;
    return leading_number(published) > leading_number(own_version);
}

VersionCheck::VersionCheck(Inet& inet, Dialogs& dialogs, std::string program_version,
                           std::string version_address, std::function<void()> show_update_window)
    : inet_(inet),
      dialogs_(dialogs),
      build_version_(std::move(program_version)),
      version_address_(std::move(version_address)),
      show_update_window_(std::move(show_update_window)),
      program_version_(build_version_) {}

void VersionCheck::CheckForUpdate() {
    // Window events run while the version is fetched and while the question is open; an
    // activation among them must not start a second check and a second question.
    if (running_) return;
    running_ = true;
    program_version_ = build_version_;
    const std::string published = inet_.OpenURL(version_address_);
    if (offers_upgrade(inet_.OpenURLStatus(), published, program_version_) &&
        dialogs_.ask_yes_no(
            "프레스레인 " + published + " 버전이 새로 나왔습니다. 업그레이드 하시겠습니까?",
            "업그레이드 버전 알림")) {
        running_ = false;
        if (show_update_window_) show_update_window_();
        return;
    }
    running_ = false;
}

}  // namespace presslane
