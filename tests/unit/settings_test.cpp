#include "settings/settings_controller.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "common/cp949.h"
#include "common/record_file.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_item_list.h"
#include "fakes/fake_platform.h"
#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
#include "fakes/temp_dir.h"
#include "settings/auto_start.h"
#ifndef _WIN32
#include "settings/xdg_auto_start.h"
#endif

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// The Run values as a map; every call is logged, and `on_read` lets a test look at the dialog at
// the moment the entry is read.
struct FakeAutoStart : AutoStart {
    std::string ReadKey(const std::string& path) override {
        log.push_back("read " + path);
        if (on_read) on_read();
        return path == kValuePath ? value : std::string();
    }
    void register_program(const std::string& name, const std::string& program) override {
        log.push_back("register " + name + " " + program);
        value = program;
    }
    void unregister_program(const std::string& name) override {
        log.push_back("unregister " + name);
        value.clear();
    }
    std::string value;
    std::vector<std::string> log;
    std::function<void()> on_read;
};

// A window frame that records the order of its setters; `refuse` makes it ignore them, as a
// maximised window does.
struct LoggingWindow : FakeControl {
    void set_left(int v) override {
        record("left", v, [&] { x = v; });
    }
    void set_top(int v) override {
        record("top", v, [&] { y = v; });
    }
    void set_width(int v) override {
        record("width", v, [&] { w = v; });
    }
    void set_height(int v) override {
        record("height", v, [&] { h = v; });
    }
    template <typename F>
    void record(const char* what, int v, F apply) {
        log->push_back(std::string(what) + " " + std::to_string(v));
        if (!refuse) apply();
    }
    std::vector<std::string>* log = nullptr;
    bool refuse = false;
};

constexpr char kProgram[] = "/opt/프레스 레인/lane_desk";

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        window[SettingsControl::Picture1].shown = false;
        browser.title = "오늘의 신문";
        browser.url = "http://news.test/today";
        main_window.log = &log;
        pump.on_event = [this] { log.push_back("events"); };
    }
    SettingsController& dialog() {
        if (!dialog_) {
            dialog_ = std::make_unique<SettingsController>(
                window.controls,
                SettingsController::Ports{combo1, check1, check2, dialogs, pump, screen, auto_start,
                                          browser, main_window},
                SettingsController::Addresses{"http://home.test/", "http://shop.test/",
                                              "http://stand.test/"},
                dir.path(), kProgram, [this] {
                    ++closes;
                    dialog_->Form_Unload();
                });
            dialog_->Form_Load();
        }
        return *dialog_;
    }
    std::filesystem::path settings() const { return dir.path() / "lane_desk_setting.res"; }
    std::filesystem::path radio() const { return dir.path() / "lane_desk_setting_radio.res"; }
    std::string& text(SettingsControl control) { return window[control].text; }

    TempDir dir;
    FakeControls<SettingsControl> window;
    FakeItemList combo1;
    FakeCheckBox check1, check2;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeScreen screen;
    FakeAutoStart auto_start;
    FakeBrowser browser;
    LoggingWindow main_window;
    std::vector<std::string> log;
    int closes = 0;
    std::unique_ptr<SettingsController> dialog_;
};

TEST_F(SettingsDialogTest, WithoutFilesOpensEmptyAndOkWritesAnEmptyStartPageWithPopupsAllowed) {
    dialog();
    EXPECT_EQ(text(SettingsControl::Text1), "");
    EXPECT_FALSE(check1.checked());
    EXPECT_EQ(text(SettingsControl::Combo1), "");
    EXPECT_TRUE(combo1.entries.empty());
    EXPECT_FALSE(check2.checked());

    dialog().Command1_Click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(bytes_of(settings()), "|0\r\n");
    // An empty channel is an empty line: nothing plays at start.
    EXPECT_EQ(bytes_of(radio()), "\r\n");
}

