#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>

#include "browse/qt/web_browser.h"
#include "common/endpoints.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/widget_control.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "lane_desk/desk_assembly.h"
#include "common/qt/qt_screen.h"
#include "support/loopback_server.h"
#include "support/pump_until.h"

namespace presslane {
namespace {

std::string page(const std::string& title, const std::string& body = "") {
    return "<!doctype html><html><head><meta charset='utf-8'><title>" + title +
           "</title></head><body>" + body + "</body></html>";
}

// Popup windows the engine opened on its own: visible views that are none of the window's.
std::vector<QWidget*> popup_windows() {
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QWebEngineView*>(w) && !qobject_cast<WebBrowser*>(w) && w->isVisible()) {
            windows.push_back(w);
        }
    }
    return windows;
}

class CatalogueWindow : public ::testing::Test {
protected:
    CatalogueWindow()
        : server({{"/start", page("Start")},
                  {"/counter", page("Counter")},
                  {"/popup1", page("Popup 1")},
                  {"/popup2", page("Popup 2")},
                  {"/open_two",
                   page("Opener",
                        "<script>var a = window.open('/popup1'); var b = window.open('/popup2');"
                        "document.title = a && b ? 'opened 2' : 'refused';</script>")}}) {}
    ~CatalogueWindow() override {
        for (QWidget* w : popup_windows()) w->close();
    }

    Form1& start(const std::string& popup_field) {
        std::ofstream(dir.path() / "lane_desk_setting.res", std::ios::binary)
            << server.url("/start") << popup_field << "\r\n";
        desk = std::make_unique<DeskAssembly>(
            MainController::Ports{dialogs, pump, clock, shell, screen}, dir.path(),
            BrowserHost::Addresses{"4.47", "www.presslane.test", server.url("/start"),
                                   server.url("/counter")},
            nullptr);
        form = &desk->form();
        desk->controller().Form_Load();
        EXPECT_TRUE(pump_until([&] { return form->WebBrowser1().location_name() == "Start"; }));
        return *form;
    }
    QWidget* widget(const std::string& name) {
        auto* control = dynamic_cast<WidgetControl*>(form->control_set().find(name));
        return control ? control->widget() : nullptr;
    }
    std::string button7() { return form->controls()[MainControl::Toolbar1_Button7].caption(); }
    void move_over(QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    LoopbackServer server;
    TempDir dir;
    QtEventPump pump;
    QtClock clock;
    FakeDialogs dialogs;
    FakeShell shell;
    QtScreen screen;
    std::unique_ptr<DeskAssembly> desk;
    Form1* form = nullptr;
};

TEST_F(CatalogueWindow, BlockedPopupsLoadIntoTheHiddenBrowserOneAfterTheOther) {
    Form1& w = start("|1");
    EXPECT_EQ(button7(), "팝업금지");
    const size_t before = popup_windows().size();
    w.WebBrowser1().navigate(server.url("/open_two"));
    // Both requests succeeded in the page; the second popup replaced the first in the sink.
    ASSERT_TRUE(pump_until([&] { return w.WebBrowser1().location_name() == "opened 2"; }))
        << w.WebBrowser1().location_name();
    ASSERT_TRUE(pump_until(
        [&] { return w.WebBrowser3().location_name() == "Popup 2" && !w.WebBrowser3().busy(); }));
    EXPECT_EQ(w.WebBrowser3().location_url(), server.url("/popup2"));
    EXPECT_FALSE(w.WebBrowser3().isVisible());
    QTest::qWait(300);
    EXPECT_EQ(popup_windows().size(), before);

    // The toolbar toggle lets them open again, and says so.
    static_cast<QToolButton*>(widget("Toolbar1_Button7"))->click();
    EXPECT_EQ(button7(), "팝업허용");
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes.back().title, "팝업창 허용");
    w.WebBrowser1().navigate(server.url("/start"));
    ASSERT_TRUE(pump_until([&] { return w.WebBrowser1().location_name() == "Start"; }));
    w.WebBrowser1().navigate(server.url("/open_two"));
    EXPECT_TRUE(pump_until([&] { return popup_windows().size() >= before + 1; }));
    EXPECT_EQ(w.WebBrowser3().location_url(), server.url("/popup2"));
}

