#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_item_list.h"
#include "search/placement.h"
#include "search/portal_search_controller.h"
#include "search/webmail_controller.h"

namespace presslane {
namespace {

const std::vector<std::string> kEngineNames = {"네이버", "엠파스", "다음",
                                               "야후",   "구글",   "네이트"};

// The main window's controls the placement reads.
struct MainWindowControls {
    MainWindowControls() {
        form1.x = 1000;
        form1.y = 500;
        form1.h = 9000;
        frame10.h = 390;
    }
    FakeControl form1, frame10;
};

class PortalSearchTest : public ::testing::Test {
protected:
    PortalSearchTest() {
        for (int i = 0; i < 6; ++i) {
            const std::string n = std::to_string(i);
            sites.push_back({"http://s" + n + ".test", "http://home" + n + ".test/"});
        }
    }
    void search(const std::string& engine, const std::string& query) {
        controls[PortalSearchControl::Combo1].text = engine;
        controls[PortalSearchControl::Text1].text = query;
        portal().Command1_Click();
    }
    PortalSearchController& portal() {
        if (!controller)
            controller = std::make_unique<PortalSearchController>(
                controls.controls, engines, main.form1, main.frame10, web1, pump,
                [this] { ++focused; }, sites);
        return *controller;
    }

    FakeControls<PortalSearchControl> controls;
    MainWindowControls main;
    FakeItemList engines;
    FakeBrowser web1;
    FakeClock clock;
    FakeEventPump pump{clock};
    int focused = 0;
    std::vector<PortalSearchController::Site> sites;
    std::unique_ptr<PortalSearchController> controller;
};

TEST_F(PortalSearchTest, BuildsEachEnginesAddressWithTheWholeQueryEncoded) {
    const struct {
        const char* engine;
        const char* query;
        const char* address;
    } cases[] = {
        // EUC-KR bytes of 뉴스 (B4BA BDBA), as the suffix declares.
        {"구글", "뉴스",
         "http://s4.test/search?q=%B4%BA%BD%BA&hl=ko&ie=euc-kr&oe=euc-kr&lr=lang_ko"},
        {"구글", "", "http://s4.test/search?q=&hl=ko&ie=euc-kr&oe=euc-kr&lr=lang_ko"},
        {"네이버", "뉴스", "http://s0.test/search.naver?query=%EB%89%B4%EC%8A%A4"},
        {"네이버", "a&b#c+d%e", "http://s0.test/search.naver?query=a%26b%23c%2Bd%25e"},
        {"엠파스", "", "http://s1.test/search/all.html?q="},
        {"다음", " two words ", "http://s2.test/cgi-bin/nsp/search.cgi?q=%20two%20words%20"},
        {"야후", "Az09-._~?=/", "http://s3.test/bin/search?p=Az09-._~%3F%3D%2F"},
        {"네이트", "x", "http://s5.test/search/srch_allindex.asp?query=x"},
    };
    for (const auto& c : cases) {
        web1.navigations.clear();
        search(c.engine, c.query);
        EXPECT_EQ(web1.navigations, std::vector<std::string>{c.address}) << c.engine << c.query;
    }
    EXPECT_EQ(focused, static_cast<int>(std::size(cases)));
    EXPECT_GT(pump.pending_runs, 0);
}

TEST_F(PortalSearchTest, AnEngineNameNotInTheTableOpensNothingButRefocuses) {
    for (const char* engine : {"구글 ", "google", "", "네이버네이버"}) search(engine, "뉴스");
    EXPECT_TRUE(web1.navigations.empty());
    EXPECT_EQ(focused, 4);
}

TEST_F(PortalSearchTest, EnterInTheQueryBoxSearchesAndOtherKeysDoNot) {
    controls[PortalSearchControl::Combo1].text = "네이트";
    controls[PortalSearchControl::Text1].text = "q";
    portal().Text1_KeyPress('a');
    EXPECT_TRUE(web1.navigations.empty());
    portal().Text1_KeyPress(PortalSearchController::kEnterKey);
    EXPECT_EQ(web1.navigations,
              std::vector<std::string>{"http://s5.test/search/srch_allindex.asp?query=q"});
}

TEST_F(PortalSearchTest, ActivationRebuildsTheListAndSelectsNaverButKeepsTheQuery) {
    engines.entries = {"leftover"};
    controls[PortalSearchControl::Combo1].text = "다음";
    controls[PortalSearchControl::Text1].text = "지난 검색";
    for (int round = 0; round < 2; ++round) {
        portal().Form_Activate();
        EXPECT_EQ(engines.entries, kEngineNames);
        EXPECT_EQ(controls[PortalSearchControl::Combo1].text, "네이버");
        EXPECT_EQ(controls[PortalSearchControl::Text1].text, "지난 검색");
        controls[PortalSearchControl::Combo1].text = "구글";
    }
    EXPECT_EQ(focused, 2);
}

TEST_F(PortalSearchTest, LogosOpenTheEnginesHomePages) {
    portal().Image2_Click();
    portal().Image4_Click();
    portal().Image5_Click();
    portal().Image6_Click();
    portal().Image7_Click();
    portal().Image8_Click();
    std::vector<std::string> homes;
    for (const auto& site : sites) homes.push_back(site.home_page);
    EXPECT_EQ(web1.navigations, homes);
}

TEST(SearchPlacement, SitsAboveTheStatusBar) {
    MainWindowControls main;
    FakeControl window;
    window.h = 3000;
    place_over_status_bar(window, main.form1, main.frame10, PortalSearchController::kLeftOffset);
    EXPECT_EQ(window.x, 1000 + 4350);
    EXPECT_EQ(window.y, 500 + 9000 - (390 + 3000 + 200));
    place_over_status_bar(window, main.form1, main.frame10, WebmailController::kLeftOffset);
    EXPECT_EQ(window.x, 1000 + 3230);
}

class WebmailLoginTest : public ::testing::Test {
protected:
    static constexpr char kLoginPage[] = "https://login.test:8443/session/login.html";

