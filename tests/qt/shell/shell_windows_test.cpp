#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

#include "browse/qt/web_browser.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_event_pump.h"
#include "common/record_file.h"
#include "common/wait.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "shell/about_controller.h"
#include "support/loopback_server.h"
#include "support/pump_until.h"
#include "lane_desk/desk_assembly.h"
#include "shell/qt/form9.h"
#include "common/qt/qt_screen.h"
#include "shell/qt/start_form.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class MainWindowOnWebEngine : public ::testing::Test {
protected:
    MainWindowOnWebEngine()
        : server(
              {{"/start", "<html><head><title>시작 페이지</title></head><body>start</body></html>"},
               {"/second", "<html><head><title>둘째</title></head><body>2</body></html>"},
               {"/presslane_counter/counter.php", "<html><body>1</body></html>"}}) {}

    Form1& window() { return desk().form(); }
    MainController& controller() { return desk().controller(); }
    DeskAssembly& desk() {
        if (!desk_) {
            desk_ = std::make_unique<DeskAssembly>(
                MainController::Ports{dialogs, pump, clock, shell, screen}, dir.path(),
                BrowserHost::Addresses{"4.47", "www.presslane.test", server.url("/start"),
                                       server.url("/presslane_counter/counter.php")},
                nullptr);
        }
        return *desk_;
    }
    std::string caption() { return window().windowTitle().toStdString(); }
    const Control& control(MainControl id) { return window().controls()[id]; }

    LoopbackServer server;
    TempDir dir;
    QtEventPump pump;
    QtClock clock;
    FakeDialogs dialogs;
    FakeShell shell;
    QtScreen screen;
    std::unique_ptr<DeskAssembly> desk_;
};

TEST_F(MainWindowOnWebEngine, FirstStartOpensTheDefaultStartPageAndShowsItsTitle) {
    controller().Form_Load();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(bytes_of(dir.path() / "lane_desk_setting.res"), server.url("/start") + "|0\r\n");
    ASSERT_TRUE(pump_until([&] {
        return caption() == "프레스레인 v4.47 [www.presslane.test] ::: 시작 페이지";
    })) << caption();
    ASSERT_TRUE(pump_until([&] { return control(MainControl::Label26).caption() == "완료"; }));
    EXPECT_TRUE(pump_until([&] {
        return window().WebBrowser3().location_url() ==
               server.url("/presslane_counter/counter.php");
    }));
    EXPECT_FALSE(window().WebBrowser3().isVisible());
    EXPECT_FALSE(control(MainControl::Frame8).visible());

    // The default geometry fills the work area right of 3200 twips, 380 twips short at the foot.
    const Size work = screen.work_area();
    EXPECT_NEAR(control(MainControl::Form1).left(), 3200, 15);
    EXPECT_NEAR(control(MainControl::Form1).width(), work.width - 3200, 15);
    EXPECT_NEAR(control(MainControl::Form1).height(), work.height - 380, 15);
}

// The scrap preview browser is asked for the blank page by the load sequence but is seen only with
// the scrapbook: no page process runs for it until the scrapbook is first shown.
TEST_F(MainWindowOnWebEngine, ScrapPreviewStartsItsPageProcessWithTheScrapbook) {
    controller().Form_Load();
    ASSERT_TRUE(pump_until([&] { return control(MainControl::Label26).caption() == "완료"; }));
    WebBrowser& preview = window().WebBrowser2();
    EXPECT_NE(window().WebBrowser1().page()->renderProcessPid(), 0);
    EXPECT_EQ(preview.page()->renderProcessPid(), 0);
    EXPECT_EQ(preview.location_url(), "about:blank");

    controller().host().Toolbar1_ButtonClick(6);
    ASSERT_TRUE(preview.isVisible());
    EXPECT_TRUE(pump_until([&] { return preview.page()->renderProcessPid() != 0; }));
    EXPECT_TRUE(pump_until([&] { return preview.has_document() && !preview.busy(); }));
    EXPECT_EQ(preview.location_url(), "about:blank");
    EXPECT_EQ(preview.page()->url().toString().toStdString(), "about:blank");
}

