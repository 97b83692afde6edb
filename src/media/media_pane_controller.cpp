#include "media/media_pane_controller.h"

#include <cmath>

#include "browse/browser.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/record_file.h"
#include "common/channel_book.h"
#include "common/item_list.h"
#include "media/media_player.h"
#include "media/verified_list.h"
#include "common/record_files.h"

namespace presslane {
namespace {

constexpr const char* kSeparator = "------------";

}  // namespace

MediaPaneController::MediaPaneController(const MainControls& controls, Ports ports,
                                         std::filesystem::path app_folder, Addresses addresses,
                                         Drag& drag, Window& window)
    : controls_(controls),
      ports_(ports),
      folder_(std::move(app_folder)),
      addresses_(std::move(addresses)),
      drag_(drag),
      window_(window) {}

void MediaPaneController::show_pane() { controls_[MainControl::Frame8].set_visible(true); }

void MediaPaneController::set_status(const std::string& text) {
    controls_[MainControl::Label26].set_caption(text);
}

void MediaPaneController::load_verified_radio() {
    refresh_verified_list(ports_.inet, ports_.pump, addresses_.verified_list,
                          folder_ / record_files::kVerifiedChannels);
    ports_.combo2_items.clear();
    const ChannelBook verified(folder_ / record_files::kVerifiedChannels);
    for (const auto& name : verified.names_until_blank(ports_.pump)) {
        ports_.combo2_items.add_item(name);
    }
}

void MediaPaneController::load_my_radio() {
    ports_.pump.process_pending();
    ports_.combo2_items.add_item(kSeparator);
    const ChannelBook book(folder_ / record_files::kChannels);
    for (const auto& name : book.names_until_blank(ports_.pump)) {
        ports_.combo2_items.add_item(name);
    }
}

void MediaPaneController::radio_on() {
    ports_.pump.process_pending();
    const std::string name = RecordFile(folder_ / record_files::kAutoPlayChannel).first_line();
    controls_[MainControl::Combo2].set_caption(name);
    if (name.empty()) return;
    // Only the user's own book is searched: the verified list changes with every start.
    for (const auto& record : ChannelBook(folder_ / record_files::kChannels).matching(name)) {
        show_pane();
        ports_.player.set_FileName(field(record, 3));
        set_status("Media ON.. ( " + field(record, 2) + " )");
    }
}

void MediaPaneController::Combo2_Click() {
    play_my_radio();
    play_verified_radio();
}

void MediaPaneController::play_from(const char* file_name) {
    ports_.pump.process_pending();
    const std::string chosen = controls_[MainControl::Combo2].caption();
    for (const auto& line : ChannelBook(folder_ / file_name).lines()) {
        ports_.pump.process_pending();
        if (is_blank_line(line)) continue;
        const Record record = split_fields(line);
        if (field(record, 2) != chosen) continue;
        ports_.main_browser.set_focus();
        show_pane();
        ports_.player.set_FileName(field(record, 3));
        set_status("media ON... " + field(record, 2));
    }
    ports_.player.set_EnablePositionControls(false);
    ports_.player.set_EnableTracker(false);
}

void MediaPaneController::play_my_radio() { play_from(record_files::kChannels); }

void MediaPaneController::play_verified_radio() {
    play_from(record_files::kVerifiedChannels);
    ports_.main_browser.set_focus();
}

void MediaPaneController::MediaPlayer1_MouseDown(int button, int, float x, float y) {
    if (button == MediaPlayer::kLeftButton) {
        grab_x_ = x + 40;
        grab_y_ = window_.view_mode() == ViewMode::Normal ? y - 966 : y - 200;
        drag_.begin_drag();
    } else if (button == MediaPlayer::kRightButton) {
        const MediaPlayer& p = ports_.player;
        ports_.dialogs.message(
            "클립 :  " + p.GetMediaInfoString(MediaPlayer::kClipTitle) +
                "\r\n\r\n만든이 :  " + p.GetMediaInfoString(MediaPlayer::kClipAuthor) +
                "\r\n\r\n저작권 :  " + p.GetMediaInfoString(MediaPlayer::kClipCopyright),
            "방송정보");
    }
}

void MediaPaneController::MediaPlayer1_MouseUp(int, int, float, float) { drag_.end_drag(); }

void MediaPaneController::MediaPlayer1_DblClick() {
    MediaPlayer& p = ports_.player;
    if (p.DisplaySize() == MediaPlayer::kFullScreen) {
        p.set_DisplaySize(MediaPlayer::kHalfSize);
        p.set_DisplaySize(MediaPlayer::kDefaultSize);
        p.set_DisplaySize(MediaPlayer::kFitToSize);
    } else {
        p.set_DisplaySize(MediaPlayer::kFullScreen);
    }
}

void MediaPaneController::Frame8_DragDrop(float x, float y) {
    Control& pane = controls_[MainControl::Frame8];
    float left = static_cast<float>(pane.left()) + x - grab_x_;
    if (left < 0) left = 0;
    const float top = static_cast<float>(pane.top()) + y - grab_y_;
    pane.set_left(static_cast<int>(std::lround(left)));
    pane.set_top(static_cast<int>(std::lround(top)));
}

void MediaPaneController::WebBrowser1_DragDrop(float x, float y) {
    Control& pane = controls_[MainControl::Frame8];
    pane.set_left(static_cast<int>(std::lround(x - grab_x_)));
    pane.set_top(static_cast<int>(std::lround(y - grab_y_)));
}

void MediaPaneController::Image5_Click() { controls_[MainControl::Frame8].set_visible(false); }

void MediaPaneController::Picture18_Click() {
    ports_.main_browser.navigate(addresses_.radio_guide);
}

void MediaPaneController::Picture19_Click() { window_.open_media_window(); }
void MediaPaneController::Image4_Click() { window_.open_media_window(); }
void MediaPaneController::menu02_8_Click() { window_.open_media_window(); }
void MediaPaneController::Image3_Click() { window_.open_settings(); }
void MediaPaneController::menu02_7_Click() { window_.open_settings(); }

}  // namespace presslane
