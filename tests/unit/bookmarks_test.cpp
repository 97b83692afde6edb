#include "bookmarks/bookmarks_controller.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "bookmarks/bookmark_file.h"
#include "common/cp949.h"
#include "fakes/fake_lists.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
#include "fakes/temp_dir.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void put_text(const std::filesystem::path& p, const std::string& utf8) {
    std::ofstream(p, std::ios::binary) << cp949::encode(utf8);
}

const std::string kGap(30, ' ');

TEST(BookmarkDisplayText, RoundTripsNamesWithInnerSpacesAndTrimsOnlyTheDisplayPadding) {
    for (const Bookmark& b : {Bookmark{"A", "x"}, Bookmark{"두 단어 이름", "http://a.test/?q=1 2"},
                              Bookmark{"", "http://empty-name"}, Bookmark{"name", ""}}) {
        EXPECT_EQ(display_text(b), b.name + kGap + "|" + b.address);
        EXPECT_EQ(from_display_text(display_text(b)), b);
    }
    EXPECT_EQ(from_display_text("  lead  and trail   |http://x"),
              (Bookmark{"  lead  and trail", "http://x"}));
}

TEST(LoadBookmarkTitles, ListsEveryNameInFileOrderAndLeavesTheListWithoutAFile) {
    TempDir dir;
    FakeListBox combo;
    combo.items = {"kept"};
    load_bookmark_titles(combo, dir.path());
    EXPECT_EQ(combo.items, std::vector<std::string>{"kept"});

    put_text(dir.path() / "bookmark.res", "뉴스|http://a\r\n\r\nno bar line\r\n뉴스|http://b\r\n");
    load_bookmark_titles(combo, dir.path());
    EXPECT_EQ(combo.items, (std::vector<std::string>{"뉴스", "no bar line", "뉴스"}));
}

class BookmarksWindowTest : public ::testing::Test {
protected:
    BookmarksWindowTest() { controls[BookmarksControl::Label4].text = "0 개"; }
    BookmarksController& window() {
        if (!form) {
            form = std::make_unique<BookmarksController>(
                controls.controls, list, main, dialogs, pump, dir.path(),
                BookmarksController::Hooks{[this] { log.push_back("focus"); },
                                           [this] { log.push_back("browsing view"); },
                                           [this] {
                                               log.push_back("titles");
                                               load_bookmark_titles(combo, dir.path());
                                           },
                                           [this] {
                                               log.push_back("close");
                                               form->Form_Unload();
                                           }});
            form->Form_Activate();
        }
        return *form;
    }
    std::filesystem::path file() const { return dir.path() / "bookmark.res"; }

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeDialogs dialogs;
    FakeBrowser main;
    FakeListBox list, combo;
    FakeControls<BookmarksControl> controls;
    std::vector<std::string> log;
    std::unique_ptr<BookmarksController> form;
};

TEST_F(BookmarksWindowTest, ShowingListsTheBookmarksAndCountsThem) {
    put_text(file(), "두 단어|http://a\r\n\r\nno bar\r\nB|http://b|lost\r\n");
    window();
    EXPECT_EQ(log, std::vector<std::string>{"focus"});
    EXPECT_EQ(list.items,
              (std::vector<std::string>{"두 단어" + kGap + "|http://a", "B" + kGap + "|http://b"}));
    EXPECT_EQ(controls[BookmarksControl::Label4].text, "2 개");
}

TEST_F(BookmarksWindowTest, OpeningAndClosingUnchangedDropsOnlyBlankAndBarlessLines) {
    put_text(file(), "두 단어 이름|http://a\r\n\r\nno bar\r\nB|http://b\r\n");
    window().Command2_Click();
    EXPECT_EQ(bytes_of(file()), cp949::encode("두 단어 이름|http://a\r\nB|http://b\r\n"));
    EXPECT_EQ(log, (std::vector<std::string>{"focus", "close", "titles"}));
    EXPECT_EQ(combo.items, (std::vector<std::string>{"두 단어 이름", "B"}));
}

TEST_F(BookmarksWindowTest, AddingAppendsOnceClosesAndOffersTheNameLast) {
    put_text(file(), "Z|http://z\r\n");
    window();
    controls[BookmarksControl::Text1].text = "A";
    controls[BookmarksControl::Text2].text = "x";
    window().Command1_Click();
    EXPECT_EQ(bytes_of(file()), "Z|http://z\r\nA|x\r\n");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "A 을 북마크 하였습니다");
    EXPECT_EQ(dialogs.boxes[0].title, "saved");
    EXPECT_EQ(combo.items, (std::vector<std::string>{"Z", "A"}));
    // Every route closes once: the close box after Command1 rewrites nothing more.
    window().Form_Unload();
    EXPECT_EQ(std::count(log.begin(), log.end(), "titles"), 1);
}

TEST_F(BookmarksWindowTest, AddingOrOpeningWithoutTheTextsIsRefused) {
    window();
    window().Command1_Click();
    controls[BookmarksControl::Text1].text = "name";
    window().Command1_Click();
    window().Command3_Click();
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[0].text, "사이트 제목이 빠졌습니다");
    EXPECT_EQ(dialogs.boxes[1].text, "사이트 주소가 빠졌습니다");
    EXPECT_EQ(dialogs.boxes[2].text, "사이트 주소가 빠졌습니다");
    for (const auto& box : dialogs.boxes) EXPECT_EQ(box.title, "ERROR");
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(main.navigations.empty());
}

