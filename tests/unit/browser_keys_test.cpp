#include "browse/browser_keys.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "browse/browser_host.h"
#include "browse/downloads.h"
#include "browse/page_zoom.h"
#include "fakes/fake_main_window.h"
#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
#include "fakes/temp_dir.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct FakeKeysWindow : BrowserKeys::Window {
    void focus_address() override { log.push_back("address"); }
    bool find_shown() const override { return find; }
    void show_find(Browser& browser) override {
        find = true;
        find_over = &browser;
    }
    void hide_find() override { find = false; }
    bool find = false;
    Browser* find_over = nullptr;
    std::vector<std::string> log;
};

class BrowserKeysTest : public ::testing::Test {
protected:
    BrowserKeysTest()
        : pump(clock),
          host({w.wb1, w.wb2, w.wb3}, w.controls, w.progress, dialogs, pump, dir.path(),
               {"4.47", "www.example.kr", "https://news.example.kr/", "http://count.example.kr/"},
               peers, peers, peers),
          zoom(dir.path()),
          keys(host, window, zoom, dialogs) {}

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump;
    FakeDialogs dialogs;
    FakeMainWindowControls w;
    FakeMainWindowPeers peers;
    BrowserHost host;
    FakeKeysWindow window;
    PageZoom zoom;
    BrowserKeys keys;
};

TEST_F(BrowserKeysTest, KeysActOnTheActiveBrowser) {
    for (bool scrap_view : {false, true}) {
        w.wb1.calls.clear();
        w.wb2.calls.clear();
        host.set_scrap_view(scrap_view);
        for (KeyCommand c : {KeyCommand::Reload, KeyCommand::Back, KeyCommand::Forward,
                             KeyCommand::Stop, KeyCommand::Print})
            keys.run(c);
        const std::vector<std::string> expected = {"reload", "back",    "forward",
                                                   "stop",   "preview", "print"};
        EXPECT_EQ((scrap_view ? w.wb2 : w.wb1).calls, expected);
        EXPECT_TRUE((scrap_view ? w.wb1 : w.wb2).calls.empty());
    }
}

TEST_F(BrowserKeysTest, EscClosesTheFindBarBeforeItStopsALoad) {
    host.set_scrap_view(true);
    keys.run(KeyCommand::Find);
    EXPECT_EQ(window.find_over, &w.wb2);
    host.set_scrap_view(false);
    keys.run(KeyCommand::Find);
    EXPECT_EQ(window.find_over, &w.wb1);
    keys.run(KeyCommand::Stop);
    EXPECT_FALSE(window.find);
    EXPECT_TRUE(w.wb1.calls.empty());
    keys.run(KeyCommand::Stop);
    EXPECT_EQ(w.wb1.calls, std::vector<std::string>{"stop"});
}

TEST_F(BrowserKeysTest, PrintKeyKeepsThePrintActionsRefusal) {
    w.wb1.url = "http://www.orvale.kr/all";
    keys.run(KeyCommand::Print);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "프레스레인가 수집한 신문사 정보는 프린트 할 수 없습니다");
    EXPECT_TRUE(w.wb1.calls.empty());
}

TEST_F(BrowserKeysTest, AddressKeyAndHelp) {
    keys.run(KeyCommand::FocusAddress);
    EXPECT_EQ(window.log, std::vector<std::string>{"address"});
    keys.run(KeyCommand::Help);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "단축키 도움말");
    // Every key the window binds is in the help.
    for (const KeyBinding& binding : key_bindings())
        for (const std::string& key : binding.keys)
            EXPECT_NE(dialogs.boxes[0].text.find(key), std::string::npos) << key;
}

TEST_F(BrowserKeysTest, ZoomIsPerSiteForTheRunAndTheLastSizeIsRemembered) {
    w.wb1.url = "http://A.example.kr:8080/news?id=1";
    keys.run(KeyCommand::ZoomIn);
    keys.run(KeyCommand::ZoomIn);
    EXPECT_EQ(w.wb1.zoom, 125);
    keys.run(KeyCommand::ZoomOut);
    EXPECT_EQ(w.wb1.zoom, 110);
    keys.zoom_wheel(-3);
    EXPECT_EQ(w.wb1.zoom, 80);
    EXPECT_EQ(bytes_of(dir.path() / "lane_desk_zoom.res"), "80\r\n");

    // Another page of the same site keeps its size; a site not zoomed yet takes the last size.
    host.set_scrap_view(true);
    w.wb2.url = "http://a.example.kr:8080/other";
    keys.address_changed(w.wb2);
    EXPECT_EQ(w.wb2.zoom, 80);
    keys.run(KeyCommand::ZoomReset);
    EXPECT_EQ(w.wb2.zoom, 100);
    w.wb1.url = "https://b.example.kr/";
    keys.address_changed(w.wb1);
    EXPECT_EQ(w.wb1.zoom, 100);

    PageZoom next_run(dir.path());
    EXPECT_EQ(next_run.percent_for("http://a.example.kr:8080/"), 100);
    w.wb2.url = "https://c.example.kr/";
    keys.zoom_wheel(1);
    EXPECT_EQ(PageZoom(dir.path()).percent_for("http://a.example.kr:8080/"), 110);
}

