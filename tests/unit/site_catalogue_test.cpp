#include "browse/site_catalogue.h"

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "browse/browser_host.h"
#include "browse/catalogue.h"
#include "browse/menu_anchor.h"
#include "browse/page_actions.h"
#include "common/endpoints.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"

namespace presslane {
namespace {

// Labels and menus of the catalogue as fake controls, with the Frame2 label geometry.
struct SiteCatalogueTest : ::testing::Test {
    SiteCatalogueTest() {
        for (const auto& m : catalogue::menus()) {
            Control& label = cat[m.label];
            label.set_width(1395);
            label.set_height(270);
            cat[catalogue::menu_control(m)].set_visible(false);
        }
        for (int k = 0; k < 6; ++k) {
            Control& label = cat["Label" + std::to_string(k + 1)];
            label.set_left(3405 + 1440 * k);
            label.set_top(165);
        }
        pump.on_event = [this] { events.push_back("events"); };
    }
    Control& menu(const char* name) { return cat[name]; }
    // The position in the catalogue of the menu the label opens.
    static std::size_t of(const char* label) {
        return static_cast<std::size_t>(catalogue::menu_of_label(label) -
                                        catalogue::menus().data());
    }
    std::vector<std::string> navigations_and_events() {
        std::vector<std::string> out = events;
        for (const auto& n : browser.navigations) out.push_back(n);
        return out;
    }

    FakeCatalogueControls cat;
    FakeBrowser browser;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeShell shell;
    std::vector<std::string> events;
    int hides = 0;
    SpecialPages special{
        browser,
        dialogs,
        pump,
        {"http://gateway.test/translate?tl=ko&u=", "http://server.test/all.html",
         "http://home.test/", "http://rank.test/", "http://flash.test/", "http://search.test/"},
        {[this] { ++hides; }, [this] { events.push_back("progress window"); }}};
    SiteCatalogue site{
        cat.controls, {browser, pump, shell, special}, "http://home.test/", {[this] { ++hides; }}};
};

TEST(HoverRule, EdgesOfTheLabel) {
    struct Case {
        int x, y;
        bool shows;
    };
    const Case cases[] = {{0, 100, false},    {1, 100, true},    {1395, 100, true},
                          {1396, 100, false}, {700, 0, true},    {700, -1, false},
                          {700, 270, true},   {700, 271, false}, {1395, 270, true},
                          {-15, -15, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(hover_shows(c.x, c.y, 1395, 270), c.shows) << c.x << "," << c.y;
    }
}

TEST_F(SiteCatalogueTest, HoverShowsOnlyThatLabelsMenuAndLeavesOthersOpen) {
    site.Label_MouseMove(of("Label2"), 300, 100);
    EXPECT_TRUE(menu("Frame12(0)").visible());
    site.Label_MouseMove(of("Label18"), 300, 100);  // same family, another bar
    EXPECT_TRUE(menu("Frame12(2)").visible());
    EXPECT_TRUE(menu("Frame12(0)").visible());
    site.Label_MouseMove(of("Label2"), 0, 100);  // left edge
    EXPECT_FALSE(menu("Frame12(0)").visible());
    EXPECT_TRUE(menu("Frame12(2)").visible());
}

TEST_F(SiteCatalogueTest, LogoClickLetsEventsRunThenNavigatesByMemberIndexAndHidesMenus) {
    site.Image_Click(3400, 1);
    EXPECT_EQ(navigations_and_events(),
              (std::vector<std::string>{"events", catalogue::entry(3400, 1)->target}));
    EXPECT_EQ(hides, 1);
    site.Image_Click(3400, 0);
    EXPECT_EQ(browser.navigations.back(), "https://www.ohmynews.com/");
    // A bare host name goes to the browser as stored.
    site.Image_Click(3006, 0);
    EXPECT_EQ(browser.navigations.back(), "www.khan.co.kr");
    // A member without an entry only hides the menus.
    site.Image_Click(3401, 1);
    EXPECT_EQ(browser.navigations.size(), 3u);
    EXPECT_EQ(hides, 4);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SiteCatalogueTest, TranslationEntriesAskAndMembersOfTheComputerMenuDoNot) {
    dialogs.answers = {true, false};
    site.Image_Click(3513, 0);
    site.Image_Click(3516, 0);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "번역하여 보시겠습니까?");
    EXPECT_TRUE(dialogs.boxes[0].question);
    EXPECT_EQ(dialogs.boxes[0].title, "[일본] 아사히신문 실시간 번역");
    EXPECT_EQ(dialogs.boxes[1].title, "[일본] 닛케이신문 실시간 번역");
    EXPECT_EQ(browser.navigations,
              (std::vector<std::string>{
                  "http://gateway.test/translate?tl=ko&u=https%3A%2F%2Fwww.asahi.com%2F",
                  "https://www.nikkei.com/"}));
    EXPECT_EQ(hides, 2);
    for (int array = 3513; array <= 3516; ++array) site.Image_Click(array, 1);
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(browser.navigations.back(), "https://www.ahnlab.com/");
}

TEST_F(SiteCatalogueTest, BannersNavigateWithoutTouchingMenusAndHomePageOpensOutside) {
    site.banner_click(MainControl::Picture8);
    site.banner_click(MainControl::Picture7);
    site.banner_click(MainControl::Picture20);
    site.banner_click(MainControl::Picture1);
    EXPECT_EQ(browser.navigations,
              (std::vector<std::string>{"https://www.yna.co.kr/", "https://www.ohmynews.com/",
                                        "https://www.jabo.co.kr/"}));
    EXPECT_EQ(hides, 0);
    site.open_home_page();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"http://home.test/"}));
    EXPECT_EQ(browser.navigations.size(), 3u);
}

