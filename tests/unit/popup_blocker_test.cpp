#include "browse/popup_blocker.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "fakes/fake_browser.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"

namespace presslane {
namespace {

struct Popups : ::testing::Test {
    void load(std::optional<std::string> field2) {
        blocker.set_from_settings(field2 ? &*field2 : nullptr);
    }
    FakeControl button;
    FakeBrowser main;
    FakeBrowser sink;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    PopupBlocker blocker{main, sink, button, dialogs, pump};
};

TEST_F(Popups, SettingsFieldDecidesAtStartPageLoad) {
    struct Case {
        std::optional<std::string> field2;
        bool blocks;
    };
    const Case cases[] = {{"1", true},   {"0", false},  {"", true},   {std::nullopt, true},
                          {"abc", true}, {"1.0", true}, {" 1", true}, {"2", false},
                          {"1x", true},  {"-1", false}};
    for (const Case& c : cases) {
        PopupBlocker fresh{main, sink, button, dialogs, pump};
        EXPECT_FALSE(fresh.blocking());
        // Off until the settings line is read.
        EXPECT_EQ(fresh.WebBrowser1_NewWindow2(false), nullptr);
        fresh.set_from_settings(c.field2 ? &*c.field2 : nullptr);
        SCOPED_TRACE(c.field2.value_or("(missing)"));
        EXPECT_EQ(fresh.blocking(), c.blocks);
        EXPECT_EQ(button.caption(), c.blocks ? "팝업금지" : "팝업허용");
        EXPECT_EQ(fresh.WebBrowser1_NewWindow2(false), c.blocks ? &sink : nullptr);
        // A window the user asked for is never blocked: it opens in the main browser.
        EXPECT_EQ(fresh.WebBrowser1_NewWindow2(true), c.blocks ? &main : nullptr);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Popups, BlockingSurvivesALaterLoadAskingForNone) {
    load("0");
    EXPECT_FALSE(blocker.blocking());
    blocker.Toolbar1_Button7_Click();
    load("0");
    EXPECT_TRUE(blocker.blocking());
    EXPECT_EQ(button.caption(), "팝업금지");
}

TEST_F(Popups, ToggleFlipsCaptionAndTellsTheUser) {
    blocker.Toolbar1_Button7_Click();  // off at first
    EXPECT_TRUE(blocker.blocking());
    EXPECT_EQ(button.caption(), "팝업금지");
    blocker.Toolbar1_Button7_Click();
    EXPECT_FALSE(blocker.blocking());
    EXPECT_EQ(button.caption(), "팝업허용");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "현재부터 광고(팝업)창이 뜨는것을 허용하지 않습니다");
    EXPECT_EQ(dialogs.boxes[0].title, "팝업창 금지");
    EXPECT_EQ(dialogs.boxes[1].text, "현재부터 광고(팝업)창이 뜨는것을 허용합니다");
    EXPECT_EQ(dialogs.boxes[1].title, "팝업창 허용");
    EXPECT_FALSE(dialogs.boxes[1].question);
}

TEST_F(Popups, NewWindowLetsEventsRunBeforeDeciding) {
    load("1");
    pump.on_event = [this] { blocker.Toolbar1_Button7_Click(); };
    // The toggle that ran in the meantime decides.
    EXPECT_EQ(blocker.WebBrowser1_NewWindow2(false), nullptr);
    EXPECT_EQ(pump.pending_runs, 1);
}

}  // namespace
}  // namespace presslane
