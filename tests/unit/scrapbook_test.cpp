#include "scrap/scrapbook.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

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
#include "scrap/scrap_controller.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void put_text(const std::filesystem::path& p, const std::string& utf8) {
    std::ofstream(p, std::ios::binary) << cp949::encode(utf8);
}

class ScrapbookPane : public ::testing::Test {
protected:
    std::filesystem::path file() const { return dir.path() / "scrapbook.res"; }

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeDialogs dialogs;
    FakeListView list;
    FakeBrowser preview;
    Scrapbook book{list, preview, dialogs, pump, dir.path()};
};

TEST_F(ScrapbookPane, ReloadListsWholeRecordsInFileOrderAndOpensTheFirst) {
    put_text(file(),
             "2026-12-01|첫 기사|http://a.test/1\r\n"
             "\r\n"
             "only|two\r\n"
             "2026-12-02|둘째|http://b.test/2|extra\n");
    list.add_row({"old", "old", "old"});
    book.Image35_Click();
    EXPECT_EQ(list.rows, (std::vector<ScrapRow>{{"2026-12-01", "첫 기사", "http://a.test/1"},
                                                {"2026-12-02", "둘째", "http://b.test/2"}}));
    EXPECT_EQ(preview.navigations, std::vector<std::string>{"http://a.test/1"});
}

TEST_F(ScrapbookPane, ReloadOfAMissingOrEmptyFileOpensNothing) {
    book.Image35_Click();
    put_text(file(), "");
    book.Image35_Click();
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(preview.navigations.empty());
}

TEST_F(ScrapbookPane, AReloadStartedInsideAnotherLeavesOneCopyOfEachRow) {
    put_text(file(), "d|a|http://a\r\nd|b|http://b\r\nd|c|http://c\r\n");
    bool nested = false;
    pump.on_event = [&] {
        if (list.count() == 1 && !nested) {
            nested = true;
            book.Image35_Click();
        }
    };
    book.Image35_Click();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.rows[2].title, "c");
}

TEST_F(ScrapbookPane, DeletingTheSelectedScrapRewritesTheRestWithoutBlankLines) {
    put_text(file(), "d1|제목 하나|http://a\r\n\r\nd2|제목 둘|http://b\r\n");
    book.Image35_Click();
    list.sel = 0;
    book.Image36_Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].question);
    EXPECT_EQ(dialogs.boxes[0].title, "기사삭제");
    EXPECT_EQ(dialogs.boxes[0].text,
              "선택한 스크랩 기사를 삭제하시겠습니까?\r\n\r\n▒ 삭제될기사 : 제목 하나");
    EXPECT_EQ(bytes_of(file()), cp949::encode("d2|제목 둘|http://b\r\n"));
    EXPECT_EQ(list.rows, (std::vector<ScrapRow>{{"d2", "제목 둘", "http://b"}}));
    EXPECT_EQ(preview.navigations.back(), "http://b");
}

// The list mirrors the file only as of its last reload; the file is what the user has.
TEST_F(ScrapbookPane, DeletingAScrapKeepsScrapsTheListDoesNotShow) {
    put_text(file(), "d1|하나|http://a\r\nd2|둘|http://b\r\n");
    book.Image35_Click();
    // Saved through the scrap dialog after the list was shown; a line the list never shows.
    std::ofstream(file(), std::ios::binary | std::ios::app)
        << cp949::encode("d3|셋|http://c\r\nnote without fields\r\n");
    list.sel = 1;
    book.Image36_Click();
    EXPECT_EQ(bytes_of(file()),
              cp949::encode("d1|하나|http://a\r\nd3|셋|http://c\r\nnote without fields\r\n"));
    EXPECT_EQ(list.count(), 2);
}

TEST_F(ScrapbookPane, DeletingWhileTheListLoadsKeepsTheRowsNotYetListed) {
    put_text(file(), "d|a|http://a\r\nd|b|http://b\r\nd|c|http://c\r\n");
    bool deleted = false;
    pump.on_event = [&] {
        if (list.count() == 1 && !deleted) {
            deleted = true;
            list.sel = 0;
            book.Image36_Click();
        }
    };
    book.Image35_Click();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(bytes_of(file()), "d|b|http://b\r\nd|c|http://c\r\n");
    EXPECT_EQ(list.rows, (std::vector<ScrapRow>{{"d", "b", "http://b"}, {"d", "c", "http://c"}}));
}