TEST_F(CatalogueWindow, UnblockedStartOpensPopupsInWindowsOfTheirOwn) {
    Form1& w = start("|0");
    EXPECT_EQ(button7(), "팝업허용");
    const size_t before = popup_windows().size();
    w.WebBrowser1().navigate(server.url("/open_two"));
    EXPECT_TRUE(pump_until([&] { return popup_windows().size() == before + 2; }));
    EXPECT_EQ(w.WebBrowser3().location_url(), server.url("/counter"));
}

TEST_F(CatalogueWindow, MenuDropsFromItsLabelStaysOverItselfAndALogoOpensItsSite) {
    Form1& w = start("|1");
    std::vector<std::string> requested;
    auto host_handler = w.WebBrowser1().on_before_navigate;
    w.WebBrowser1().on_before_navigate = [&](const std::string& address) {
        requested.push_back(address);
        if (host_handler) host_handler(address);
    };
    QWidget* label = widget("Label2");
    QWidget* menu = widget("Frame12(0)");
    QWidget* logo = widget("Image3100(0)");
    ASSERT_TRUE(label && menu && logo);
    EXPECT_EQ(label->property("text").toString(), "경제신문");
    EXPECT_FALSE(menu->isVisible());

    move_over(label, {0, 5});  // the left edge
    EXPECT_FALSE(menu->isVisible());
    move_over(label, {10, 5});
    ASSERT_TRUE(menu->isVisible());
    // Dropped right under its label, over the browser.
    EXPECT_EQ(menu->geometry().left(), label->mapTo(w.centralWidget(), QPoint(0, 0)).x());
    EXPECT_GE(menu->geometry().top(),
              label->mapTo(w.centralWidget(), QPoint(0, 0)).y() + label->height() - 1);
    // Its logos are drawn: the site's name in white on the menu's tint.
    const QImage tile = logo->grab().toImage();
    bool letters = false;
    for (int y = 0; y < tile.height() && !letters; ++y)
        for (int x = 0; x < tile.width() && !letters; ++x)
            letters = tile.pixelColor(x, y) == Qt::white;
    EXPECT_TRUE(letters);
    move_over(logo, {5, 5});
    EXPECT_TRUE(menu->isVisible());
    // The bar's background between the labels closes it.
    move_over(widget("Frame2"), {5, 5});
    EXPECT_FALSE(menu->isVisible());

    move_over(label, {10, 5});
    ASSERT_TRUE(menu->isVisible());
    QTest::mouseClick(logo, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(pump_until([&] {
        for (const auto& a : requested)
            if (a.find("hankyung.com") != std::string::npos) return true;
        return false;
    }));
}

TEST_F(CatalogueWindow, AllNewspapersWaitForTheProgressWindowAndTheHomePageOpensOutside) {
    Form1& w = start("|1");
    std::vector<std::string> requested;
    auto host_handler = w.WebBrowser1().on_before_navigate;
    w.WebBrowser1().on_before_navigate = [&](const std::string& address) {
        requested.push_back(address);
        if (host_handler) host_handler(address);
    };
    // What had been requested while the progress window was up.
    bool progress_seen = false;
    size_t requested_during_progress = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() && !progress_seen) {
            progress_seen = true;
            requested_during_progress = requested.size();
        }
    });
    watch.start(20);
    QTest::mouseClick(widget("Label1000"), Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(progress_seen);
    EXPECT_EQ(requested_during_progress, 0u);
    EXPECT_TRUE(pump_until([&] {
        return !requested.empty() &&
               requested.front().find("/soft/lane_desk/radio_guide/all_newspaper01.html") !=
                   std::string::npos;
    }));

    QTest::mouseClick(widget("Picture1"), Qt::LeftButton, {}, {5, 5});
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], endpoints::home_page());
}

}  // namespace
}  // namespace presslane