TEST_F(SettingsDialogTest, SecondFieldTurnsTheBoxOnOnlyForANumberOtherThanZero) {
    const struct {
        const char* line;
        const char* start_page;
        bool on;
    } cases[] = {
        {"http://a.kr/|1\r\n", "http://a.kr/", true},
        {"http://a.kr/|0\r\n", "http://a.kr/", false},
        {"http://a.kr/|2|x\r\n", "http://a.kr/", true},
        {"http://a.kr/|-1", "http://a.kr/", true},
        {"http://a.kr/| 1 ", "http://a.kr/", true},
        {"http://a.kr/|0.0", "http://a.kr/", false},
        {"http://a.kr/|yes", "http://a.kr/", false},
        {"http://a.kr/|", "http://a.kr/", false},
        {"http://a.kr/", "http://a.kr/", false},
        {"\r\nhttp://b.kr/|1\r\n", "", false},
        // Written by a reader that took a "|" of the address as the separator.
        {"http://c.kr/?a|1|0", "http://c.kr/?a", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        write(settings(), c.line);
        dialog_.reset();
        text(SettingsControl::Text1).clear();
        check1.value = false;
        dialog();
        EXPECT_EQ(text(SettingsControl::Text1), c.start_page);
        EXPECT_EQ(check1.checked(), c.on);
    }
}

TEST_F(SettingsDialogTest, OkAndApplyWriteTheStartPageInCp949AndABarInItCannotSplitTheLine) {
    write(settings(), cp949::encode("http://신문.kr/|0\r\n"));
    dialog();
    EXPECT_EQ(text(SettingsControl::Text1), "http://신문.kr/");

    text(SettingsControl::Text1) = "http://x.kr/?q=a|1";
    check1.value = false;
    dialog().Command3_Click();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(bytes_of(settings()), "http://x.kr/?q=a%7C1|0\r\n");
    // Every reader takes field 1 and field 2 of the first line: the address stays whole (and
    // opens the same page) and the popup flag is the box's.
    const Record line = split_fields(RecordFile(settings()).first_line());
    EXPECT_EQ(line, (Record{"http://x.kr/?q=a%7C1", "0"}));

    text(SettingsControl::Text1) = "http://신문.kr/";
    check1.value = true;
    dialog().Command1_Click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(bytes_of(settings()), cp949::encode("http://신문.kr/|1\r\n"));
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
TEST_F(SettingsDialogTest, AFailedSaveSaysSoKeepsTheFileAndTheDialogOpen) {
    const std::string before = "http://old.kr/|1\r\n";
    write(settings(), before);
    dialog();
    text(SettingsControl::Text1) = "http://a-much-longer-start-page.kr/";
    {
        FileSizeLimit full(before.size());
        dialog().Command3_Click();
        dialog().Command1_Click();
    }
    EXPECT_EQ(bytes_of(settings()), before);
    EXPECT_EQ(closes, 0);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.text, "파일에 저장하지 못했습니다.");
        EXPECT_EQ(box.title, "에러");
    }
}
#endif

TEST_F(SettingsDialogTest, CancelKeepsTheStartPageButSavesTheChannelOnce) {
    write(settings(), "http://old.kr/|1\r\n");
    write(radio(), cp949::encode("KBS 1라디오\r\n"));
    dialog();
    EXPECT_EQ(text(SettingsControl::Combo1), "KBS 1라디오");
    text(SettingsControl::Text1) = "http://new.kr/";
    check1.value = false;
    text(SettingsControl::Combo1) = "MBC FM4U";
    dialog().Command2_Click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(bytes_of(settings()), "http://old.kr/|1\r\n");
    EXPECT_EQ(bytes_of(radio()), cp949::encode("MBC FM4U\r\n"));

    // Any later close route finds the dialog unloaded already.
    std::filesystem::remove(radio());
    dialog().Form_Unload();
    EXPECT_FALSE(std::filesystem::exists(radio()));
}

TEST_F(SettingsDialogTest, EmptyingTheChannelTurnsAutoPlayOff) {
    write(radio(), "MBC FM4U\r\n");
    dialog();
    text(SettingsControl::Combo1).clear();
    dialog().Form_Unload();
    EXPECT_EQ(bytes_of(radio()), "\r\n");
    EXPECT_EQ(RecordFile(radio()).first_line(), "");
}

