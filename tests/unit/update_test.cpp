#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_inet.h"
#include "fakes/temp_dir.h"
#include "filedown/file_down_control.h"
#include "minisign_tool.h"
#include "update_client/release_installer.h"
#include "update_client/replace_file.h"
#include "update_client/update_controller.h"
#include "update_client/version_check.h"
#include "updater/updater_controller.h"

namespace presslane {
namespace {

std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write_file(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

TEST(LeadingNumber, ComparesDecimalNumbersNotTexts) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"4.47", 4.47}, {"4.5", 4.5},     {"4.100", 4.1}, {"  5.0\r\n", 5.0},
                          {"10", 10},     {"<html>404", 0}, {"", 0},        {"v4.9", 0},
                          {"4.", 4},      {"4.6 new!", 4.6}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(leading_number(c.text), c.value) << c.text;
    EXPECT_GT(leading_number("4.5"), leading_number("4.47"));
    EXPECT_LT(leading_number("4.100"), leading_number("4.47"));
}

TEST(OffersUpgrade, OnlyAHigherNumberInAnAnswerOf200) {
    struct Case {
        int status;
        const char* text;
        bool offered;
    };
    const Case cases[] = {
        {200, "4.5", true},
        {200, "  4.5\r\n", true},
        {200, "10", true},
        {200, "4.47", false},
        {200, "4.100", false},
        {200, "", false},
        {200, "<html>5.0</html>", false},
        {200, ".5", false},
        // An error page that begins with a number is no version.
        {404, "404 page not found", false},
        {500, "500 Internal Server Error", false},
        {302, "9.0", false},
        {0, "9.0", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(offers_upgrade(c.status, c.text, "4.47"), c.offered) << c.status << c.text;
}

TEST(VersionCheck, AsksOnlyForAHigherVersionAndAgainOnTheNextCheck) {
    FakeInet inet;
    FakeDialogs dialogs;
    int shown = 0;
    VersionCheck check(inet, dialogs, "4.47", "http://127.0.0.1/v.txt", [&] { ++shown; });

    for (const char* lower : {"4.47", "4.100", "<html>Not Found</html>", ""}) {
        inet.otherwise.body = lower;
        check.CheckForUpdate();
    }
    inet.otherwise = FakeInet::Answer::with_status(404, "404 page not found");
    check.CheckForUpdate();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(check.ProgramVersion(), "4.47");

    inet.otherwise = FakeInet::Answer::with_status(200, "4.5\r\n");
    dialogs.answers = {false, true};
    check.CheckForUpdate();
    check.CheckForUpdate();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "프레스레인 4.5\r\n 버전이 새로 나왔습니다. 업그레이드 하시겠습니까?");
    EXPECT_EQ(dialogs.boxes[0].title, "업그레이드 버전 알림");
    EXPECT_TRUE(dialogs.boxes[0].question);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(inet.asked.back(), "http://127.0.0.1/v.txt");
}

TEST(VersionCheck, AnActivationDuringTheCheckStartsNoSecondOne) {
    FakeInet inet;
    FakeDialogs dialogs;
    VersionCheck check(inet, dialogs, "4.47", "v", [] {});
    inet.otherwise.body = "9.0";
    inet.during_open = [&] { check.CheckForUpdate(); };
    check.CheckForUpdate();
    EXPECT_EQ(inet.asked.size(), 1u);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST(ReplaceFile, SwapsInOneStepAndKeepsTheOldFileOnFailure) {
    TempDir dir;
    const auto target = dir.path() / "lane_desk";
    write_file(target, "old");
    EXPECT_FALSE(replace_file(dir.path() / "temp_file.exe", target));
    EXPECT_EQ(read_file(target), "old");

    write_file(dir.path() / "temp_file.exe", "new");
    EXPECT_TRUE(replace_file(dir.path() / "temp_file.exe", target));
    EXPECT_EQ(read_file(target), "new");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "temp_file.exe"));
    EXPECT_NE(std::filesystem::status(target).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
}

// The download control as a host sees it; the test raises its events.
struct FakeFileDown : FileDownControl {
    bool Working() const override { return working; }
    std::string URL() const override { return url; }
    void set_URL(const std::string& u) override { url = u; }
    std::string DownPath() const override { return path; }
    void set_DownPath(const std::string& p) override { path = p; }
    void FileDownload() override {
        ++downloads;
        if (on_download) on_download();
    }
    void Cancel() override { ++cancels; }
    void set_events(Events) override {}
    void ReadProperties(const PropertyBag&) override {}
    void WriteProperties(PropertyBag&) override {}
    bool working = false;
    std::string url, path;
    int downloads = 0, cancels = 0;
    std::function<void()> on_download;
};

constexpr char kUpdaterUrl[] = "http://127.0.0.1/soft/lane_desk/upgrade/update.exe";
constexpr char kProgramUrl[] = "http://127.0.0.1/soft/lane_desk/upgrade/lane_desk.exe";

struct HostFixture : ::testing::Test {
    HostFixture() { form[DownloadControl::SizeInfo].text = "None"; }
    std::string log() { return form[DownloadControl::text1].text; }
    // Publishes a small executable as the file of ADDRESS, signed with the release key, and
    // returns its bytes.
    std::string publish(const std::string& address) {
        const std::filesystem::path served = keys.path() / address.substr(address.rfind('/') + 1);
        std::filesystem::copy_file("/usr/bin/true", served,
                                   std::filesystem::copy_options::overwrite_existing);
        net_temp.served[address + ".minisig"] = tool.sign("release", served);
        return read_file(served);
    }

    TempDir dir, keys;
    MinisignTool tool{keys.path()};
    FakeControls<DownloadControl> form;
    FakeProgressBar bar;
    FakeFileDown down;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeShell shell;
    FakeDialogs dialogs;
    FakeInet net_temp = FakeInet::serving();
    ReleaseInstaller installer{net_temp, pump, ReleaseSignature(tool.make_key("release"))};
};

struct UpdateWindowTest : HostFixture {
    UpdateController window{
        form.controls,        bar,        &down,       installer,
        {pump, clock, shell}, dir.path(), kUpdaterUrl, "http://www.presslane.co.kr/"};
};

TEST_F(UpdateWindowTest, ActivationLogsAndStartsTheDownload) {
    window.Form_Activate();
    EXPECT_EQ(down.downloads, 1);
    EXPECT_EQ(down.path, (dir.path() / "temp_file_update.exe").string());
    EXPECT_EQ(down.url, "http://127.0.0.1/soft/lane_desk/upgrade/update.exe");
    EXPECT_EQ(log(),
              "업데이트 대상 ▶ 프레스레인 : http://www.presslane.co.kr/\r\n \r\n"
              "업데이트 된 파일을 받습니다.\r\n \r\n업데이트를 시작합니다...\r\n");
    EXPECT_GE(pump.waited, 1.4);
}

TEST_F(UpdateWindowTest, ProgressShowsTheSizeAndCopesWithSizeZero) {
    window.FileDown_OnDownload(1024, 4000);
    EXPECT_EQ(bar.maximum, 4000);
    EXPECT_EQ(bar.current, 1024);
    EXPECT_EQ(form[DownloadControl::SizeInfo].text, "4000 Byte");
    // No length from the server: the bar stays, the size shows what has arrived.
    window.FileDown_OnDownload(2048, 0);
    EXPECT_EQ(bar.maximum, 4000);
    EXPECT_EQ(form[DownloadControl::SizeInfo].text, "2048 Byte");
    window.FileDown_OnDownload(100, 200);
    EXPECT_EQ(bar.maximum, 200);
    EXPECT_EQ(bar.current, 100);
}

TEST_F(UpdateWindowTest, CompletionReplacesTheUpdaterStartsItAndEnds) {
    write_file(dir.path() / "update", "old updater");
    write_file(dir.path() / "temp_file_update.exe", publish(kUpdaterUrl));
    EXPECT_THROW(window.FileDown_OnComplete(11), ProcessEnded);
    EXPECT_EQ(read_file(dir.path() / "update"), read_file(keys.path() / "update.exe"));
    EXPECT_EQ(shell.started, std::vector<std::string>{(dir.path() / "update").string()});
    EXPECT_EQ(log(), "업데이트가 진행중입니다.\r\n업데이트 파일 다운완료\r\n");
    EXPECT_GE(pump.waited, 2.1);
}

TEST_F(UpdateWindowTest, UnprovenFileIsNotInstalledAndTheWindowStays) {
    write_file(dir.path() / "update", "old updater");
    publish(kUpdaterUrl);
    write_file(dir.path() / "temp_file_update.exe", "<html>maintenance</html>");
    window.FileDown_OnComplete(24);
    EXPECT_EQ(read_file(dir.path() / "update"), "old updater");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "temp_file_update.exe"));
    EXPECT_TRUE(shell.started.empty());
    EXPECT_EQ(log(),
              "업데이트가 진행중입니다.\r\n"
              "받은 파일이 실행 파일이 아니어서 설치하지 않았습니다.\r\n");
}