TEST_F(BrowserKeysTest, ZoomStopsAtTheEndsOfItsSteps) {
    for (int i = 0; i < 30; ++i) keys.run(KeyCommand::ZoomIn);
    EXPECT_EQ(w.wb1.zoom, 500);
    for (int i = 0; i < 30; ++i) keys.run(KeyCommand::ZoomOut);
    EXPECT_EQ(w.wb1.zoom, 25);
}

TEST(PageZoomFile, ADamagedOrUnwritableFileIsQuiet) {
    for (const char* content :
         {"", "abc\r\n", "125|x\r\n", "99999999999999999999\r\n", "130\r\n", "\xff\xfe\r\n"}) {
        TempDir dir;
        std::ofstream(dir.path() / "lane_desk_zoom.res", std::ios::binary) << content;
        EXPECT_EQ(PageZoom(dir.path()).percent_for("http://x/"),
                  std::string(content) == "125|x\r\n" ? 125 : 100)
            << content;
    }
#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
    TempDir dir;
    PageZoom zoom(dir.path());
    {
        FileSizeLimit full(0);
        EXPECT_EQ(zoom.step("http://x/", 1), 110);
    }
    // The size still holds for the run; nothing half written stays behind.
    EXPECT_EQ(zoom.percent_for("http://y/"), 110);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "lane_desk_zoom.res"));
#endif
}

TEST(FindCount, TellsWhichMatchOfHowMany) {
    EXPECT_EQ(find_count_text(3, 10), "3/10");
    EXPECT_EQ(find_count_text(0, 0), "찾는 말 없음");
}

TEST(DownloadPath, NeverTakesANameInUse) {
    TempDir dir;
    const auto& d = dir.path();
    // Names are UTF-8, as the engine gives them; a narrow path would take the ANSI code page.
    const auto at = [&d](const char* name) { return d / std::filesystem::u8path(name); };
    std::ofstream(at("보고서.pdf")) << "x";
    std::ofstream(at("보고서 (2).pdf")) << "x";
    std::ofstream(at("archive.tar.gz")) << "x";
    std::ofstream(at(".profile")) << "x";
    std::ofstream(at("README")) << "x";
#ifdef _WIN32
    std::ofstream(at("link.txt")) << "x";
#else
    std::filesystem::create_symlink(d / "missing", d / "link.txt");  // a broken link
#endif
    const struct {
        const char* suggested;
        const char* expected;
    } cases[] = {
        {"보고서.pdf", "보고서 (3).pdf"},
        {"new.pdf", "new.pdf"},
        {"archive.tar.gz", "archive.tar (2).gz"},
        {".profile", ".profile (2)"},
        {"README", "README (2)"},
        {"link.txt", "link (2).txt"},
        {"../../etc/passwd", "passwd"},
        {"C:\\temp\\a.exe", "a.exe"},
        {"a\nb\x01.txt", "ab.txt"},
        {"", "download"},
        {"..", "download"},
        {"dir/", "download"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(free_download_path(d, c.suggested), at(c.expected)) << c.suggested;
    // A file the engine has not created yet is taken too.
    EXPECT_EQ(free_download_path(d, "new.pdf", {at("new.pdf"), at("new (2).pdf")}),
              at("new (3).pdf"));
}

TEST(DownloadTexts, ShareWhenTheSizeIsKnownElseKilobytes) {
    EXPECT_EQ(download_progress_text("a.pdf", 512, 2048), "내려받는 중 25% a.pdf");
    EXPECT_EQ(download_progress_text("a.pdf", 5000, -1), "내려받는 중 4 KB a.pdf");
    EXPECT_EQ(download_done_text("a.pdf"), "내려받기 완료: a.pdf");
    EXPECT_EQ(download_failed_text("a.pdf"), "내려받기 실패: a.pdf");
}

}  // namespace
}  // namespace presslane
