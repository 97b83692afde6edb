#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "browse/qt/web_browser.h"
#include "common/cp949.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/widget_control.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "settings/qt/form3.h"
#include "settings/xdg_auto_start.h"
#include "support/loopback_server.h"
#include "support/pump_until.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

constexpr char kProgram[] = "/opt/프레스 레인/lane_desk";

class SettingsWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new LoopbackServer(std::map<std::string, std::string>{
            {"/today", "<html><head><title>오늘의 신문</title></head><body>x</body></html>"}});
        main = new WebBrowser;
        main->navigate(server->url("/today"));
        pump_until([] { return main->location_name() == "오늘의 신문" && !main->busy(); });
    }
    static void TearDownTestSuite() {
        delete main;
        delete server;
    }

    Form3& form() {
        if (!form_) {
            form_ = std::make_unique<Form3>(Form3::Context{dialogs, pump, screen, auto_start, *main,
                                                           main_window, app.path(), kProgram});
            form_->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        }
        return *form_;
    }
    template <typename W>
    W* child(const char* name) {
        W* w = form().findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    std::filesystem::path settings() const { return app.path() / "lane_desk_setting.res"; }
    std::filesystem::path radio() const { return app.path() / "lane_desk_setting_radio.res"; }

    static inline LoopbackServer* server = nullptr;
    static inline WebBrowser* main = nullptr;
    TempDir app;
    TempDir config;
    XdgAutoStart auto_start{config.path() / "autostart"};
    FakeDialogs dialogs;
    QtEventPump pump;
    FakeScreen screen;
    QWidget main_frame;
    WidgetControl main_window{&main_frame};
    std::unique_ptr<Form3> form_;
};

TEST_F(SettingsWindow, OpeningFillsTheControlsFromTheFiles) {
    write(settings(), cp949::encode("http://시작.kr/|1\r\n"));
    write(app.path() / "radiobook.res", cp949::encode("d|KBS|mms://a\r\nd|MBC 라디오|mms://b\r\n"));
    write(radio(), cp949::encode("MBC 라디오\r\n"));

    EXPECT_EQ(form().windowTitle(), "프레스레인 환경설정");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "http://시작.kr/");
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
    auto* combo = child<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "MBC 라디오");
    EXPECT_EQ(combo->currentText(), "MBC 라디오");
    EXPECT_EQ(child<QPushButton>("Command8")->toolTip(), "오늘의 신문 -> 첫페이지로 설정합니다");
    EXPECT_EQ(child<QPushButton>("Command10")->text(), "▶ 나만의 미디어 설정 방법      ");
    EXPECT_FALSE(child<QWidget>("Picture1")->isVisible());

    // The label carries the box's text and access key, but a click on it leaves the box alone.
    auto* label = child<QLabel>("Label2");
    EXPECT_EQ(label->buddy(), child<QCheckBox>("Check1"));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());

    click("Command8");
    EXPECT_EQ(child<QLineEdit>("Text1")->text().toStdString(), server->url("/today"));
}