TEST_F(SiteCatalogueTest, AllNewspapersOpenOnlyAfterTheProgressWindowClosed) {
    special.Label1000_Click();
    EXPECT_EQ(navigations_and_events(), (std::vector<std::string>{"events", "progress window",
                                                                  "http://server.test/all.html"}));
    special.Image32_Click();
    special.Image31_Click();
    special.Image30_Click();
    special.Picture16_Click();
    EXPECT_EQ(browser.navigations,
              (std::vector<std::string>{"http://server.test/all.html", "http://home.test/",
                                        "http://rank.test/", "http://flash.test/",
                                        "http://search.test/"}));
    EXPECT_EQ(hides, 0);
    // The page it opens is one the start-page and print actions refuse.
    EXPECT_TRUE(is_collected_page(endpoints::all_newspapers()));
}

// A window that lacks one menu of the catalogue fails when its controls are gathered.
TEST(CatalogueControlsGathering, AMissingMenuFailsLoudlyAtOnce) {
    std::deque<FakeControl> fakes;
    ControlSet set;
    for (const auto& m : catalogue::menus()) {
        set.add(m.label, fakes.emplace_back());
        if (&m != &catalogue::menus().back())
            set.add(catalogue::menu_control(m), fakes.emplace_back());
    }
    try {
        CatalogueControls controls(set);
        FAIL() << "gathered the catalogue from a window without its last menu";
    } catch (const MissingControl& e) {
        EXPECT_NE(std::string(e.what()).find(catalogue::menu_control(catalogue::menus().back())),
                  std::string::npos)
            << e.what();
    }
}

TEST_F(SiteCatalogueTest, InstallMenuHidesAndAnchorsUnderTheLabels) {
    for (auto& [name, f] : cat.fakes) f.set_visible(true);
    install_menus(cat.controls, true);
    struct Case {
        const char* menu;
        int left;
    };
    const Case cases[] = {{"Frame11(4)", 3405}, {"Frame11(0)", 3405}, {"Frame12(4)", 4845},
                          {"Frame13(1)", 6285}, {"Frame14(3)", 7725}, {"Frame15(3)", 9165},
                          {"Frame16(1)", 10605}};
    for (const Case& c : cases) {
        EXPECT_FALSE(menu(c.menu).visible()) << c.menu;
        EXPECT_EQ(menu(c.menu).left(), c.left) << c.menu;
        EXPECT_EQ(menu(c.menu).top(), 165 + 270 + 785) << c.menu;
    }

    install_menus(cat.controls, false);
    EXPECT_EQ(menu("Frame15(0)").top(), 165 + 270);
}

}  // namespace
}  // namespace presslane
