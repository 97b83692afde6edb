#include "shell/main_window.h"

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

MainWindow::MainWindow(BrowserHost::Browsers browsers, const ControlSet& controls,
                       ProgressBar& progress, Ports ports, std::filesystem::path app_folder,
                       BrowserHost::Addresses addresses, Hooks hooks)
    : controls_(controls),
      ports_(ports),
      folder_(std::move(app_folder)),
      hooks_(std::move(hooks)),
      browsers_(browsers),
      host_(browsers, controls, progress, ports.dialogs, ports.pump, folder_, std::move(addresses),
            [this] {
                BrowserHost::Hooks h = hooks_.browse;
                h.install_menu = [this] { install_menu(); };
                h.anchor_media_pane = [this] { anchor_media_pane(); };
                h.maximise_window = hooks_.maximise_window;
                return h;
            }()) {}

int MainWindow::read(const char* control, int (Control::*property)() const) const {
    const Control* c = controls_.find(control);
    return c ? (c->*property)() : 0;
}

void MainWindow::call(const std::function<void()>& hook) {
    if (hook) hook();
}

void MainWindow::Form_Load() {
    ports_.pump.process_pending();
    call(hooks_.add_tray_icon);
    state_.menu_position = "down";
    host_.set_scrap_view_flag("no");
    browsers_.WebBrowser1.navigate("about: blank");
    browsers_.WebBrowser2.navigate("about: blank");
    if (Control* pane = controls_.find("Frame8")) {
        pane->set_left(read("Picture4", &Control::left));
        pane->set_top(read("Frame10", &Control::top) + read("Frame10", &Control::height));
    }
    state_.view_mode = "보통";
    host_.start_page_click();
    call_width();
    call(hooks_.show_window);
    call(hooks_.load_bookmark_titles);
    call(hooks_.load_verified_radio);
    call(hooks_.load_my_radio);
    call(hooks_.radio_on);
    if (Control* pane = controls_.find("Frame8")) pane->set_visible(false);
}

void MainWindow::Form_Activate() { call(hooks_.version_check); }

void MainWindow::Form_Unload() {
    // A close request arriving while the sequence runs (it lets events run in save_width) must
    // not start it again.
    if (closing_) return;
    closing_ = true;
    save_width();
    call(hooks_.remove_tray_icon);
    call(hooks_.close_program_windows);
    ports_.shell.end_process();
}

void MainWindow::Form_Resize() { layout_main_window(); }

void MainWindow::Timer2_Timer() {
    if (Control* clock = controls_.find("Label7")) clock->set_caption(ports_.clock.time_text());
}

void MainWindow::mPopExit_Click() {
    if (!ports_.dialogs.ask_yes_no("프레스레인를 완전히 종료하시겠습니까?", "종료확인")) return;
    ports_.pump.process_pending();
    call(hooks_.close_window);
}

void MainWindow::menu_command(std::string_view item) {
    // The article and bookmark commands run the very handlers of their buttons; "기사 메일발송"
    // prints and "기사 인쇄하기" mails, as the buttons beside them do.
    if (item == "menu02_5" || item == "menu02_1" || item == "menu02_6" || item == "menu02_2" ||
        item == "menu02_7") {
        call(hooks_.open_settings);
    } else if (item == "menu02_3") {
        call(hooks_.open_about);
    } else if (item == "menu02_4" || item == "menu04") {
        call(hooks_.open_home_page);
    } else if (item == "mPopExit") {
        mPopExit_Click();
    } else if (item == "menu02_8") {
        call(hooks_.open_media_settings);
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

void MainWindow::call_width() {
    ports_.pump.process_pending();
    const std::string line = RecordFile(folder_ / record_files::kGeometry).first_line();
    const Rect r = geometry::restore(line, ports_.screen.work_area(), ports_.screen.screen_size());
    if (Control* form = controls_.find("Form1")) {
        form->set_left(r.left);
        form->set_top(r.top);
        form->set_width(r.width);
        form->set_height(r.height);
    }
    anchor_media_pane();
}

void MainWindow::save_width() {
    ports_.pump.process_pending();
    const Control* form = controls_.find("Form1");
    if (form == nullptr) return;
    const Rect frame{form->left(), form->top(), form->width(), form->height()};
    RecordFile(folder_ / record_files::kGeometry).rewrite({split_fields(geometry::format(frame))});
}

void MainWindow::install_menu() {
    install_menus(controls_, state_.view_mode != "크게");
    if (Control* clock = controls_.find("Label7")) {
        clock->set_left(clock_left(read("Form1", &Control::width), clock->width()));
    }
}

void MainWindow::layout_main_window() {
    ports_.pump.process_pending();
    PaneSizes sizes;
    sizes.picture1_width = read("Picture1", &Control::width);
    sizes.picture20_width = read("Picture20", &Control::width);
    sizes.picture7_width = read("Picture7", &Control::width);
    sizes.picture8_width = read("Picture8", &Control::width);
    sizes.label7_width = read("Label7", &Control::width);
    sizes.frame1_height = read("Frame1", &Control::height);
    sizes.frame10_height = read("Frame10", &Control::height);
    sizes.frame7_width = read("Frame7", &Control::width);
    apply_assignments(presslane::layout_main_window(read("Form1", &Control::width),
                                                    read("Form1", &Control::height), state_, sizes),
                      controls_);
}

void MainWindow::toggle_view() {
    state_.view_mode = state_.view_mode == "보통" ? "크게" : "보통";
    layout_main_window();
}

void MainWindow::toggle_menu_position() {
    state_.menu_position = state_.menu_position == "up" ? "down" : "up";
    layout_main_window();
}

void MainWindow::anchor_media_pane() {
    apply_assignments(presslane::anchor_media_pane(
                          state_, read("Picture4", &Control::left), read("Frame10", &Control::top),
                          read("Frame10", &Control::height), read("Frame8", &Control::height)),
                      controls_);
}

}  // namespace presslane