    WebmailLoginTest() {
        controls[WebmailControl::Text1].text = "kim";
        controls[WebmailControl::Text2].text = "p&ss word";
        web1.view.shown = false;
        for (int i = 0; i < 11; ++i) sites.provider_pages.push_back("http://p" + std::to_string(i));
        pump.on_event = [this] {
            ++events;
            if (on_event) on_event();
        };
    }
    WebmailController& login() {
        if (!controller)
            controller = std::make_unique<WebmailController>(
                controls.controls, providers, main.form1, main.frame10,
                WebmailController::Ports{web1, dialogs, pump, clock}, [this] { ++focused; }, sites);
        return *controller;
    }
    WebmailController::Sites sites{kLoginPage, {}, 30.0f};
    const std::vector<std::pair<std::string, std::string>> typed = {{"userid", "kim"},
                                                                    {"passwd", "p&ss word"}};

    FakeControls<WebmailControl> controls;
    MainWindowControls main;
    FakeItemList providers;
    FakeBrowser web1;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    int focused = 0;
    int events = 0;
    std::function<void()> on_event;
    std::unique_ptr<WebmailController> controller;
};

TEST_F(WebmailLoginTest, ActivationListsTheElevenProvidersAndSelectsDaum) {
    providers.entries = {"leftover"};
    controls[WebmailControl::Combo1].text = "야후";
    login().Form_Activate();
    EXPECT_EQ(providers.entries,
              (std::vector<std::string>{"다음", "엠팔", "네이트(라이코스)", "핫메일", "네이버",
                                        "오르지오", "파란", "코리아닷컴", "네띠앙", "야후",
                                        "구글(Gmail)"}));
    EXPECT_EQ(controls[WebmailControl::Combo1].text, "다음");
    EXPECT_EQ(focused, 1);
}

TEST_F(WebmailLoginTest, LogosOpenTheProvidersPagesInTableOrder) {
    for (void (WebmailController::*click)() :
         {&WebmailController::Image2_Click, &WebmailController::Image4_Click,
          &WebmailController::Image5_Click, &WebmailController::Image6_Click,
          &WebmailController::Image7_Click, &WebmailController::Image8_Click,
          &WebmailController::Image9_Click, &WebmailController::Image10_Click,
          &WebmailController::Image11_Click, &WebmailController::Image12_Click,
          &WebmailController::Image13_Click})
        (login().*click)();
    EXPECT_EQ(web1.navigations, sites.provider_pages);
}

TEST(WebmailSites, GmailAndTheLoginPageAreOpenedOverHttps) {
    const WebmailController::Sites sites = WebmailController::default_sites();
    ASSERT_EQ(sites.provider_pages.size(), WebmailController::kProviders.size());
    EXPECT_EQ(sites.provider_pages.back().rfind("https://", 0), 0u);
    EXPECT_EQ(sites.login_page.rfind("https://", 0), 0u);
}

// Whatever page is displayed, the id and password are offered only to a document of the login
// page's origin; the provider chosen in the list changes nothing.
TEST_F(WebmailLoginTest, QuickLoginOffersTheFieldsOnlyToTheLoginPageAndOpensIt) {
    for (const bool displayed_is_login_page : {false, true}) {
        web1.fill_result = displayed_is_login_page;
        web1.fills.clear();
        web1.navigations.clear();
        controls[WebmailControl::Combo1].text = displayed_is_login_page ? "야후" : "다음";
        login().Command1_Click();
        EXPECT_EQ(web1.navigations, std::vector<std::string>{kLoginPage});
        ASSERT_EQ(web1.fills.size(), 1u);
        EXPECT_EQ(web1.fills[0].page, kLoginPage);
        EXPECT_EQ(web1.fills[0].fields, typed);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    login().Text2_KeyPress(WebmailController::kEnterKey);
    login().Text2_KeyPress('x');
    EXPECT_EQ(web1.fills.size(), 2u);
}

TEST_F(WebmailLoginTest, WaitingLoginFillsOnceTheLoadedLoginPageOffersItsFields) {
    web1.loading = true;
    on_event = [this] {
        // Nothing is filled while the page loads or while there is no document.
        if (web1.loading || !web1.document) {
            EXPECT_TRUE(web1.fills.empty()) << events;
        }
        if (events == 3) {
            web1.loading = false;
            web1.document = false;
        }
        if (events == 5) web1.document = true;
        if (events == 9) web1.fill_result = true;
    };
    login().Command2_Click();
    EXPECT_EQ(web1.navigations, std::vector<std::string>{kLoginPage});
    EXPECT_TRUE(web1.view.shown);
    ASSERT_FALSE(web1.fills.empty());
    EXPECT_EQ(web1.fills.back().page, kLoginPage);
    EXPECT_EQ(web1.fills.back().fields, typed);
    EXPECT_GE(events, 9);
    EXPECT_TRUE(dialogs.boxes.empty());
    // It slept between its looks instead of spinning.
    EXPECT_GE(pump.waits, 8);
}

// Over plain http the password would cross the network readable by anyone on the way: such a
// login page is opened but never filled, by either button, and the window says why.
TEST_F(WebmailLoginTest, APlainHttpLoginPageIsOpenedButNeverFilled) {
    for (const char* page : {"http://login.test/session/login.html",
                             "login.test/session/login.html", "httpsx://login.test/"}) {
        sites.login_page = page;
        controller.reset();
        web1.fill_result = true;
        web1.navigations.clear();
        dialogs.boxes.clear();
        login().Command1_Click();
        login().Command2_Click();
        EXPECT_EQ(web1.navigations, (std::vector<std::string>{page, page})) << page;
        EXPECT_TRUE(web1.fills.empty()) << page;
        EXPECT_LT(pump.waited, 1.0) << page;
        ASSERT_EQ(dialogs.boxes.size(), 2u) << page;
        for (const auto& box : dialogs.boxes) {
            EXPECT_EQ(box.text, WebmailController::kNotSecureText);
            EXPECT_EQ(box.title, "프레스레인 메일검색");
        }
    }
    sites.login_page = "HTTPS://login.test/";
    controller.reset();
    login().Command1_Click();
    EXPECT_EQ(web1.fills.size(), 1u);
}

TEST_F(WebmailLoginTest, WaitingLoginGivesUpAfterItsBoundWithAMessageAlsoOverMidnight) {
    for (const double start : {36000.0, 86400.0 - 10.0}) {
        clock.seconds = start;
        pump.waited = 0;
        dialogs.boxes.clear();
        login().Command2_Click();
        EXPECT_GE(pump.waited, 30.0) << start;
        EXPECT_LT(pump.waited, 31.0) << start;
        ASSERT_EQ(dialogs.boxes.size(), 1u) << start;
        EXPECT_EQ(dialogs.boxes[0].text, WebmailController::kNoFieldsText);
        EXPECT_EQ(dialogs.boxes[0].title, "프레스레인 메일검색");
    }
}

TEST_F(WebmailLoginTest, AWaitingLoginIgnoresASecondClickAndStopsQuietlyWhenTheWindowCloses) {
    on_event = [this] {
        if (events == 2) login().Command2_Click();
        if (events == 4) login().Form_Unload();
    };
    login().Command2_Click();
    EXPECT_EQ(web1.navigations.size(), 1u);
    EXPECT_LT(pump.waited, 1.0);
    EXPECT_TRUE(dialogs.boxes.empty());
    // Once unloaded, neither login does anything.
    login().Command1_Click();
    login().Command2_Click();
    EXPECT_EQ(web1.navigations.size(), 1u);
}

}  // namespace
}  // namespace presslane