TEST_F(SettingsDialogTest, ChannelNamesComeFromTheBookInFileOrderWithDuplicates) {
    combo1.entries = {"left over"};
    write(dir.path() / "radiobook.res", cp949::encode("2005-01-01|KBS|mms://a\r\n"
                                                      "\r\n"
                                                      "   \r\n"
                                                      "no second field\r\n"
                                                      "2005-01-02|MBC|mms://b\r\n"
                                                      "2005-01-03|KBS|mms://c\r\n"
                                                      "2005-01-04|교통방송"));
    dialog();
    EXPECT_EQ(combo1.entries, (std::vector<std::string>{"KBS", "MBC", "KBS", "교통방송"}));
}

TEST_F(SettingsDialogTest, OpeningFillsTheControlsInOrderThenRewritesAnEntryItFinds) {
    write(dir.path() / "radiobook.res", "d|KBS|mms://a\r\n");
    write(radio(), "KBS\r\n");
    auto_start.value = "/old/folder/lane_desk";
    auto_start.on_read = [this] {
        // The entry is read last, after the tooltip, the list and the channel are in place.
        EXPECT_EQ(window[SettingsControl::Command8].tip, "오늘의 신문 -> 첫페이지로 설정합니다");
        EXPECT_EQ(combo1.entries, (std::vector<std::string>{"KBS"}));
        EXPECT_EQ(text(SettingsControl::Combo1), "KBS");
    };
    dialog();
    EXPECT_TRUE(check2.checked());
    EXPECT_EQ(auto_start.log,
              (std::vector<std::string>{std::string("read ") + AutoStart::kValuePath,
                                        std::string("register 프레스레인 ") + kProgram}));
    EXPECT_EQ(auto_start.value, kProgram);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SettingsDialogTest, WithoutAnEntryTheBoxIsOffAndNothingIsWrittenUntilItIsClicked) {
    dialog();
    EXPECT_FALSE(check2.checked());
    EXPECT_EQ(auto_start.log.size(), 1u);

    check2.value = true;
    dialog().Check2_Click();
    EXPECT_EQ(auto_start.value, kProgram);
    check2.value = false;
    dialog().Check2_Click();
    EXPECT_EQ(auto_start.log.back(), "unregister 프레스레인");
    // Cancelling does not undo the box's action.
    check2.value = true;
    dialog().Check2_Click();
    dialog().Command2_Click();
    EXPECT_EQ(auto_start.value, kProgram);
}

TEST_F(SettingsDialogTest, StartPageButtonsOnlyReplaceTheText) {
    dialog();
    const struct {
        void (SettingsController::*click)();
        const char* address;
    } cases[] = {
        {&SettingsController::Command4_Click, "http://home.test/"},
        {&SettingsController::Command5_Click, "http://shop.test/"},
        {&SettingsController::Command6_Click, "http://stand.test/"},
        {&SettingsController::Command7_Click, "about: blank"},
        {&SettingsController::Command8_Click, "http://news.test/today"},
    };
    for (const auto& c : cases) {
        (dialog().*c.click)();
        EXPECT_EQ(text(SettingsControl::Text1), c.address);
    }
    EXPECT_FALSE(std::filesystem::exists(settings()));
}

TEST_F(SettingsDialogTest, ResetForgetsTheGeometryFirstThenPlacesTheMainWindowAtTheRight) {
    write(dir.path() / "lane_desk_x_y_setting.res", "0|0|9000|9000\r\n");
    screen.screen = {28800, 16200};
    screen.work = {28800, 15600};
    dialog();
    pump.on_event = [this] {
        log.push_back(std::filesystem::exists(dir.path() / "lane_desk_x_y_setting.res")
                          ? "events, file kept"
                          : "events, file gone");
    };
    dialog().Command9_Click();
    EXPECT_EQ(log, (std::vector<std::string>{"events, file kept", "width 14200", "left 14600",
                                             "top 0", "height 15100"}));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "lane_desk_x_y_setting.res"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "프레스레인 기본설정 크기로 설정되었습니다");
    EXPECT_EQ(dialogs.boxes[0].title, "결과");
}