TEST_F(ScrapbookPane, DeletingOneOfTwoLikeScrapsKeepsTheOther) {
    put_text(file(), "d|t|http://a\r\nd|t|http://a\r\n");
    book.Image35_Click();
    list.sel = 1;
    book.Image36_Click();
    EXPECT_EQ(bytes_of(file()), "d|t|http://a\r\n");
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(ScrapbookPane, AFailedDeletionSaysSoAndLeavesTheFile) {
    const std::string before = "d|" + std::string(200, 'a') + "|http://a\r\nd|b|http://b\r\n";
    put_text(file(), before);
    book.Image35_Click();
    list.sel = 1;
    {
        FileSizeLimit full(10);
        book.Image36_Click();
    }
    EXPECT_EQ(bytes_of(file()), before);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "파일에서 삭제하지 못했습니다.");
    EXPECT_EQ(dialogs.boxes[1].title, "에러");
    EXPECT_EQ(list.count(), 2);

    // A file that cannot be deleted: no "all deleted" after a failure.
    std::filesystem::remove(file());
    std::filesystem::create_directories(file() / "held");
    book.Image38_Click();
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[3].text, "파일에서 삭제하지 못했습니다.");
}
#endif

TEST_F(ScrapbookPane, DeletingTheOnlyScrapLeavesAnEmptyFileAndOpensNothingMore) {
    put_text(file(), "d|t|http://a\r\n");
    book.Image35_Click();
    list.sel = 0;
    book.Image36_Click();
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(bytes_of(file()), "");
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(preview.navigations.size(), 1u);
}

TEST_F(ScrapbookPane, DeletingWithoutASelectionIsRefusedAfterTheQuestion) {
    put_text(file(), "d|t|http://a\r\n");
    book.Image35_Click();
    book.Image36_Click();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "선택한 스크랩 기사를 삭제하시겠습니까?\r\n\r\n▒ 삭제될기사 : ");
    EXPECT_EQ(dialogs.boxes[1].text, "삭제할 기사를 선택하지 않으셨습니다");
    EXPECT_EQ(dialogs.boxes[1].title, "삭제실패");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(bytes_of(file()), "d|t|http://a\r\n");
}

TEST_F(ScrapbookPane, AnsweringNoToEitherDeleteQuestionChangesNothing) {
    put_text(file(), "d|t|http://a\r\nd|u|http://b\r\n");
    book.Image35_Click();
    list.sel = 1;
    dialogs.answers = {false, false};
    book.Image36_Click();
    book.Image38_Click();
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, " 스크랩북에 저장된 모든 기사들을 삭제하시겠습니까?");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(bytes_of(file()), "d|t|http://a\r\nd|u|http://b\r\n");
}

TEST_F(ScrapbookPane, DeletingAllRemovesTheFileAndEmptiesTheList) {
    put_text(file(), "d|t|http://a\r\n");
    book.Image35_Click();
    book.Image38_Click();
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(list.rows.empty());
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "기사를 모두 삭제하였습니다");
    EXPECT_EQ(dialogs.boxes[1].title, "성공");
}

TEST_F(ScrapbookPane, DoubleClickOpensTheSelectedScrapInThePreview) {
    put_text(file(), "d|t|http://a\r\nd|u|http://b\r\n");
    book.Image35_Click();
    book.ListView1_DblClick();
    list.sel = 1;
    book.ListView1_DblClick();
    EXPECT_EQ(preview.navigations, (std::vector<std::string>{"http://a", "http://b"}));
    book.Image37_Click();
    EXPECT_EQ(dialogs.boxes.back().text, "스크랩 메일발송기능은 다음 버전에서 제공됩니다");
    EXPECT_EQ(dialogs.boxes.back().title, "죄송합니다");
}

class ScrapDialogTest : public ::testing::Test {
protected:
    ScrapDialogTest() {
        main.url = "http://news.test/article?id=7";
        preview.url = "http://scrap.test/kept";
    }
    ScrapController& dialog() {
        if (!form) {
            form = std::make_unique<ScrapController>(
                window.controls,
                ArticleSource{main,
                              [this]() -> const Browser& { return scrap_view ? preview : main; },
                              "http://home.test/"},
                dialogs, clock, dir.path(), [this] { ++closes; });
            form->Form_Load();
        }
        return *form;
    }
    std::filesystem::path file() const { return dir.path() / "scrapbook.res"; }

    TempDir dir;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeBrowser main, preview;
    FakeControls<ScrapControl> window;
    FakeControl& text1 = window[ScrapControl::Text1];
    FakeControl& text2 = window[ScrapControl::Text2];
    bool scrap_view = false;
    int closes = 0;
    std::unique_ptr<ScrapController> form;
};