TEST_F(UpdateWindowTest, ErrorsAreLoggedByCode) {
    const std::pair<int, const char*> cases[] = {
        {0, "서버를 찾을 수 없습니다.\r\n"},
        {1, "서버에서 파일을 찾을 수 없습니다.\r\n"},
        {2, "서버가 오류로 응답하여 파일을 받지 못했습니다.\r\n"},
        {3, "파일을 받는 중에 연결이 끊기거나 멈추었습니다.\r\n"},
        {4, "이미 작업이 진행중입니다...\r\n"},
        {5, "파일을 저장하지 못했습니다. 디스크 공간을 확인해 주세요.\r\n"},
        {6, ""}};
    for (const auto& [code, text] : cases) {
        form[DownloadControl::text1].text.clear();
        window.FileDown_OnError(std::int16_t(code));
        EXPECT_EQ(log(), text) << code;
    }
}

TEST_F(UpdateWindowTest, CancelStopsOnlyAWriteInProgressAndAlwaysEnds) {
    write_file(dir.path() / "temp_file_update.exe", "partial");
    EXPECT_THROW(window.cmdCancel_Click(), ProcessEnded);
    EXPECT_EQ(down.cancels, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "temp_file_update.exe"));

    down.working = true;
    EXPECT_THROW(window.cmdCancel_Click(), ProcessEnded);
    EXPECT_EQ(down.cancels, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "temp_file_update.exe"));
    EXPECT_EQ(log(), "취소되었습니다.\r\n");
    write_file(dir.path() / "temp_file_update.exe", "partial");
    EXPECT_THROW(window.Form_Unload(), ProcessEnded);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "temp_file_update.exe"));
}

