#include "settings/settings_controller.h"

#include "browse/browser.h"
#include "common/channel_book.h"
#include "common/check_box.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/item_list.h"
#include "common/number.h"
#include "common/record_file.h"
#include "common/record_files.h"
#include "common/screen.h"
#include "settings/auto_start.h"

namespace presslane {

SettingsController::SettingsController(Controls<SettingsControl> controls, Ports ports,
                                       Addresses addresses, std::filesystem::path app_folder,
                                       std::string program_path, std::function<void()> close)
    : controls_(controls),
      ports_(ports),
      addresses_(std::move(addresses)),
      folder_(std::move(app_folder)),
      program_path_(std::move(program_path)),
      close_(std::move(close)) {}

void SettingsController::Form_Load() {
    const std::string line = RecordFile(folder_ / record_files::kSettings).first_line();
    if (!line.empty()) {
        const Record fields = split_fields(line);
        controls_[SettingsControl::Text1].set_caption(field(fields, 1));
        const auto popup = read_number(field(fields, 2));
        ports_.check1.set_checked(popup && *popup != 0);
    }

    controls_[SettingsControl::Command8].set_tooltip(ports_.main_browser.location_name() +
                                                     kCommand8Tip);

    LoadChannelNames();

    controls_[SettingsControl::Combo1].set_caption(
        RecordFile(folder_ / record_files::kAutoPlayChannel).first_line());

    // An entry left by an older copy of the program (or one in another folder) is repaired here:
    // turning the box on runs its action, which writes the running program's path.
    const bool registered = !ReadKey(AutoStart::kValuePath).empty();
    ports_.check2.set_checked(registered);
    if (registered) Check2_Click();
}

void SettingsController::LoadChannelNames() {
    ports_.combo1_items.clear();
    for (const auto& name : ChannelBook(folder_ / record_files::kChannels).names()) {
        ports_.combo1_items.add_item(name);
    }
}

std::string SettingsController::ReadKey(const std::string& path) {
    return ports_.auto_start.ReadKey(path);
}

void SettingsController::set_start_page(const std::string& address) {
    controls_[SettingsControl::Text1].set_caption(address);
}

void SettingsController::Command4_Click() { set_start_page(addresses_.home_page); }

void SettingsController::Command5_Click() { set_start_page(addresses_.newspaper_shop); }

void SettingsController::Command6_Click() { set_start_page(addresses_.newsstand); }

void SettingsController::Command7_Click() { set_start_page(kBlankPage); }

void SettingsController::Command8_Click() { set_start_page(ports_.main_browser.location_url()); }

// A "|" typed into the start page is stored as "%7C", the way a browser sends it, so the address
// cannot spill into the popup field that every reader takes from after the first "|".
bool SettingsController::save_settings() {
    if (RecordFile(folder_ / record_files::kSettings)
            .rewrite({{address_field(controls_[SettingsControl::Text1].caption()),
                       ports_.check1.checked() ? "1" : "0"}})) {
        return true;
    }
    ports_.dialogs.message(kSaveFailedText, kFileErrorTitle);
    return false;
}

void SettingsController::Command1_Click() {
    // The dialog stays open after a failure, so the choices can be saved again or dropped.
    if (save_settings() && close_) close_();
}

void SettingsController::Command2_Click() {
    if (close_) close_();
}

void SettingsController::Command3_Click() { save_settings(); }

void SettingsController::Check2_Click() {
    if (ports_.check2.checked()) {
        ports_.auto_start.register_program(AutoStart::kValueName, program_path_);
    } else {
        ports_.auto_start.unregister_program(AutoStart::kValueName);
    }
}

void SettingsController::Command9_Click() {
    ports_.pump.process_pending();
    RecordFile(folder_ / record_files::kGeometry).remove();
    // The height a maximised window gets is the work area's; the dialog is not maximised to
    // learn it, so nothing flickers on the screen.
    const int maximised_height = ports_.screen.work_area().height;
    Control& main = ports_.main_window;
    main.set_width(kResetWidth);
    main.set_left(ports_.screen.screen_size().width - kResetWidth);
    main.set_top(0);
    main.set_height(maximised_height - kResetHeightMargin);
    ports_.dialogs.message("프레스레인 기본설정 크기로 설정되었습니다", "결과");
}

void SettingsController::Command10_Click() {
    controls_[SettingsControl::Picture1].set_visible(true);
}

void SettingsController::Label7_Click() { controls_[SettingsControl::Picture1].set_visible(false); }

void SettingsController::Command11_Click() {
    ports_.dialogs.message(
        "죄송합니다\r\n\r\n당분간 마케팅 계약이 성립된 방송사들을 중심으로 채널을 공유하도록 "
        "하겠습니다",
        "현재 이 기능은 제공되지 않습니다");
}

void SettingsController::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    RecordFile(folder_ / record_files::kAutoPlayChannel)
        .rewrite({{controls_[SettingsControl::Combo1].caption()}});
}

}  // namespace presslane
