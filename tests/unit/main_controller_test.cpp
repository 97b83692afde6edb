#include "shell/main_controller.h"

#include <fstream>
#include <iterator>
#include <map>

#include <gtest/gtest.h>

#include "common/record_file.h"
#include "shell/main_menu.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"

namespace presslane {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : pump(clock) {
        peers.on_show = [this] {
            shown_geometry = {w[MainControl::Form1].x, w[MainControl::Form1].y,
                              w[MainControl::Form1].w, w[MainControl::Form1].h};
            shown_frame8_visible = w[MainControl::Frame8].shown;
        };
        peers.on_close = [this] { window().Form_Unload(); };
    }
    MainController& window() {
        if (!window_) {
            window_ = std::make_unique<MainController>(
                BrowserHost::Browsers{w.wb1, w.wb2, w.wb3}, w.controls, w.catalogue.controls,
                w.progress, MainController::Ports{dialogs, pump, clock, shell, screen}, dir.path(),
                BrowserHost::Addresses{"4.47", "www.example.kr", "http://start/", "http://count/"},
                peers.peers());
        }
        return *window_;
    }
    std::string geometry_bytes() const {
        std::ifstream in(dir.path() / "lane_desk_x_y_setting.res", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeScreen screen;
    FakeMainWindowControls w;
    FakeMainWindowPeers peers;
    std::vector<std::string>& log = peers.log;
    Rect shown_geometry;
    bool shown_frame8_visible = false;
    std::unique_ptr<MainController> window_;
};

TEST_F(MainWindowTest, LoadSequenceRunsItsStepsInOrder) {
    window().Form_Load();
    EXPECT_EQ(log, (std::vector<std::string>{"tray", "popup:0", "show", "bookmark titles",
                                             "verified_radio", "my_radio", "radio_on"}));
    EXPECT_EQ(w.wb1.navigations, (std::vector<std::string>{"about: blank", "http://start/"}));
    EXPECT_EQ(w.wb2.navigations, std::vector<std::string>{"about: blank"});
    EXPECT_EQ(window().layout_state().menu_position, BarPosition::Down);
    EXPECT_EQ(window().layout_state().view_mode, ViewMode::Normal);
    EXPECT_FALSE(window().host().scrap_view());
    // The geometry is restored before the window is shown; the media pane hides at the end.
    EXPECT_EQ(shown_geometry, (Rect{3200, 0, 28800 - 3200, 15600 - 380}));
    EXPECT_TRUE(shown_frame8_visible);
    EXPECT_FALSE(w[MainControl::Frame8].shown);
}

TEST_F(MainWindowTest, CloseSequenceSavesGeometryOnceAndEndsTheProcess) {
    window().Form_Load();
    w[MainControl::Form1].x = -60;
    w[MainControl::Form1].y = -60;
    w[MainControl::Form1].w = 28920;
    w[MainControl::Form1].h = 15720;
    log.clear();
    // A close request arriving while the geometry is saved must not start a second sequence.
    pump.on_event = [this] { window().Form_Unload(); };
    EXPECT_THROW(window().Form_Unload(), ProcessEnded);
    EXPECT_EQ(geometry_bytes(), "-60|-60|28920|15720\r\n");
    EXPECT_EQ(log, (std::vector<std::string>{"untray", "close_windows"}));
    EXPECT_TRUE(window().closing());
}

TEST_F(MainWindowTest, SavedGeometryComesBackAtTheNextStart) {
    RecordFile(dir.path() / "lane_desk_x_y_setting.res").append({"1500", "300", "15000", "9000"});
    window().call_width();
    EXPECT_EQ(w[MainControl::Form1].x, 1500);
    EXPECT_EQ(w[MainControl::Form1].y, 300);
    EXPECT_EQ(w[MainControl::Form1].w, 15000);
    EXPECT_EQ(w[MainControl::Form1].h, 9000);
}

TEST_F(MainWindowTest, ExitAsksAndDoesNothingOnNo) {
    window().Form_Load();
    dialogs.answers = {false};
    window().mPopExit_Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "프레스레인를 완전히 종료하시겠습니까?");
    EXPECT_EQ(dialogs.boxes[0].title, "종료확인");
    EXPECT_FALSE(window().closing());
    EXPECT_THROW(window().mPopExit_Click(), ProcessEnded);
    EXPECT_TRUE(window().closing());
}

TEST_F(MainWindowTest, TogglesRelayoutButLeaveTheMediaPaneWhereItIs) {
    w[MainControl::Form1].w = 18000;
    w[MainControl::Form1].h = 12000;
    window().Form_Resize();
    EXPECT_EQ(w[MainControl::Frame10].y, 1300 + 12000 - 2490);
    window().anchor_media_pane();
    const int pane_top = w[MainControl::Frame8].y;
    EXPECT_EQ(pane_top, w[MainControl::Frame10].y - 3000);

    window().toggle_menu_position();
    EXPECT_EQ(window().layout_state().menu_position, BarPosition::Up);
    EXPECT_EQ(w[MainControl::Frame10].y, 780 + 390 + 130);
    EXPECT_EQ(w[MainControl::Picture12].tip, "하단으로 메뉴 내리기");
    EXPECT_EQ(w[MainControl::Frame8].y, pane_top);
    window().anchor_media_pane();
    EXPECT_EQ(w[MainControl::Frame8].y, 780 + 390 + 130 + 390);

    window().toggle_view();
    EXPECT_EQ(window().layout_state().view_mode, ViewMode::Wide);
    EXPECT_EQ(w[MainControl::Frame2].y, 0);
    EXPECT_EQ(w[MainControl::Frame17].y, 120);
    window().toggle_view();
    window().toggle_menu_position();
    EXPECT_EQ(window().layout_state().view_mode, ViewMode::Normal);
    EXPECT_EQ(window().layout_state().menu_position, BarPosition::Down);
}

// Every command of the menu bar reaches its target; the article commands are crossed as their
// buttons are: "기사 메일발송" prints and "기사 인쇄하기" opens the mail window.
TEST_F(MainWindowTest, EveryMenuCommandReachesItsTarget) {
    const std::map<std::string, std::vector<std::string>> targets = {
        {"menu02_5", {"settings"}},  {"menu02_1", {"settings"}},
        {"menu02_6", {"settings"}},  {"menu02_2", {"settings"}},
        {"menu02_7", {"settings"}},  {"menu02_3", {"about"}},
        {"menu02_4", {"home page"}}, {"menu04", {"home page"}},
        {"mPopExit", {"asked"}},     {"menu02_8", {"media settings"}},
        {"menu03_1", {"scrap"}},     {"menu03_3", {"maximise", "preview", "print"}},
        {"menu03_2", {"mail"}},      {"menu06_1", {"wide view"}},
        {"menu06_2", {"bar up"}},    {"menu03_4", {"bookmarks"}},
    };
    dialogs.answers = {false};
    std::size_t commands = 0;
    for (const Menu& menu : main_menu()) {
        std::vector<const MenuItem*> items;
        for (const MenuItem& item : menu.items) items.push_back(&item);
        const MenuItem top{menu.name, menu.caption};
        if (items.empty()) items.push_back(&top);
        for (const MenuItem* item : items) {
            if (item->separator()) continue;
            ++commands;
            SCOPED_TRACE(item->name);
            log.clear();
            w.wb1.calls.clear();
            dialogs.boxes.clear();
            const LayoutState before = window().layout_state();
            window().menu_command(item->name);
            std::vector<std::string> effects = log;
            effects.insert(effects.end(), w.wb1.calls.begin(), w.wb1.calls.end());
            if (!dialogs.boxes.empty()) effects.push_back("asked");
            if (window().layout_state().view_mode != before.view_mode) {
                effects.push_back(window().layout_state().wide() ? "wide view" : "normal view");
            }
            if (window().layout_state().menu_position != before.menu_position) {
                effects.push_back(window().layout_state().up() ? "bar up" : "bar down");
            }
            ASSERT_TRUE(targets.count(item->name));
            EXPECT_EQ(effects, targets.at(item->name));
        }
    }
    EXPECT_EQ(commands, targets.size());
    EXPECT_FALSE(window().closing());
}

TEST_F(MainWindowTest, ClockShowsTheTimeAndInstallMenuReplacesIt) {
    clock.time = "오후 10:35:12";
    window().Timer2_Timer();
    EXPECT_EQ(w[MainControl::Label7].text, "오후 10:35:12");
    w[MainControl::Form1].w = 20000;
    window().install_menu();
    EXPECT_EQ(w[MainControl::Label7].x, 20000 - 1095 - 300);
    window().Form_Activate();
    EXPECT_EQ(log.back(), "version_check");
}

}  // namespace
}  // namespace presslane