// Top-level windows by title, topmost first.
struct FakeWindows : WindowCloser {
    std::vector<Window> top_level_windows() override {
        std::vector<Window> ids;
        for (std::size_t i = 0; i < titles.size(); ++i) ids.push_back(i + 1);
        return ids;
    }
    std::string title(Window w) override { return titles.at(w - 1); }
    void send_close(Window w) override { closed.push_back(w); }
    std::vector<std::string> titles;
    std::vector<Window> closed;
};

struct UpdaterTest : HostFixture {
    FakeWindows windows;
    UpdaterController updater{
        form.controls, bar,        &down, installer, {pump, clock, shell, dialogs, windows},
        dir.path(),    kProgramUrl};
};

TEST_F(UpdaterTest, ClosesOnlyTheFirstWindowWhoseTitleHoldsTheName) {
    struct Case {
        std::vector<std::string> titles;
        std::vector<WindowCloser::Window> closed;
    };
    const std::string far_name = std::string(250, 'x') + "프레스레인";
    const std::vector<Case> cases = {
        {{"xterm", "설정 - 프레스레인", "프레스레인 [presslane.co.kr]"}, {2}},
        {{"xterm", "PressLane"}, {}},
        {{"프레스레", "뉴스 프레스레인"}, {2}},
        // Only the first 255 bytes of a title are compared.
        {{far_name, "프레스레인"}, {2}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        windows.titles = c.titles;
        windows.closed.clear();
        updater.CloseWindowByTitle("프레스레인");
        EXPECT_EQ(windows.closed, c.closed) << ::testing::PrintToString(c.titles);
    }
}

TEST_F(UpdaterTest, RunClosesTheMainProgramInstallsAndAsksOnlyAfterTheDownload) {
    windows.titles = {"프레스레인 [presslane.co.kr]"};
    write_file(dir.path() / "lane_desk", "old program");
    write_file(dir.path() / "temp_file.exe", "left by a run that was killed");
    const std::string released = publish(kProgramUrl);
    bool asked_before_end = false;
    bool stale_file_gone = false;
    // The download outlasts the two-second wait after its start.
    int rounds = 0;
    down.on_download = [&] {
        stale_file_gone = !std::filesystem::exists(dir.path() / "temp_file.exe");
        pump.on_event = [&] {
            if (++rounds != 30) return;
            asked_before_end = !dialogs.boxes.empty();
            write_file(dir.path() / "temp_file.exe", released);
            updater.FileDown_OnComplete(11);
        };
    };
    dialogs.answers = {true};
    EXPECT_THROW(updater.Form_Load(), ProcessEnded);
    EXPECT_TRUE(stale_file_gone);
    EXPECT_EQ(windows.closed, std::vector<WindowCloser::Window>{1});
    EXPECT_EQ(down.path, (dir.path() / "temp_file.exe").string());
    EXPECT_FALSE(asked_before_end);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "업데이트가 완료되었습니다. 실행하시겠습니까?");
    EXPECT_EQ(read_file(dir.path() / "lane_desk"), released);
    EXPECT_EQ(shell.started, std::vector<std::string>{(dir.path() / "lane_desk").string()});
    EXPECT_EQ(log(),
              "업데이트 된 파일을 받는 중입니다 - lane_desk\r\n \r\n"
              "업데이트가 완료되었습니다 - lane_desk\r\n \r\n");
}