TEST_F(SettingsDialogTest, ResetForgetsTheGeometryEvenWhenTheWindowRefusesTheNewSize) {
    write(dir.path() / "lane_desk_x_y_setting.res", "0|0|9000|9000\r\n");
    main_window.refuse = true;
    main_window.w = 9000;
    dialog().Command9_Click();
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "lane_desk_x_y_setting.res"));
    EXPECT_EQ(main_window.w, 9000);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(SettingsDialogTest, HelpPictureAndUnofferedDownload) {
    dialog().Command10_Click();
    EXPECT_TRUE(window[SettingsControl::Picture1].shown);
    dialog().Label7_Click();
    EXPECT_FALSE(window[SettingsControl::Picture1].shown);

    dialog().Command11_Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "현재 이 기능은 제공되지 않습니다");
    EXPECT_EQ(dialogs.boxes[0].text,
              "죄송합니다\r\n\r\n당분간 마케팅 계약이 성립된 방송사들을 중심으로 채널을 "
              "공유하도록 하겠습니다");
}

#ifndef _WIN32  // the start-up entry of a freedesktop session
class XdgAutoStartTest : public ::testing::Test {
protected:
    std::filesystem::path folder() const { return dir.path() / "config" / "autostart"; }
    std::filesystem::path entry() const { return folder() / "presslane.desktop"; }
    std::string read() { return start.ReadKey(AutoStart::kValuePath); }

    TempDir dir;
    XdgAutoStart start{folder()};
};

TEST_F(XdgAutoStartTest, OnWritesAnEntryThatStartsTheProgramAndOffRemovesIt) {
    start.register_program(AutoStart::kValueName, "/opt/presslane/lane_desk");
    EXPECT_EQ(bytes_of(entry()),
              "[Desktop Entry]\nType=Application\nName=프레스레인\n"
              "Exec=/opt/presslane/lane_desk\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(read(), "/opt/presslane/lane_desk");
    // The registry's names ignore case and may spell the hive out; other values do not exist.
    EXPECT_EQ(start.ReadKey("hklm\\software\\microsoft\\windows\\currentversion\\run\\프레스레인"),
              "/opt/presslane/lane_desk");
    EXPECT_EQ(start.ReadKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"
                            "\\프레스레인"),
              "/opt/presslane/lane_desk");
    EXPECT_EQ(start.ReadKey("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\other"), "");
    EXPECT_EQ(start.ReadKey("HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\프레스레인"),
              "");

    // On again writes the same entry anew and leaves no scratch file behind.
    start.register_program(AutoStart::kValueName, "/opt/presslane/lane_desk");
    EXPECT_EQ(read(), "/opt/presslane/lane_desk");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()),
                            std::filesystem::directory_iterator()),
              1);

    start.unregister_program(AutoStart::kValueName);
    EXPECT_FALSE(std::filesystem::exists(entry()));
    EXPECT_EQ(read(), "");
    start.unregister_program(AutoStart::kValueName);
    EXPECT_EQ(read(), "");
}

TEST_F(XdgAutoStartTest, ProgramPathsWithReservedCharactersRoundTrip) {
    const struct {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/home/u/My Apps/프레스 레인/lane_desk", "Exec=\"/home/u/My Apps/프레스 레인/lane_desk\""},
        {"/opt/a\"b'c\\d/100%/lane_desk", "Exec=\"/opt/a\\\\\"b'c\\\\\\\\d/100%%/lane_desk\""},
        {"/opt/50%/lane_desk", "Exec=/opt/50%%/lane_desk"},
        {"/opt/$HOME`x`#(1);&|<>~*?/lane_desk", nullptr},
        {"/opt/tab\there/new\nline/lane_desk", nullptr},
        {"/opt/ends with blank /lane_desk ", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        start.register_program(AutoStart::kValueName, c.path);
        if (c.exec) {
            EXPECT_NE(bytes_of(entry()).find(std::string("\n") + c.exec + "\n"), std::string::npos);
        }
        EXPECT_EQ(read(), c.path);
    }
}