TEST_F(MainWindowOnWebEngine, EnterInTheAddressBoxNavigatesWhatWasTyped) {
    const std::string typed = server.url("/second").substr(std::string("http://").size());
    // A bookmark whose title starts with the typed text: the box must not complete it.
    const std::string title = typed + " bookmark";
    RecordFile(dir.path() / "bookmark.res").append({title, "http://127.0.0.1:1/never"});
    controller().Form_Load();
    ASSERT_TRUE(pump_until([&] { return caption().ends_with("시작 페이지"); }));
    auto* combo = window().findChild<QComboBox*>("Combo1");
    combo->addItem(QString::fromStdString(title));
    combo->setFocus();
    // Keys go where the window system delivers them: to the combo box, not its line edit.
    QTest::keyClicks(combo, QString::fromStdString(typed));
    EXPECT_EQ(combo->currentText().toStdString(), typed);
    QTest::keyClick(combo, Qt::Key_Return);
    ASSERT_TRUE(pump_until([&] { return caption().ends_with("::: 둘째"); })) << caption();
    EXPECT_EQ(window().WebBrowser1().location_url(), server.url("/second"));
}

TEST_F(MainWindowOnWebEngine, ResizesLayOutThePanesOnTheRealWidgets) {
    controller().Form_Load();
    window().showNormal();
    window().resize(1100, 760);
    ASSERT_TRUE(pump_until([&] { return window().width() == 1100; }));
    pump_until([] { return false; }, 300);
    const int W = control(MainControl::Form1).width();
    const int H = control(MainControl::Form1).height();
    EXPECT_NEAR(control(MainControl::WebBrowser1).top(), 1300, 15);
    EXPECT_NEAR(control(MainControl::WebBrowser1).height(), H - 2490, 15);
    EXPECT_NEAR(control(MainControl::WebBrowser1).width(), W - 150, 15);
    EXPECT_NEAR(control(MainControl::Frame10).top(), 1300 + H - 2490, 15);
    EXPECT_NEAR(control(MainControl::Frame7).left() + control(MainControl::Frame7).width(), W - 150,
                30);
    EXPECT_EQ(control(MainControl::Picture20).visible(), W >= 13000);

    controller().toggle_view();
    pump_until([] { return false; }, 100);
    EXPECT_NEAR(control(MainControl::Frame2).top(), 0, 15);
    EXPECT_NEAR(control(MainControl::Frame17).top(), 120, 15);
    EXPECT_NEAR(control(MainControl::WebBrowser1).top(), 520, 15);
}

TEST_F(MainWindowOnWebEngine, CloseSequenceWritesTheGeometryAndEndsTheProcess) {
    controller().Form_Load();
    window().showNormal();
    window().move(120, 90);
    window().resize(1000, 700);
    pump_until([&] { return window().width() == 1000; });
    const Control& frame = control(MainControl::Form1);
    const std::string expected = std::to_string(frame.left()) + "|" + std::to_string(frame.top()) +
                                 "|" + std::to_string(frame.width()) + "|" +
                                 std::to_string(frame.height()) + "\r\n";
    EXPECT_THROW(controller().Form_Unload(), ProcessEnded);
    EXPECT_EQ(bytes_of(dir.path() / "lane_desk_x_y_setting.res"), expected);
}

// The tray icon lives from the load sequence on, and its left clicks hide and restore the window.
TEST_F(MainWindowOnWebEngine, TrayIconHidesAndRestoresTheWindow) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "the desktop has no tray";
    EXPECT_EQ(window().findChild<QSystemTrayIcon*>(), nullptr);
    controller().Form_Load();
    auto* tray = window().findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->isVisible());
    EXPECT_EQ(tray->toolTip(), "Press Lane 2005");
    window().showNormal();
    ASSERT_TRUE(pump_until([&] { return window().isVisible(); }));
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(pump_until([&] { return !window().isVisible(); }));
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(pump_until([&] { return window().isVisible() && !window().isMinimized(); }));
    EXPECT_THROW(controller().Form_Unload(), ProcessEnded);
    EXPECT_EQ(window().findChild<QSystemTrayIcon*>(), nullptr);
}

