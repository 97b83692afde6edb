#include "media/media_pane_controller.h"

#include <fstream>

#include <gtest/gtest.h>

#include "browse/main_controls.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/temp_dir.h"
#include "fakes/fake_media_player.h"

namespace presslane {
namespace {

void write(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

struct MediaPaneTest : ::testing::Test {
    MediaPaneTest() {
        frame8.shown = false;
        label26.text = "Media OFF";
        combo2.text = "my radio";
    }
    MediaPaneController& pane() {
        if (!pane_) {
            pane_ = std::make_unique<MediaPaneController>(
                window.controls,
                MediaPaneController::Ports{dialogs, pump, inet, player, items, browser}, dir.path(),
                MediaPaneController::Addresses{"http://srv/list", "http://srv/guide/"}, peers,
                peers);
        }
        return *pane_;
    }
    void book(const std::string& bytes) { write(dir.path() / "radiobook.res", bytes); }
    void verified(const std::string& bytes) { write(dir.path() / "radiobook2.res", bytes); }
    void autoplay(const std::string& bytes) {
        write(dir.path() / "lane_desk_setting_radio.res", bytes);
    }

    TempDir dir;
    FakeControls<MainControl> window;
    FakeControl& frame8 = window[MainControl::Frame8];
    FakeControl& label26 = window[MainControl::Label26];
    FakeControl& combo2 = window[MainControl::Combo2];
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeInet inet;
    FakeMediaPlayer player;
    FakeItemList items;
    FakeBrowser browser;
    // The pane's widget and the main window, each call written down.
    struct Peers final : MediaPaneController::Drag, MediaPaneController::Window {
        void begin_drag() override { events.push_back("drag"); }
        void end_drag() override { events.push_back("drop"); }
        ViewMode view_mode() const override { return mode; }
        void open_media_window() override { events.push_back("form10"); }
        void open_settings() override { events.push_back("form3"); }
        ViewMode mode = ViewMode::Normal;
        std::vector<std::string> events;
    } peers;
    ViewMode& view_mode = peers.mode;
    std::vector<std::string>& events = peers.events;
    std::unique_ptr<MediaPaneController> pane_;
};

TEST_F(MediaPaneTest, StartUpListsVerifiedThenSeparatorThenOwnChannels) {
    inet.otherwise.body = "d|V1|http://v/1\r\nd|V2|http://v/2\r\n\r\nd|V3|http://v/3\r\n";
    book("d|M1|http://m/1\r\nnoname\r\nd|M2|http://m/2\r\n\r\nd|M3|http://m/3\r\n");
    items.entries = {"stale"};
    pane().load_verified_radio();
    pane().load_my_radio();
    EXPECT_EQ(items.entries, (std::vector<std::string>{"V1", "V2", "------------", "M1", "M2"}));
}

TEST_F(MediaPaneTest, AutoPlayLooksOnlyInTheOwnBookAndTheLastLineWins) {
    verified("d|A|http://verified/a\r\n");
    book("d|A|http://mine/a\r\n\r\nd|B|http://mine/b\r\nd|A|http://mine/a2\r\n");
    autoplay("A\r\n");
    pane().radio_on();
    EXPECT_EQ(player.opened, (std::vector<std::string>{"http://mine/a", "http://mine/a2"}));
    EXPECT_EQ(label26.text, "Media ON.. ( A )");
    EXPECT_TRUE(frame8.shown);
    EXPECT_EQ(combo2.text, "A");
}

TEST_F(MediaPaneTest, AutoPlayWithoutAnOwnChannelPlaysNothing) {
    for (const char* setting : {"", "\r\n", "V\r\n"}) {
        verified("d|V|http://verified/v\r\n");
        if (*setting) autoplay(setting);
        pane().radio_on();
        EXPECT_TRUE(player.opened.empty()) << setting;
        EXPECT_EQ(label26.text, "Media OFF");
        EXPECT_FALSE(frame8.shown);
    }
    EXPECT_EQ(combo2.text, "V");
}

TEST_F(MediaPaneTest, ChoosingANameInBothListsPlaysTheVerifiedAddress) {
    book("d|A|http://mine/a\r\n");
    verified("d|A|http://verified/a\r\n");
    combo2.text = "A";
    pane().Combo2_Click();
    EXPECT_EQ(player.opened, (std::vector<std::string>{"http://mine/a", "http://verified/a"}));
    EXPECT_EQ(label26.text, "media ON... A");
    EXPECT_TRUE(frame8.shown);
    EXPECT_EQ(player.calls,
              (std::vector<std::string>{"pos off", "track off", "pos off", "track off"}));
}

TEST_F(MediaPaneTest, ChoosingTheSeparatorPlaysNothingButSetsTheSwitches) {
    book("d|A|http://mine/a\r\n");
    combo2.text = "------------";
    pane().Combo2_Click();
    EXPECT_TRUE(player.opened.empty());
    EXPECT_FALSE(frame8.shown);
    EXPECT_EQ(player.calls.size(), 4u);
}

TEST_F(MediaPaneTest, LeftPressSetsTheGrabOffsetForTheViewMode) {
    struct Case {
        ViewMode mode;
        float x, y, gx, gy;
    };
    const Case cases[] = {{ViewMode::Normal, 100, 1500, 140, 534},
                          {ViewMode::Wide, 0, 500, 40, 300}};
    for (const auto& c : cases) {
        view_mode = c.mode;
        pane().MediaPlayer1_MouseDown(MediaPlayer::kLeftButton, 0, c.x, c.y);
        EXPECT_FLOAT_EQ(pane().grab_x(), c.gx);
        EXPECT_FLOAT_EQ(pane().grab_y(), c.gy);
    }
    pane().MediaPlayer1_MouseDown(MediaPlayer::kMiddleButton, 0, 5, 5);
    EXPECT_FLOAT_EQ(pane().grab_x(), 40);
    pane().MediaPlayer1_MouseUp(MediaPlayer::kLeftButton, 0, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"drag", "drag", "drop"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MediaPaneTest, DropsMoveThePaneByTheGrabOffset) {
    view_mode = ViewMode::Wide;
    pane().MediaPlayer1_MouseDown(MediaPlayer::kLeftButton, 0, 100, 500);  // grab 140, 300
    frame8.x = 100;
    frame8.y = 2000;
    pane().Frame8_DragDrop(30, 400);  // left 100 + 30 - 140 = -10, clamped
    EXPECT_EQ(frame8.x, 0);
    EXPECT_EQ(frame8.y, 2100);
    pane().Frame8_DragDrop(500, 300);
    EXPECT_EQ(frame8.x, 360);
    EXPECT_EQ(frame8.y, 2100);
    pane().WebBrowser1_DragDrop(1000, 5000);
    EXPECT_EQ(frame8.x, 860);
    EXPECT_EQ(frame8.y, 4700);
}

TEST_F(MediaPaneTest, DoubleClickTogglesFullScreenAndComesBackToFit) {
    player.size = 1;
    pane().MediaPlayer1_DblClick();
    pane().MediaPlayer1_DblClick();
    EXPECT_EQ(player.sizes, (std::vector<int>{3, 1, 0, 4}));
    EXPECT_EQ(player.DisplaySize(), 4);
}

TEST_F(MediaPaneTest, RightPressShowsTheClipInformation) {
    player.author = "Station";
    player.rights = "(c)";
    pane().MediaPlayer1_MouseDown(MediaPlayer::kRightButton, 0, 1, 1);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "방송정보");
    EXPECT_EQ(dialogs.boxes[0].text, "클립 :  \r\n\r\n만든이 :  Station\r\n\r\n저작권 :  (c)");
    EXPECT_TRUE(events.empty());
}

TEST_F(MediaPaneTest, ButtonsHideThePaneOpenTheGuideAndOpenTheWindows) {
    frame8.shown = true;
    player.opened = {"http://playing"};
    pane().Image5_Click();
    EXPECT_FALSE(frame8.shown);
    EXPECT_EQ(player.opened.size(), 1u);
    pane().Picture18_Click();
    EXPECT_EQ(browser.navigations, (std::vector<std::string>{"http://srv/guide/"}));
    pane().Picture19_Click();
    pane().Image4_Click();
    pane().menu02_8_Click();
    pane().Image3_Click();
    pane().menu02_7_Click();
    EXPECT_EQ(events, (std::vector<std::string>{"form10", "form10", "form10", "form3", "form3"}));
}

}  // namespace
}  // namespace presslane
