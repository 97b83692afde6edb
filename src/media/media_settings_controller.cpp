#include "media/media_settings_controller.h"

#include "browse/browser.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/wait.h"
#include "common/channel_book.h"
#include "common/item_list.h"
#include "media/media_player.h"
#include "common/record_files.h"
#include "common/screen.h"

namespace presslane {

MediaSettingsController::MediaSettingsController(Controls<MediaSettingsControl> controls,
                                                 Ports ports, std::filesystem::path app_folder,
                                                 Addresses addresses)
    : controls_(controls),
      ports_(ports),
      folder_(std::move(app_folder)),
      addresses_(std::move(addresses)) {}

void MediaSettingsController::Form_Load() {
    ports_.pump.process_pending();
    ports_.board1.navigate(addresses_.placeholder);
    ports_.board2.navigate(addresses_.placeholder);
    list_channels();
    show_boards();
}

void MediaSettingsController::Form_Activate() {
    // The board takes the focus when the window opens. Later activations, such as the return from
    // each of this window's message boxes, leave the focus where the user had it.
    if (board_focused_) return;
    board_focused_ = true;
    ports_.board1.set_focus();
}

void MediaSettingsController::list_channels() {
    ports_.combo1_items.clear();
    for (const auto& name : ChannelBook(folder_ / record_files::kChannels).names()) {
        ports_.combo1_items.add_item(name);
    }
}

void MediaSettingsController::show_boards() {
    controls_[MediaSettingsControl::Frame2].set_visible(true);
    ports_.board1.navigate(addresses_.board1);
    ports_.board2.navigate(addresses_.board2);
    Control& form = controls_[MediaSettingsControl::Form10];
    form.set_width(11220);
    form.set_left(ports_.screen.screen_size().width / 2 - form.width() / 2);
}

void MediaSettingsController::reset_boxes() {
    list_channels();
    controls_[MediaSettingsControl::Text3].set_caption("");
    controls_[MediaSettingsControl::Text3].set_visible(false);
    controls_[MediaSettingsControl::Text1].set_caption("");
    controls_[MediaSettingsControl::Text2].set_caption("");
}

void MediaSettingsController::Command1_Click() {
    const std::string name = controls_[MediaSettingsControl::Text1].caption();
    const std::string address = controls_[MediaSettingsControl::Text2].caption();
    if (name.empty()) {
        ports_.dialogs.message("방송국 이름을 입력해주세요", "알림");
    } else if (address.empty()) {
        ports_.dialogs.message("저장될 방송국 주소를 입력해주세요", "알림");
    } else if (ChannelBook(folder_ / record_files::kChannels)
                   .add(ports_.clock.date_text(), name, address)) {
        ports_.dialogs.message(name + " 주소를 나만의 라디오 방송국에 저장하였습니다", "saved");
    } else {
        ports_.dialogs.message(kSaveFailedText, kFileErrorTitle);
    }
    reset_boxes();
}

void MediaSettingsController::Combo1_Click() {
    const std::string chosen = controls_[MediaSettingsControl::Combo1].caption();
    for (const auto& record : ChannelBook(folder_ / record_files::kChannels).matching(chosen)) {
        selected_name_ = chosen;
        selected_address_ = field(record, 3);
        controls_[MediaSettingsControl::Text3].set_visible(true);
        controls_[MediaSettingsControl::Text3].set_caption(selected_address_);
    }
}

void MediaSettingsController::Command3_Click() {
    const ChannelBook book(folder_ / record_files::kChannels);
    book.remove_scratch();
    const std::string chosen = controls_[MediaSettingsControl::Combo1].caption();
    if (chosen.empty()) {
        ports_.dialogs.message("삭제할 라디오 방송국을 선택해주세요", "알림");
        return;
    }
    if (book.remove(chosen)) {
        ports_.dialogs.message(chosen + " 을 삭제 하였습니다", "결과");
    } else {
        ports_.dialogs.message(kDeleteFailedText, kFileErrorTitle);
    }
    reset_boxes();
}

void MediaSettingsController::play(const std::string& address, const std::string& status) {
    ports_.frame8.set_visible(true);
    ports_.player.set_FileName(address);
    ports_.label26.set_caption(status);
}

void MediaSettingsController::Command2_Click() {
    const std::string address = controls_[MediaSettingsControl::Text2].caption();
    if (address.empty()) {
        ports_.dialogs.message("라디오 방송 주소가 잘못되었습니다. 다시 입력해주세요.", "에러");
        return;
    }
    play(address, "Radio Media.. ON! ");
}

void MediaSettingsController::Command4_Click() {
    if (selected_address_.empty()) {
        ports_.dialogs.message(
            "라디오 방송 주소가 잘못되었습니다. 저장된 주소를 다시 확인해주세요.", "에러");
        return;
    }
    // The user may have edited the shown address since the selection; that text is played.
    play(controls_[MediaSettingsControl::Text3].caption(), selected_name_ + ".. ON! ");
}

void MediaSettingsController::Command5_Click() {
    ports_.dialogs.message(
        "검색엔진에서 [방송URL]로 검색하시면 공개된 많은 주소들을 구하실 수 있습니다", "알림");
}

void MediaSettingsController::Command88_Click() {
    ports_.pump.process_pending();
    wait_seconds(0.3f, ports_.pump, ports_.clock);
    ports_.main_browser.navigate(addresses_.broadcaster_search);
}

void MediaSettingsController::Command11_Click() {
    ports_.dialogs.message(
        "죄송합니다\r\n\r\n당분간 마케팅 계약이 성립된 방송사들을 중심으로 채널을 공유하도록 "
        "하겠습니다",
        "현재 이 기능은 제공되지 않습니다");
}

}  // namespace presslane