TEST_F(UpdaterTest, FailuresKeepTheOldProgramAndOnlyAnInstallBringsTheQuestion) {
    write_file(dir.path() / "lane_desk", "old program");
    const std::string released = publish(kProgramUrl);
    bool asked_before_install = false;
    bool downloading = false;
    down.on_download = [&] {
        downloading = true;
        switch (down.downloads) {
            case 1:
                updater.FileDown_OnError(0);
                break;
            case 2:
                // A refused second start is no end of the running download; its failure is.
                updater.FileDown_OnError(4);
                updater.FileDown_OnError(3);
                break;
            case 3:
                write_file(dir.path() / "temp_file.exe", "<html>maintenance</html>");
                updater.FileDown_OnComplete(24);
                break;
            default:
                asked_before_install = !dialogs.boxes.empty();
                write_file(dir.path() / "temp_file.exe", released);
                updater.FileDown_OnComplete(int(released.size()));
        }
        downloading = false;
    };
    int rounds = 0;
    pump.on_event = [&] {
        if (downloading) return;
        // A start by hand before the updater's own one; then the user tries again after each
        // failure of the updater's own download.
        if (++rounds == 1 || (down.downloads >= 2 && down.downloads < 4 && rounds % 20 == 0))
            updater.update_start_Click();
    };
    dialogs.answers = {false};
    EXPECT_THROW(updater.Form_Load(), ProcessEnded);
    EXPECT_EQ(read_file(dir.path() / "lane_desk"), released);
    EXPECT_FALSE(asked_before_install);
    EXPECT_EQ(down.downloads, 4);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "업데이트가 완료되었습니다. 실행하시겠습니까?");
    EXPECT_TRUE(shell.started.empty()) << "No starts nothing";
    const std::string failed = "업데이트에 실패했습니다. 기존 프로그램을 그대로 둡니다.\r\n \r\n";
    EXPECT_EQ(log(), "서버를 찾을 수 없습니다.\r\n" + failed +
                         "업데이트 된 파일을 받는 중입니다 - lane_desk\r\n"
                         "이미 작업이 진행중입니다...\r\n \r\n"
                         "파일을 받는 중에 연결이 끊기거나 멈추었습니다.\r\n" +
                         failed + "받은 파일이 실행 파일이 아니어서 설치하지 않았습니다.\r\n" +
                         failed + " \r\n업데이트가 완료되었습니다 - lane_desk\r\n \r\n");
    updater.cmdCancel_Click();
    EXPECT_EQ(down.cancels, 0);
}

TEST_F(UpdaterTest, AFailedRunEndsOnlyByTheCloseBox) {
    write_file(dir.path() / "lane_desk", "old program");
    down.on_download = [&] { updater.FileDown_OnError(2); };
    int rounds = 0;
    pump.on_event = [&] {
        if (++rounds != 200) return;
        write_file(dir.path() / "temp_file.exe", "partial");
        updater.Form_Unload();
    };
    EXPECT_THROW(updater.Form_Load(), ProcessEnded);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "temp_file.exe"));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(read_file(dir.path() / "lane_desk"), "old program");
    EXPECT_NE(log().find("서버가 오류로 응답하여 파일을 받지 못했습니다.\r\n"
                         "업데이트에 실패했습니다. 기존 프로그램을 그대로 둡니다.\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace presslane
