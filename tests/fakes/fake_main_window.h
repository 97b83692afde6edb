#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "browse/catalogue.h"
#include "browse/catalogue_controls.h"
#include "browse/browser_host.h"
#include "browse/main_controls.h"
#include "fake_browser.h"
#include "fake_clock.h"
#include "fake_controls.h"
#include "fake_dialogs.h"
#include "fake_event_pump.h"
#include "shell/main_controller.h"

namespace presslane {

// The catalogue's labels and menus as fakes, gathered the way the window gathers them.
struct FakeCatalogueControls {
    FakeCatalogueControls() : controls(register_all(set, fakes)) {}

    FakeControl& operator[](const std::string& name) { return fakes[name]; }

    std::map<std::string, FakeControl> fakes;
    ControlSet set;
    CatalogueControls controls;

private:
    static const ControlSet& register_all(ControlSet& set,
                                          std::map<std::string, FakeControl>& fakes) {
        for (const catalogue::Menu& m : catalogue::menus()) {
            set.add(m.label, fakes[m.label]);
            const std::string menu = catalogue::menu_control(m);
            set.add(menu, fakes[menu]);
        }
        return set;
    }
};

// Every control of the main window as a fake, with the three browsers and the designed sizes of
// the panes the layout reads.
struct FakeMainWindowControls : FakeControls<MainControl> {
    FakeMainWindowControls() {
        (*this)[MainControl::Frame1].h = 520;
        (*this)[MainControl::Frame10].h = 390;
        (*this)[MainControl::Frame7].w = 6615;
        (*this)[MainControl::Frame8].w = 2535;
        (*this)[MainControl::Frame8].h = 3000;
        (*this)[MainControl::Picture4].x = 45;
        (*this)[MainControl::Label7].w = 1095;
    }

    FakeBrowser wb1, wb2, wb3;
    FakeProgressBar progress;
    FakeCatalogueControls catalogue;
};

// Every peer of the main window and its browser host, each call written to the log by name.
struct FakeMainWindowPeers final : MainController::Frame,
                                   MainController::Steps,
                                   MainController::MenuTargets,
                                   BrowserHost::Window,
                                   BrowserHost::Popups,
                                   BrowserHost::Articles {
    void show_window() override {
        log.push_back("show");
        if (on_show) on_show();
    }
    void close_window() override {
        log.push_back("close");
        if (on_close) on_close();
    }
    void maximise_window() override { log.push_back("maximise"); }
    void close_program_windows() override { log.push_back("close_windows"); }
    void add_tray_icon() override { log.push_back("tray"); }
    void remove_tray_icon() override { log.push_back("untray"); }
    void load_bookmark_titles() override { log.push_back("bookmark titles"); }
    void load_verified_radio() override { log.push_back("verified_radio"); }
    void load_my_radio() override { log.push_back("my_radio"); }
    void radio_on() override { log.push_back("radio_on"); }
    void version_check() override { log.push_back("version_check"); }
    void open_settings() override { log.push_back("settings"); }
    void open_about() override { log.push_back("about"); }
    void open_media_settings() override { log.push_back("media settings"); }
    void open_home_page() override { log.push_back("home page"); }
    void install_menu() override { log.push_back("install_menu"); }
    void anchor_media_pane() override { log.push_back("anchor"); }
    void set_from_settings(const std::string* field2) override {
        log.push_back(field2 ? "popup:" + *field2 : "popup:none");
    }
    void Toolbar1_Button7_Click() override { log.push_back("toggle_popup"); }
    void reload_scrapbook() override { log.push_back("reload_scrapbook"); }
    void open_bookmarks() override { log.push_back("bookmarks"); }
    void open_mail() override { log.push_back("mail"); }
    void open_scrap() override { log.push_back("scrap"); }

    MainController::Peers peers() { return {*this, *this, *this, *this, *this}; }

    std::vector<std::string> log;
    std::function<void()> on_show;
    std::function<void()> on_close;
};

}  // namespace presslane