// The menu bar is built from the command table with its separators, and its commands open their
// windows: the about window shows the version and keeps the history's lines as they are.
TEST_F(MainWindowOnWebEngine, MenuBarOpensTheAboutWindow) {
    QStringList titles;
    for (QAction* a : window().menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"환경설정(&E)", "미디어설정(&M)", "기사편집(&A)", "부가기능(&O)",
                                   "▶손가락 하나로 모든 뉴스를 : 프레스레인(&H)"}));
    auto* settings = window().findChild<QMenu*>("menu02");
    ASSERT_NE(settings, nullptr);
    int separators = 0;
    for (QAction* a : settings->actions()) separators += a->isSeparator();
    EXPECT_EQ(settings->actions().size(), 10);
    EXPECT_EQ(separators, 3);

    std::string version;
    int blocks = 0, lines = 0;
    QTimer::singleShot(0, [&] {
        pump_until([] { return QApplication::activeModalWidget() != nullptr; }, 10000);
        QWidget* about = QApplication::activeModalWidget();
        if (!about || about->objectName() != "Form6") return;
        version = about->findChild<QLabel*>("Label2")->text().toStdString();
        const auto* history = about->findChild<QPlainTextEdit*>("Text1");
        blocks = history->document()->blockCount();
        lines = QString::fromStdString(AboutController::upgrade_history()).count("\r\n") + 1;
        about->findChild<QPushButton*>("Command1")->click();
    });
    auto* command = window().findChild<QAction*>("menu02_3");
    ASSERT_NE(command, nullptr);
    command->trigger();
    EXPECT_EQ(version, "Lane Desk 4.47");
    EXPECT_GT(lines, 40);
    EXPECT_EQ(blocks, lines);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The wait sleeps in the event loop: a busy loop would burn about a second of processor time.
TEST(WaitOnTheRealEventLoop, LetsTimersRunAndLeavesTheProcessorIdle) {
    QtEventPump pump;
    QtClock clock;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(100);
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu_start = std::clock();
    wait_seconds(1.0f, pump, clock);
    const double cpu = double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    // Both clocks count whole milliseconds, so a wait just past a second may read as 1000 here.
    EXPECT_GE(wall.elapsed(), 995);
    EXPECT_GE(ticks, 8);
    EXPECT_LT(cpu, 0.5);
}

TEST(ProgressWindowOnScreen, PacesItsBarAndClosesItself) {
    QtEventPump pump;
    QtClock clock;
    QElapsedTimer timer;
    timer.start();
    // Closes itself; a watchdog fails the test instead of hanging it.
    QTimer::singleShot(10000, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    Form9::show_modal(pump, clock, nullptr);
    EXPECT_GE(timer.elapsed(), 1290);  // 0.3 s and 1 s, counted in whole milliseconds
    EXPECT_LT(timer.elapsed(), 8000);
}

// Stands for a window manager that never activates the window it watches.
class NoActivation : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowActivate;
    }
};

TEST(ProgressWindowOnScreen, ClosesItselfEvenWhenNeverActivated) {
    QtEventPump pump;
    QtClock clock;
    Form9 form(pump, clock, nullptr);
    NoActivation never;
    form.installEventFilter(&never);
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(10000, &form, [&form] { form.reject(); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_LT(timer.elapsed(), 8000);
    EXPECT_EQ(form.findChild<QProgressBar*>("ProgressBar1")->value(), 7000);
}

TEST(SplashOnScreen, LoadsTheMainWindowOnceThenShowsItAndCloses) {
    QtEventPump pump;
    QtClock clock;
    int loads = 0, shows = 0;
    QPointer<StartForm> splash =
        new StartForm(pump, clock, {[&] { ++loads; }, [&] { ++shows; }, {}});
    splash->show();
    splash->activateWindow();
    EXPECT_EQ(splash->width(), 495);
    EXPECT_EQ(splash->height(), 279);
    ASSERT_TRUE(pump_until([&] { return shows == 1; }, 9000));
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(pump_until([&] { return splash.isNull(); }, 3000));
}

}  // namespace
}  // namespace presslane
