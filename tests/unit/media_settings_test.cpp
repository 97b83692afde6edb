#include "media/media_settings_controller.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_platform.h"
#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
#include "fakes/temp_dir.h"
#include "fakes/fake_media_player.h"

namespace presslane {
namespace {

std::string read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Form10Test : ::testing::Test {
    Form10Test() {
        form.w = 9000;
        screen.screen.width = 24000;
        frame2.shown = text3.shown = frame8.shown = false;
    }
    std::string book() const { return read(dir.path() / "radiobook.res"); }
    void set_book(const std::string& bytes) {
        std::ofstream(dir.path() / "radiobook.res", std::ios::binary) << bytes;
    }
    void select(const std::string& name) {
        combo1.text = name;
        window.Combo1_Click();
    }
    std::string last_box() const {
        return dialogs.boxes.empty() ? ""
                                     : dialogs.boxes.back().text + "/" + dialogs.boxes.back().title;
    }

    TempDir dir;
    FakeControls<MediaSettingsControl> controls;
    FakeControl& form = controls[MediaSettingsControl::Form10];
    FakeControl& text1 = controls[MediaSettingsControl::Text1];
    FakeControl& text2 = controls[MediaSettingsControl::Text2];
    FakeControl& text3 = controls[MediaSettingsControl::Text3];
    FakeControl& combo1 = controls[MediaSettingsControl::Combo1];
    FakeControl& frame2 = controls[MediaSettingsControl::Frame2];
    FakeControl frame8, label26;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeItemList items;
    FakeBrowser board1, board2, main_browser;
    FakeMediaPlayer player;
    FakeScreen screen;
    MediaSettingsController window{
        controls.controls,
        {dialogs, pump, clock, items, board1, board2, main_browser, player, frame8, label26,
         screen},
        dir.path(),
        {"about:ready", "http://srv/b2", "http://srv/b1", "http://portal/search"}};
};

TEST_F(Form10Test, OpeningLoadsBoardsListsChannelsAndCentresTheWindow) {
    set_book("d|A|x\r\n\r\nd|B|y\r\n");
    window.Form_Load();
    EXPECT_EQ(board1.navigations, (std::vector<std::string>{"about:ready", "http://srv/b2"}));
    EXPECT_EQ(board2.navigations, (std::vector<std::string>{"about:ready", "http://srv/b1"}));
    EXPECT_EQ(items.entries, (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(frame2.shown);
    EXPECT_EQ(form.w, 11220);
    EXPECT_EQ(form.x, 24000 / 2 - 11220 / 2);
}

TEST_F(Form10Test, OnlyTheFirstActivationFocusesTheBoard) {
    window.Form_Load();
    window.Form_Activate();
    EXPECT_EQ(board1.focus_requests, 1);
    // The window becomes active again when a message box closes.
    window.Command1_Click();
    window.Form_Activate();
    EXPECT_EQ(board1.focus_requests, 1);
    EXPECT_EQ(board2.focus_requests, 0);
}

TEST_F(Form10Test, AddingChecksBothBoxesAndAlwaysClearsThem) {
    struct Case {
        const char* name;
        const char* address;
        const char* box;
        const char* book;
    };
    const Case cases[] = {
        {"", "x", "방송국 이름을 입력해주세요/알림", ""},
        {"A", "", "저장될 방송국 주소를 입력해주세요/알림", ""},
        {"A", "x", "A 주소를 나만의 라디오 방송국에 저장하였습니다/saved", "2026-12-09|A|x\r\n"},
        {" ", "a|b", "  주소를 나만의 라디오 방송국에 저장하였습니다/saved",
         "2026-12-09|A|x\r\n2026-12-09| |a%7Cb\r\n"},
    };
    for (const auto& c : cases) {
        text1.text = c.name;
        text2.text = c.address;
        text3.shown = true;
        text3.text = "old";
        window.Command1_Click();
        EXPECT_EQ(last_box(), c.box);
        EXPECT_EQ(book(), c.book);
        EXPECT_EQ(text1.text + text2.text + text3.text, "");
        EXPECT_FALSE(text3.shown);
    }
    EXPECT_EQ(items.entries, (std::vector<std::string>{"A", " "}));
}

TEST_F(Form10Test, SelectingTakesTheLastMatchAndPlaysTheEditedAddress) {
    set_book("d|A|first\r\nd|B|b\r\nd|A|second\r\n");
    window.Command4_Click();
    EXPECT_EQ(last_box(),
              "라디오 방송 주소가 잘못되었습니다. 저장된 주소를 다시 확인해주세요./에러");
    EXPECT_TRUE(player.opened.empty());

    select("A");
    EXPECT_TRUE(text3.shown);
    EXPECT_EQ(text3.text, "second");
    EXPECT_EQ(window.selected_address(), "second");
    text3.text = "edited";
    window.Command4_Click();
    EXPECT_EQ(player.opened, (std::vector<std::string>{"edited"}));
    EXPECT_TRUE(frame8.shown);
    EXPECT_EQ(label26.text, "A.. ON! ");
}

TEST_F(Form10Test, PlayingTheTypedAddressNeedsOne) {
    window.Command2_Click();
    EXPECT_EQ(last_box(), "라디오 방송 주소가 잘못되었습니다. 다시 입력해주세요./에러");
    EXPECT_FALSE(frame8.shown);
    text2.text = "http://127.0.0.1/s";
    window.Command2_Click();
    EXPECT_EQ(player.opened, (std::vector<std::string>{"http://127.0.0.1/s"}));
    EXPECT_TRUE(frame8.shown);
    EXPECT_EQ(label26.text, "Radio Media.. ON! ");
    EXPECT_EQ(book(), "");
}

TEST_F(Form10Test, DeletingRemovesEveryMatchButKeepsTheSelection) {
    set_book("d|A|x\r\n\r\nd|B|y|z\r\nd|A|w\r\n");
    select("A");
    window.Command3_Click();
    EXPECT_EQ(book(), "d|B|y\r\n");
    EXPECT_EQ(last_box(), "A 을 삭제 하였습니다/결과");
    EXPECT_EQ(items.entries, (std::vector<std::string>{"B"}));
    EXPECT_EQ(window.selected_address(), "w");
    EXPECT_FALSE(text3.shown);
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(Form10Test, AFailedAddOrDeleteSaysSoAndKeepsTheBook) {
    const std::string before = "d|A|x\r\nd|B|y\r\n";
    set_book(before);
    text1.text = "C";
    text2.text = "http://c.test/";
    {
        FileSizeLimit full(before.size() + 4);
        window.Command1_Click();
    }
    EXPECT_EQ(last_box(), "파일에 저장하지 못했습니다./에러");
    EXPECT_EQ(book(), before);

    select("A");
    {
        FileSizeLimit full(3);
        window.Command3_Click();
    }
    EXPECT_EQ(last_box(), "파일에서 삭제하지 못했습니다./에러");
    EXPECT_EQ(book(), before);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "radiobook_backup.res"));
}
#endif

TEST_F(Form10Test, DeletingWithNothingChosenOnlyRemovesTheScratch) {
    set_book("d|A|x\r\n\r\n");
    std::ofstream(dir.path() / "radiobook_backup.res") << "left over";
    window.Command3_Click();
    EXPECT_EQ(last_box(), "삭제할 라디오 방송국을 선택해주세요/알림");
    EXPECT_EQ(book(), "d|A|x\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "radiobook_backup.res"));
}

TEST_F(Form10Test, HelpButtonsShowNoticesAndSearchInTheMainBrowser) {
    set_book("d|A|x\r\n");
    window.Command5_Click();
    EXPECT_EQ(last_box(),
              "검색엔진에서 [방송URL]로 검색하시면 공개된 많은 주소들을 구하실 수 있습니다/알림");
    window.Command11_Click();
    EXPECT_EQ(last_box(),
              "죄송합니다\r\n\r\n당분간 마케팅 계약이 성립된 방송사들을 중심으로 채널을 "
              "공유하도록 하겠습니다/현재 이 기능은 제공되지 않습니다");
    const double before = clock.seconds;
    window.Command88_Click();
    EXPECT_GT(clock.seconds - before, 0.3);
    EXPECT_EQ(main_browser.navigations, (std::vector<std::string>{"http://portal/search"}));
    EXPECT_EQ(book(), "d|A|x\r\n");
}

}  // namespace
}  // namespace presslane
