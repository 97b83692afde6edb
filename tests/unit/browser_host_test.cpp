#include "browse/browser_host.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "common/record_file.h"
#include "fakes/fake_main_window.h"
#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
#include "fakes/temp_dir.h"

namespace presslane {
namespace {

class BrowserHostTest : public ::testing::Test {
protected:
    BrowserHostTest() : pump(clock) {}
    BrowserHost& host() {
        if (!host_) {
            host_ = std::make_unique<BrowserHost>(
                BrowserHost::Browsers{w.wb1, w.wb2, w.wb3}, w.controls, w.progress, dialogs, pump,
                dir.path(),
                BrowserHost::Addresses{"4.47", "www.example.kr", "https://news.example.kr/",
                                       "http://count.example.kr/presslane_counter/counter.php"},
                peers, peers, peers);
        }
        return *host_;
    }
    RecordFile settings() const { return RecordFile(dir.path() / "lane_desk_setting.res"); }
    std::string settings_bytes() const {
        std::ifstream in(settings().path(), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump;
    FakeDialogs dialogs;
    FakeMainWindowControls w;
    FakeMainWindowPeers peers;
    std::vector<std::string>& log = peers.log;
    std::unique_ptr<BrowserHost> host_;
};

TEST_F(BrowserHostTest, FirstStartCreatesTheDefaultSettingsLine) {
    host().start_page_click();
    EXPECT_EQ(settings_bytes(), "https://news.example.kr/|0\r\n");
    EXPECT_EQ(w.wb1.navigations, std::vector<std::string>{"https://news.example.kr/"});
    EXPECT_EQ(w.wb3.navigations,
              std::vector<std::string>{"http://count.example.kr/presslane_counter/counter.php"});
    EXPECT_EQ(log, std::vector<std::string>{"popup:0"});
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(BrowserHostTest, FirstStartOnAFullDiskStillOpensTheDefaultStartPage) {
    {
        FileSizeLimit full(0);
        host().start_page_click();
    }
    EXPECT_FALSE(settings().exists());
    EXPECT_EQ(w.wb1.navigations, std::vector<std::string>{"https://news.example.kr/"});
    EXPECT_EQ(log, std::vector<std::string>{"popup:0"});
}
#endif

TEST_F(BrowserHostTest, StartPageDropsNulsAndPassesAMissingSecondField) {
    std::ofstream(settings().path(), std::ios::binary) << std::string("http://a\0b", 10) << "\r\n";
    host().start_page_click();
    EXPECT_EQ(w.wb1.navigations, std::vector<std::string>{"http://ab"});
    EXPECT_EQ(log, std::vector<std::string>{"popup:none"});
}

struct ProgressCase {
    int progress, max;
    const char* label;  // nullptr: unchanged
};

TEST_F(BrowserHostTest, ProgressWritesCaptionAndPercent) {
    w.wb1.title = "속보 | 뉴스";
    const ProgressCase cases[] = {
        {100, 200, "50 /100 %"}, {0, 0, nullptr},        {452, 1000, "45 /100 %"},
        {25, 1000, "2 /100 %"},  {35, 1000, "4 /100 %"}, {200, 200, "완료"},
        {-1, 200, nullptr},      {-1, 0, nullptr},       {1, 1000000, "0 /100 %"},
    };
    for (const auto& c : cases) {
        w[MainControl::Label26].text = "before";
        host().WebBrowser1_ProgressChange(c.progress, c.max);
        EXPECT_EQ(w[MainControl::Label26].text, c.label ? c.label : "before")
            << c.progress << "/" << c.max;
    }
    EXPECT_EQ(w[MainControl::Form1].text, "프레스레인 v4.47 [www.example.kr] ::: 속보 | 뉴스");
}

TEST_F(BrowserHostTest, ProgressBarKeepsItsStateForRejectedValues) {
    host().WebBrowser1_ProgressChange(30, 100);
    host().WebBrowser1_ProgressChange(-1, 100);
    host().WebBrowser1_ProgressChange(500, 0);
    EXPECT_EQ(w.progress.maximum, 100);
    EXPECT_EQ(w.progress.current, 30);
}

TEST_F(BrowserHostTest, BeforeNavigateSilencesAndMouseOverClosesMenus) {
    host().WebBrowser1_BeforeNavigate2();
    EXPECT_TRUE(w.wb1.silent);
    host().HTMLDoc_onmouseover();
    EXPECT_EQ(log, std::vector<std::string>{"install_menu"});
}

TEST_F(BrowserHostTest, EnterNavigatesExactlyWhatWasTyped) {
    for (const char* typed : {"", "조선일보.com", "news", "http://x.kr/a b"}) {
        host().Combo1_Enter(typed);
        EXPECT_EQ(w.wb1.navigations.back(), typed);
    }
}

TEST_F(BrowserHostTest, BookmarkPickOpensTheLastMatchAndShowsTheNewspaperPane) {
    RecordFile book(dir.path() / "bookmark.res");
    book.append({"뉴스", "http://first"});
    book.append({"다른", "http://other"});
    book.append({"뉴스", "http://second"});
    host().Toolbar1_ButtonClick(6);
    host().Combo1_Click("뉴스");
    EXPECT_EQ(w.wb1.navigations.back(), "http://second");
    EXPECT_FALSE(host().scrap_view());
    EXPECT_TRUE(w[MainControl::Frame2].shown);
    for (MainControl hidden :
         {MainControl::Frame1, MainControl::Frame3, MainControl::Frame4, MainControl::Frame5,
          MainControl::Frame9, MainControl::ListView1, MainControl::Picture11}) {
        EXPECT_FALSE(w[hidden].shown) << MainControls::name(hidden);
    }
    EXPECT_FALSE(w[MainControl::WebBrowser2].shown);
    host().Combo1_Click("뉴");  // case and prefix matter: no match navigates to nothing
    EXPECT_EQ(w.wb1.navigations.back(), "");
}

TEST_F(BrowserHostTest, ToolbarSwitchesPanesAndTheActiveBrowser) {
    settings().append({"http://start", "1"});
    host().Toolbar1_ButtonClick(6);
    EXPECT_TRUE(host().scrap_view());
    EXPECT_TRUE(w[MainControl::Frame9].shown && w[MainControl::ListView1].shown &&
                w[MainControl::WebBrowser2].shown);
    EXPECT_EQ(log.back(), "reload_scrapbook");
    host().Image1_Click();
    host().Image2_Click();
    EXPECT_EQ(w.wb2.calls, (std::vector<std::string>{"back", "forward"}));
    EXPECT_TRUE(w.wb1.calls.empty());

    const MainControl panes[] = {MainControl::Frame1, MainControl::Frame2, MainControl::Frame3,
                                 MainControl::Frame4, MainControl::Frame5};
    for (int index = 1; index <= 5; ++index) {
        host().Toolbar1_ButtonClick(index);
        EXPECT_FALSE(host().scrap_view());
        for (int p = 0; p < 5; ++p) EXPECT_EQ(w[panes[p]].shown, p == index - 1) << index;
        EXPECT_FALSE(w[MainControl::Frame9].shown);
        EXPECT_FALSE(w[MainControl::WebBrowser2].shown);
    }
    // Only button 1 reloads the start page; it neither creates the file nor hits the counter.
    EXPECT_EQ(w.wb1.navigations, std::vector<std::string>{"http://start"});
    EXPECT_TRUE(w.wb3.navigations.empty());
    host().Image1_Click();
    EXPECT_EQ(w.wb1.calls, std::vector<std::string>{"back"});
}

TEST_F(BrowserHostTest, SetStartPageKeepsTheSecondField) {
    settings().append({"http://old", "1"});
    settings().append({"second line"});
    w.wb1.url = "http://new.kr/a";
    host().Picture2_Click();
    EXPECT_EQ(settings_bytes(), "http://new.kr/a|1\r\n");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "현재 페이지를 시작페이지로 설정하시겠습니까?");
    EXPECT_EQ(dialogs.boxes[0].title, "시작페이지 설정");
    EXPECT_EQ(dialogs.boxes[1].text, "현재 페이지가 시작페이지로 설정되었습니다");
    EXPECT_EQ(dialogs.boxes[1].title, "http://new.kr/a");
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(BrowserHostTest, SetStartPageSaysSoWhenTheFileCannotBeWritten) {
    const std::string before = "http://old|1\r\n";
    settings().rewrite({{"http://old", "1"}});
    w.wb1.url = "http://a-longer-new-start-page.kr/?ids=1|2";
    {
        FileSizeLimit full(before.size());
        host().Picture2_Click();
    }
    EXPECT_EQ(settings_bytes(), before);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "파일에 저장하지 못했습니다.");
    EXPECT_EQ(dialogs.boxes[1].title, "에러");

    host().Picture2_Click();
    EXPECT_EQ(settings_bytes(), "http://a-longer-new-start-page.kr/?ids=1%7C2|1\r\n");
    EXPECT_EQ(dialogs.boxes.back().text, "현재 페이지가 시작페이지로 설정되었습니다");
}
#endif

TEST_F(BrowserHostTest, SetStartPageWritesAWellFormedLineWithoutAnOldField) {
    w.wb1.url = "http://new.kr/";
    for (const char* old : {"", "http://no-bar"}) {
        settings().rewrite({});
        if (*old) settings().append({old});
        host().Picture2_Click();
        EXPECT_EQ(settings_bytes(), "http://new.kr/|0\r\n") << old;
    }
    settings().remove();
    host().Picture2_Click();
    EXPECT_EQ(settings_bytes(), "http://new.kr/|0\r\n");
}

TEST_F(BrowserHostTest, SetStartPageRefusesCollectedPagesAndStopsOnNo) {
    settings().append({"http://old", "0"});
    w.wb1.url = "http://www.example.kr/OrVaLe/all.php";
    host().Picture2_Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "알림");
    EXPECT_EQ(dialogs.boxes[0].text,
              "신문사 모두 보기 페이지는 실시간으로 변하기 때문에 첫페이지로 설정할 수 없습니다");
    w.wb1.url = "http://fine/";
    dialogs.answers = {false};
    host().Picture2_Click();
    EXPECT_EQ(settings_bytes(), "http://old|0\r\n");
}

TEST_F(BrowserHostTest, PrintRefusesCollectedPagesElseMaximisesThenPreviewsAndPrints) {
    w.wb1.url = "http://x/ORVALE";
    host().Picture10_Click();
    EXPECT_EQ(dialogs.boxes.at(0).text, "프레스레인가 수집한 신문사 정보는 프린트 할 수 없습니다");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(w.wb1.calls.empty());

    w.wb1.url = "http://x/";
    host().Toolbar1_ButtonClick(6);
    host().Picture10_Click();
    EXPECT_EQ(log.back(), "maximise");
    EXPECT_EQ(w.wb2.calls, (std::vector<std::string>{"preview", "print"}));
}

TEST_F(BrowserHostTest, MediaButtonShowsThePaneThenClosesMenusAndAnchorsIt) {
    w[MainControl::Frame8].shown = false;
    host().Picture4_MouseMove();
    EXPECT_EQ(w[MainControl::Picture4].tip,
              "▶왼쪽버튼 더블클릭:전체화면 ▶왼쪽 버튼+드래그:화면이동 ▶오른쪽 버튼+전체화면 "
              "선택:정상화면");
    host().Picture4_Click();
    EXPECT_TRUE(w[MainControl::Frame8].shown);
    EXPECT_EQ(log, (std::vector<std::string>{"install_menu", "anchor"}));
}

TEST_F(BrowserHostTest, FavouritesMessageUsesDriveAndUserName) {
    host().Label9_Click(std::string("kim\0junk", 8), "C:\\WINDOWS\\system32");
    EXPECT_EQ(dialogs.boxes.at(0).text,
              "My Favorite Directory Is C:\\Documents and settings\\kim\\Favorites");
}

}  // namespace
}  // namespace presslane
