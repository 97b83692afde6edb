#include "shell/main_controller.h"

#include "browse/menu_anchor.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/record_file.h"
#include "common/shell.h"
#include "shell/geometry.h"
#include "common/screen.h"
#include "common/record_files.h"

namespace presslane {

MainController::MainController(BrowserHost::Browsers browsers, const MainControls& controls,
                               const CatalogueControls& catalogue, ProgressBar& progress,
                               Ports ports, std::filesystem::path app_folder,
                               BrowserHost::Addresses addresses, Peers peers)
    : controls_(controls),
      catalogue_(catalogue),
      ports_(ports),
      folder_(std::move(app_folder)),
      peers_(peers),
      browsers_(browsers),
      host_(browsers, controls, progress, ports.dialogs, ports.pump, folder_, std::move(addresses),
            *this, peers.popups, peers.articles) {}

int MainController::read(MainControl control, int (Control::*property)() const) const {
    return (controls_[control].*property)();
}

void MainController::maximise_window() { peers_.frame.maximise_window(); }

void MainController::Form_Load() {
    ports_.pump.process_pending();
    peers_.steps.add_tray_icon();
    state_.menu_position = BarPosition::Down;
    host_.set_scrap_view(false);
    browsers_.WebBrowser1.navigate("about: blank");
    browsers_.WebBrowser2.navigate("about: blank");
    Control& pane = controls_[MainControl::Frame8];
    pane.set_left(read(MainControl::Picture4, &Control::left));
    pane.set_top(read(MainControl::Frame10, &Control::top) +
                 read(MainControl::Frame10, &Control::height));
    state_.view_mode = ViewMode::Normal;
    host_.start_page_click();
    call_width();
    peers_.frame.show_window();
    peers_.steps.load_bookmark_titles();
    peers_.steps.load_verified_radio();
    peers_.steps.load_my_radio();
    peers_.steps.radio_on();
    pane.set_visible(false);
}

void MainController::Form_Activate() { peers_.steps.version_check(); }

void MainController::Form_Unload() {
    // A close request arriving while the sequence runs (it lets events run in save_width) must
    // not start it again.
    if (closing_) return;
    closing_ = true;
    save_width();
    peers_.steps.remove_tray_icon();
    peers_.frame.close_program_windows();
    ports_.shell.end_process();
}

void MainController::Form_Resize() { layout_main_window(); }

void MainController::Timer2_Timer() {
    controls_[MainControl::Label7].set_caption(ports_.clock.time_text());
}

void MainController::mPopExit_Click() {
    if (!ports_.dialogs.ask_yes_no("프레스레인를 완전히 종료하시겠습니까?", "종료확인")) return;
    ports_.pump.process_pending();
    peers_.frame.close_window();
}

void MainController::menu_command(std::string_view item) {
    // The article and bookmark commands run the very handlers of their buttons; "기사 메일발송"
    // prints and "기사 인쇄하기" mails, as the buttons beside them do.
    if (item == "menu02_5" || item == "menu02_1" || item == "menu02_6" || item == "menu02_2" ||
        item == "menu02_7") {
        peers_.menu.open_settings();
    } else if (item == "menu02_3") {
        peers_.menu.open_about();
    } else if (item == "menu02_4" || item == "menu04") {
        peers_.menu.open_home_page();
    } else if (item == "mPopExit") {
        mPopExit_Click();
    } else if (item == "menu02_8") {
        peers_.menu.open_media_settings();
    } else if (item == "menu03_1") {
        host_.Picture5_Click();
    } else if (item == "menu03_3") {
        host_.Picture10_Click();
    } else if (item == "menu03_2") {
        host_.Picture9_Click();
    } else if (item == "menu06_1") {
        toggle_view();
    } else if (item == "menu06_2") {
        toggle_menu_position();
    } else if (item == "menu03_4") {
        host_.Image39_Click();
    }
}

void MainController::call_width() {
    ports_.pump.process_pending();
    const std::string line = RecordFile(folder_ / record_files::kGeometry).first_line();
    const Rect r = geometry::restore(line, ports_.screen.work_area(), ports_.screen.screen_size());
    Control& form = controls_[MainControl::Form1];
    form.set_left(r.left);
    form.set_top(r.top);
    form.set_width(r.width);
    form.set_height(r.height);
    anchor_media_pane();
}

void MainController::save_width() {
    ports_.pump.process_pending();
    const Control& form = controls_[MainControl::Form1];
    const Rect frame{form.left(), form.top(), form.width(), form.height()};
    RecordFile(folder_ / record_files::kGeometry).rewrite({split_fields(geometry::format(frame))});
}

void MainController::install_menu() {
    install_menus(catalogue_, !state_.wide());
    Control& clock = controls_[MainControl::Label7];
    clock.set_left(clock_left(read(MainControl::Form1, &Control::width), clock.width()));
}

void MainController::layout_main_window() {
    ports_.pump.process_pending();
    PaneSizes sizes;
    sizes.picture1_width = read(MainControl::Picture1, &Control::width);
    sizes.picture20_width = read(MainControl::Picture20, &Control::width);
    sizes.picture7_width = read(MainControl::Picture7, &Control::width);
    sizes.picture8_width = read(MainControl::Picture8, &Control::width);
    sizes.label7_width = read(MainControl::Label7, &Control::width);
    sizes.frame1_height = read(MainControl::Frame1, &Control::height);
    sizes.frame10_height = read(MainControl::Frame10, &Control::height);
    sizes.frame7_width = read(MainControl::Frame7, &Control::width);
    apply_assignments(
        presslane::layout_main_window(read(MainControl::Form1, &Control::width),
                                      read(MainControl::Form1, &Control::height), state_, sizes),
        controls_);
}

void MainController::toggle_view() {
    state_.view_mode = state_.wide() ? ViewMode::Normal : ViewMode::Wide;
    layout_main_window();
}

void MainController::toggle_menu_position() {
    state_.menu_position = state_.up() ? BarPosition::Down : BarPosition::Up;
    layout_main_window();
}

void MainController::anchor_media_pane() {
    apply_assignments(
        presslane::anchor_media_pane(state_, read(MainControl::Picture4, &Control::left),
                                     read(MainControl::Frame10, &Control::top),
                                     read(MainControl::Frame10, &Control::height),
                                     read(MainControl::Frame8, &Control::height)),
        controls_);
}

}  // namespace presslane