TEST_F(ScrapDialogTest, TheAddressBoxShowsTheActiveBrowsersAddressOrTheHomePage) {
    struct Case {
        const char* main_url;
        bool scrap_view;
        const char* shown;
    };
    for (const Case& c : {Case{"http://news.test/a", false, "http://news.test/a"},
                          Case{"http://news.test/a", true, "http://scrap.test/kept"},
                          Case{"http://www.ORVALE.test/all", false, "http://home.test/"},
                          Case{"http://orvale.test/all", true, "http://home.test/"}}) {
        main.url = c.main_url;
        scrap_view = c.scrap_view;
        text1.text = "stale";
        form.reset();
        dialog();
        EXPECT_EQ(text2.text, c.shown) << c.main_url << " " << c.scrap_view;
        EXPECT_EQ(text1.text, "");
    }
}

TEST_F(ScrapDialogTest, SavingAppendsDateTitleAndTheBrowsersRealAddress) {
    main.url = "http://orvale.test/papers";
    put_text(file(), "old|line|http://x\r\n");
    dialog();
    text1.text = "오늘의 기사";
    text2.text = "edited by hand";
    dialog().Command1_Click();
    EXPECT_EQ(
        bytes_of(file()),
        cp949::encode("old|line|http://x\r\n2026-12-09|오늘의 기사|http://orvale.test/papers\r\n"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "스크랩북에 저장하였습니다");
    EXPECT_EQ(dialogs.boxes[0].title, "saved");
    EXPECT_EQ(closes, 1);
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(ScrapDialogTest, AFailedSaveSaysSoKeepsTheFileAndStaysOpen) {
    const std::string before = "old|line|http://x";  // its last line lacks its CR LF
    put_text(file(), before);
    dialog();
    text1.text = "오늘의 기사";
    {
        FileSizeLimit full(before.size() + 5);
        dialog().Command1_Click();
    }
    EXPECT_EQ(bytes_of(file()), before);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "파일에 저장하지 못했습니다.");
    EXPECT_EQ(closes, 0);
    dialog().Command1_Click();
    EXPECT_EQ(bytes_of(file()), cp949::encode(before + "\r\n2026-12-09|오늘의 기사|"
                                                       "http://news.test/article?id=7\r\n"));
    EXPECT_EQ(dialogs.boxes.back().text, "스크랩북에 저장하였습니다");
    EXPECT_EQ(closes, 1);
}
#endif

TEST_F(ScrapDialogTest, AnAddressWithABarIsStoredPercentEncoded) {
    main.url = "http://news.test/view?ids=1|2";
    dialog();
    text1.text = "t";
    dialog().Command1_Click();
    EXPECT_EQ(bytes_of(file()), "2026-12-09|t|http://news.test/view?ids=1%7C2\r\n");
}

TEST_F(ScrapDialogTest, EnterInEitherBoxSavesFromThePreviewWhileItIsActive) {
    scrap_view = true;
    dialog();
    text1.text = "t";
    dialog().Text_KeyPress('a');
    EXPECT_FALSE(std::filesystem::exists(file()));
    dialog().Text_KeyPress(13);
    EXPECT_EQ(bytes_of(file()), "2026-12-09|t|http://scrap.test/kept\r\n");
}

TEST_F(ScrapDialogTest, AMissingTitleOrAddressIsRefusedAndTheDialogStaysOpen) {
    dialog();
    dialog().Command1_Click();
    text1.text = "title";
    text2.text = "";
    dialog().Command1_Click();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "제목을 넣어주십시요");
    EXPECT_EQ(dialogs.boxes[0].title, "Input Title");
    EXPECT_EQ(dialogs.boxes[1].text, "사이트 주소가 빠졌습니다");
    EXPECT_EQ(dialogs.boxes[1].title, "Input Url");
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_EQ(closes, 0);
    dialog().Command2_Click();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(std::filesystem::exists(file()));
}

// A title copied from a page often holds a bar ("기사 | 신문"): it must not split the record.
TEST_F(ScrapDialogTest, ABarInTheTitleKeepsTheScrapsOwnAddress) {
    dialog();
    text1.text = "기사 | 신문";
    dialog().Command1_Click();
    FakeListView list;
    FakeBrowser web2;
    FakeEventPump pump{clock};
    Scrapbook book{list, web2, dialogs, pump, dir.path()};
    book.Image35_Click();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.rows[0].title, "기사 ｜ 신문");
    EXPECT_EQ(list.rows[0].address, "http://news.test/article?id=7");
    EXPECT_EQ(web2.navigations, std::vector<std::string>{"http://news.test/article?id=7"});
}

}  // namespace
}  // namespace presslane