TEST_F(SettingsWindow, EveryControlCarriesItsCaptionAndTooltip) {
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
    } cases[] = {
        {"Frame1", " 시작페이지 설정 ", ""},
        {"Label1", "프레스레인 실행시 시작페이지 셋팅(&H)", ""},
        {"Command4", "프레스레인홈", ""},
        {"Command5", "신문가게", ""},
        {"Command6", "가판대", ""},
        {"Command7", "널", ""},
        {"Command8", "현재배경", "오늘의 신문 -> 첫페이지로 설정합니다"},
        {"Frame2", " 팝업광고 금지 설정 ", ""},
        {"Label2", "서핑 중 팝업창(광고) 띄우지 않기(&P)", ""},
        {"Check1", "", ""},
        {"Frame3", " 자동실행 설정 ", ""},
        {"Label3", "Window 시작할 때 자동으로 실행(&S)", ""},
        {"Check2", "", ""},
        {"Frame4", " 창크기 재설정 ", ""},
        {"Label4", "프레스레인 기본 크기로 재 설정", ""},
        {"Command9", "적용", "프레스레인의 초기크기로 설정합니다"},
        {"Frame5", " 방송채널(나만의미디어) 자동실행 설정 ", ""},
        {"Label5", "프로그램 시작할 때", ""},
        {"Label6", "미디어 자동 실행(&M)", ""},
        {"Command10", "▶ 나만의 미디어 설정 방법      ", "나만의 라디오 방송국 만들기"},
        {"Command11", "▶ 검증된 방송채널 한번에 받기", "검증된 채널을 다운로드 합니다"},
        {"Label7", "X", "도움말 닫기"},
        {"Command1", "확인", ""},
        {"Command2", "취소", ""},
        {"Command3", "적용", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WidgetControl control(child<QWidget>(c.name));
        EXPECT_EQ(control.caption(), c.caption);
        EXPECT_EQ(control.tooltip(), c.tooltip);
    }
    EXPECT_EQ(child<QLabel>("Label1")->buddy(), child<QLineEdit>("Text1"));
    EXPECT_EQ(child<QLabel>("Label3")->buddy(), child<QCheckBox>("Check2"));
    EXPECT_EQ(child<QLabel>("Label6")->buddy(), child<QComboBox>("Combo1"));
}

TEST_F(SettingsWindow, ApplyAndOkWriteTheSettingsLine) {
    child<QLineEdit>("Text1")->setText("http://x.kr/?a|b");
    click("Check1");
    click("Command3");
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(bytes_of(settings()), "http://x.kr/?a%7Cb|1\r\n");

    click("Command7");
    click("Check1");
    click("Command1");
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(bytes_of(settings()), "about: blank|0\r\n");
    EXPECT_EQ(bytes_of(radio()), "\r\n");
}

TEST_F(SettingsWindow, CancelEscapeAndTheCloseBoxSaveOnlyTheChannel) {
    write(settings(), "http://old.kr/|1\r\n");
    const std::function<void(Form3&)> routes[] = {
        [this](Form3&) { click("Command2"); },
        [](Form3& f) { QTest::keyClick(&f, Qt::Key_Escape); },
        [](Form3& f) { f.close(); },
    };
    int n = 0;
    for (const auto& close_by : routes) {
        SCOPED_TRACE(n);
        const std::string channel = "채널 " + std::to_string(++n);
        child<QLineEdit>("Text1")->setText("http://new.kr/");
        child<QComboBox>("Combo1")->setEditText(QString::fromStdString(channel));
        close_by(form());
        EXPECT_FALSE(form().isVisible());
        EXPECT_EQ(bytes_of(settings()), "http://old.kr/|1\r\n");
        EXPECT_EQ(bytes_of(radio()), cp949::encode(channel + "\r\n"));
        form_.reset();
    }
}

TEST_F(SettingsWindow, TheStartUpBoxWritesAndRemovesTheEntryAtOnce) {
    const auto entry = config.path() / "autostart" / "presslane.desktop";
    click("Check2");
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_NE(bytes_of(entry).find("\nExec=\"/opt/프레스 레인/lane_desk\"\n"), std::string::npos);
    click("Check2");
    EXPECT_FALSE(std::filesystem::exists(entry));

    // An entry that starts a program since moved is repaired by the next opening.
    auto_start.register_program(AutoStart::kValueName, "/old/lane_desk");
    form_.reset();
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(auto_start.ReadKey(AutoStart::kValuePath), kProgram);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SettingsWindow, TheHelpPictureOpensAndClosesByItsX) {
    click("Command10");
    auto* picture = child<QWidget>("Picture1");
    EXPECT_TRUE(picture->isVisible());
    auto* x = child<QLabel>("Label7");
    EXPECT_EQ(x->text(), "X");
    EXPECT_EQ(x->toolTip(), "도움말 닫기");
    QTest::mouseClick(x, Qt::LeftButton);
    EXPECT_FALSE(picture->isVisible());
}

}  // namespace
}  // namespace presslane