TEST_F(BookmarksWindowTest, ListClickAndTypedAddressOpenInTheBrowsingView) {
    put_text(file(), "A|http://a.test/x?y=1\r\n");
    window();
    list.sel = 0;
    window().List1_Click();
    controls[BookmarksControl::Text2].text = "typed.test";
    window().Command3_Click();
    EXPECT_EQ(main.navigations, (std::vector<std::string>{"http://a.test/x?y=1", "typed.test"}));
    EXPECT_EQ(log, (std::vector<std::string>{"focus", "browsing view", "browsing view"}));
    EXPECT_EQ(bytes_of(file()), "A|http://a.test/x?y=1\r\n");
}

TEST_F(BookmarksWindowTest, DeletingOneSavesOnCancelAndKeepsTheCount) {
    put_text(file(), "A|http://a\r\nB|http://b\r\nC|http://c\r\n");
    window();
    list.sel = 1;
    window().Command4_Click();
    window().Command4_Click();  // nothing selected any more: removes nothing, still says so
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.text, "삭제하였습니다");
        EXPECT_EQ(box.title, "성공");
    }
    EXPECT_EQ(bytes_of(file()), "A|http://a\r\nB|http://b\r\nC|http://c\r\n");
    EXPECT_EQ(controls[BookmarksControl::Label4].text, "3 개");
    window().Command2_Click();
    EXPECT_EQ(bytes_of(file()), "A|http://a\r\nC|http://c\r\n");
    EXPECT_EQ(controls[BookmarksControl::Label4].text, "3 개");
}

TEST_F(BookmarksWindowTest, DeletingAllAsksAndLeavesAnEmptyFileOnClose) {
    put_text(file(), "A|http://a\r\n");
    combo.items = {"A"};
    window();
    dialogs.answers = {false};
    window().Command5_Click();
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(std::filesystem::exists(file()));
    window().Command5_Click();
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[0].text, " 전체 북마크를 삭제하시겠습니까?");
    EXPECT_EQ(dialogs.boxes[0].title, "북마크삭제");
    EXPECT_TRUE(dialogs.boxes[0].question);
    EXPECT_EQ(dialogs.boxes[2].text, "전체 북마크를 삭제하였습니다");
    EXPECT_FALSE(std::filesystem::exists(file()));
    window().Command2_Click();
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(bytes_of(file()), "");
    EXPECT_TRUE(combo.items.empty());
}

// A bar typed into a name is kept as the full-width bar, so the address stays the address.
TEST_F(BookmarksWindowTest, ABarInTheNameKeepsTheRecordWhole) {
    window();
    controls[BookmarksControl::Text1].text = "기사 | 신문";
    controls[BookmarksControl::Text2].text = "http://paper.test/";
    window().Command1_Click();
    EXPECT_EQ(BookmarkFile(dir.path()).read(),
              std::vector<Bookmark>{(Bookmark{"기사 ｜ 신문", "http://paper.test/"})});
    EXPECT_EQ(combo.items, std::vector<std::string>{"기사 ｜ 신문"});
}

// The list loads line by line while window events run; closing it before it has every bookmark
// must not cut the file down to the part shown.
TEST_F(BookmarksWindowTest, ClosingOrDeletingWhileTheListLoadsKeepsTheUnlistedBookmarks) {
    const std::string three = "A|http://a\r\nB|http://b\r\nC|http://c\r\n";
    put_text(file(), three);
    pump.on_event = [&] {
        if (list.count() == 1) window().Command2_Click();
    };
    window();
    EXPECT_EQ(bytes_of(file()), three);

    form.reset();
    list.clear();
    pump.on_event = [&] {
        if (list.count() == 2 && list.sel == -1) {
            list.sel = 0;
            window().Command4_Click();
            window().Command2_Click();
        }
    };
    window();
    EXPECT_EQ(bytes_of(file()), "B|http://b\r\nC|http://c\r\n");
}

TEST_F(BookmarksWindowTest, DeletingAllWhileTheListLoadsStopsTheLoading) {
    put_text(file(), "A|http://a\r\nB|http://b\r\nC|http://c\r\n");
    bool deleted = false;
    pump.on_event = [&] {
        if (list.count() == 1 && !deleted) {
            deleted = true;
            window().Command5_Click();
        }
    };
    window();
    EXPECT_TRUE(list.items.empty());
    window().Command2_Click();
    EXPECT_EQ(bytes_of(file()), "");
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(BookmarksWindowTest, AFailedAddSaysSoAndKeepsTheWindowOpen) {
    put_text(file(), "Z|http://z\r\n");
    window();
    controls[BookmarksControl::Text1].text = "A";
    controls[BookmarksControl::Text2].text = "http://a.test/";
    {
        FileSizeLimit full(14);
        window().Command1_Click();
    }
    EXPECT_EQ(bytes_of(file()), "Z|http://z\r\n");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "파일에 저장하지 못했습니다.");
    EXPECT_EQ(dialogs.boxes[0].title, "에러");
    EXPECT_EQ(std::count(log.begin(), log.end(), "close"), 0);
    EXPECT_EQ(list.count(), 1);
}
#endif

TEST_F(BookmarksWindowTest, AnAddressWithABarIsStoredPercentEncodedAndOpensAsStored) {
    window();
    controls[BookmarksControl::Text1].text = "A";
    controls[BookmarksControl::Text2].text = "http://a.test/?ids=1|2";
    window().Command1_Click();
    EXPECT_EQ(bytes_of(file()), "A|http://a.test/?ids=1%7C2\r\n");
    form.reset();
    window();
    list.sel = 0;
    window().List1_Click();
    EXPECT_EQ(main.navigations, std::vector<std::string>{"http://a.test/?ids=1%7C2"});
}

TEST_F(BookmarksWindowTest, PictureHidesOnMouseMove) {
    window().Picture11_MouseMove();
    EXPECT_FALSE(controls[BookmarksControl::Picture11].shown);
}

}  // namespace
}  // namespace presslane