TEST_F(XdgAutoStartTest, EntriesWrittenByOthersAreReadByTheFormatsRules) {
    const struct {
        const char* content;
        const char* program;
    } cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/lane_desk --tray %U\n", "/usr/bin/lane_desk"},
        {"[Desktop Entry]\r\nExec = \"/a b/lane_desk\" x\r\n", "/a b/lane_desk"},
        {"[Desktop Entry]\nExec=\"/a\\\\\\\\b\\sc\"\n", "/a\\b c"},
        {"[Desktop Entry]\nHidden=true\nExec=/usr/bin/lane_desk\n", ""},
        {"[Desktop Entry]\nExec=/usr/bin/lane_desk\nX-GNOME-Autostart-enabled=false\n", ""},
        {"[Desktop Entry]\nHidden=false\nExec=/usr/bin/lane_desk\n", "/usr/bin/lane_desk"},
        {"[Desktop Action x]\nExec=/usr/bin/other\n[Desktop Entry]\nName=x\n", ""},
        {"[Desktop Entry]\nExec=\"/unterminated\n", ""},
        {"[Desktop Entry]\nExec=\n", ""},
        {"garbage\x01\xff\n=\n[\n", ""},
        {"", ""},
    };
    std::filesystem::create_directories(folder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        write(entry(), c.content);
        EXPECT_EQ(read(), c.program);
    }
}

TEST_F(XdgAutoStartTest, AFolderThatCannotBeMadeStaysSilent) {
    write(dir.path() / "config", "a file where the folder should be");
    start.register_program(AutoStart::kValueName, "/opt/lane_desk");
    EXPECT_EQ(read(), "");
    start.unregister_program(AutoStart::kValueName);

    XdgAutoStart nowhere{std::filesystem::path()};
    nowhere.register_program(AutoStart::kValueName, "/opt/lane_desk");
    EXPECT_EQ(nowhere.ReadKey(AutoStart::kValuePath), "");
}

// Sets an environment variable (nullptr: removes it) for the scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(old_ ? old_->c_str() : nullptr); }
    void set(const char* value) {
        if (value) {
            ::setenv(name_, value, 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DefaultAutostartFolder, FollowsTheBaseDirectoryRules) {
    ScopedEnv home("HOME", "/home/lane");
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const struct {
        const char* config;
        const char* folder;
    } cases[] = {
        {"/xdg/config", "/xdg/config/autostart"},
        {"", "/home/lane/.config/autostart"},
        {"relative/config", "/home/lane/.config/autostart"},
        {nullptr, "/home/lane/.config/autostart"},
    };
    for (const auto& c : cases) {
        config.set(c.config);
        EXPECT_EQ(default_autostart_folder(), std::filesystem::path(c.folder));
    }

    // The entry lands in the session's autostart folder, which need not exist yet.
    TempDir xdg;
    config.set(xdg.path().c_str());
    XdgAutoStart start(default_autostart_folder());
    start.register_program(AutoStart::kValueName, "/opt/lane_desk");
    EXPECT_TRUE(std::filesystem::is_regular_file(xdg.path() / "autostart" / "presslane.desktop"));
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "/opt/lane_desk");
}

// The dialog against the real entry: opening repairs an entry that starts a program moved away.
TEST_F(SettingsDialogTest, OpeningRepairsARealEntryLeftByAMovedProgram) {
    XdgAutoStart real(dir.path() / "autostart");
    real.register_program(AutoStart::kValueName, "/old place/lane_desk");
    SettingsController form(window.controls,
                            SettingsController::Ports{combo1, check1, check2, dialogs, pump, screen,
                                                      real, browser, main_window},
                            {}, dir.path(), kProgram, nullptr);
    form.Form_Load();
    EXPECT_TRUE(check2.checked());
    EXPECT_EQ(real.ReadKey(AutoStart::kValuePath), kProgram);
    EXPECT_NE(bytes_of(real.entry_path()).find("Exec=\"/opt/프레스 레인/lane_desk\"\n"),
              std::string::npos);
}
#endif

}  // namespace
}  // namespace presslane
