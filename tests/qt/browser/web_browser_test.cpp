#include "browse/qt/web_browser.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>

#include "browse/qt/web_page.h"
#include "support/loopback_server.h"
#include "support/web_page_steps.h"

namespace presslane {
namespace {

constexpr int kLoadMs = 20000;

std::string page(const std::string& title, const std::string& body = "") {
    return "<!doctype html><html><head><meta charset='utf-8'><title>" + title +
           "</title></head><body>" + body + "</body></html>";
}

LoopbackServer& server() {
    static LoopbackServer instance({
        {"/page1", page("One", "<p>first</p>")},
        {"/page2", page("Two")},
        {"/page3", page("Three")},
        {"/slow", page("Slow", "<div style='height:2000px'>slow</div>")},
        {"/frame_host", page("Host", "<iframe src='/frame_child'></iframe>")},
        {"/frame_child", page("Child")},
        {"/popup1", page("Popup 1")},
        {"/popup2", page("Popup 2")},
        {"/open_one", page("Opener",
                           "<script>var w = window.open('/popup1');"
                           "document.title = w ? 'opened 1' : 'refused';</script>")},
        {"/link", page("Links",
                       "<a href='/popup1' target='_blank' "
                       "style='display:block;width:380px;height:280px'>new window</a>")},
        {"/open_two", page("Opener",
                           "<script>var a = window.open('/popup1'); var b = window.open('/popup2');"
                           "document.title = a && b ? 'opened 2' : 'refused';</script>")},
        {"/noisy", page("Noisy",
                        "<script>console.log('PL-LOG-MARK');"
                        "console.error('PL-ERR-MARK'); pl_missing_function();</script>")},
        {"/form", page("Form",
                       "<input name='user' value='old'><input name='user' value='second'>"
                       "<input name='pass' placeholder='p'>")},
    });
    return instance;
}

bool wait_for(const std::function<bool()>& done, int ms = kLoadMs) {
    return QTest::qWaitFor(done, ms);
}

// Popup windows the engine opened on its own: visible top-level views that no test created.
std::vector<QWidget*> popup_windows() {
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QWebEngineView*>(window) && !qobject_cast<WebBrowser*>(window) &&
            window->isVisible())
            windows.push_back(window);
    return windows;
}

// Redirects this process's stderr (where Qt logs) into a file until finish().
class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = ::dup(2);
        ::dup2(::fileno(file_), 2);
    }
    ~StderrCapture() { finish(); }
    std::string finish() {
        if (saved_ < 0) return text_;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
        std::rewind(file_);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;)
            text_.append(buffer, n);
        std::fclose(file_);
        return text_;
    }

private:
    std::FILE* file_;
    int saved_ = -1;
    std::string text_;
};

TEST(WebBrowserAddress, ResolvesWhatAUserTypes) {
    const std::string korean = std::string("http://") + kKoreanTestHost + "/news";
    const struct {
        std::string typed;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"about: blank", "about:blank"},
        {"about:blank", "about:blank"},
        {"ABOUT:  Blank", "about:blank"},
        {"127.0.0.1:8080/page", "http://127.0.0.1:8080/page"},
        {"www.example.com", "http://www.example.com"},
        {std::string(kKoreanTestHost) + "/news", korean},
        {"https://secure.example.com/a?b=1", "https://secure.example.com/a?b=1"},
    };
    for (const auto& c : cases) {
        const QUrl url = WebBrowser::resolve_address(c.typed);
        EXPECT_EQ(url.isEmpty() ? "" : url.toString().toStdString(), c.expected) << c.typed;
    }
    // The engine receives the Korean name in its ASCII form.
    EXPECT_TRUE(WebBrowser::resolve_address(kKoreanTestHost).toEncoded().startsWith("http://xn--"));
}

TEST(WebBrowser, ReportsProgressRisingTo100AndEndingWithMinusOne) {
    WebBrowser browser;
    std::vector<std::pair<int, int>> events;
    int completed = 0;
    size_t events_at_complete = 0;
    browser.on_progress_change = [&](int progress, int maximum) {
        events.emplace_back(progress, maximum);
    };
    browser.on_document_complete = [&] {
        ++completed;
        events_at_complete = events.size();
    };
    browser.navigate(server().url("/page1"));
    ASSERT_TRUE(wait_for([&] { return completed > 0; }));

    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.back(), std::make_pair(-1, 100));
    EXPECT_EQ(events[events.size() - 2], std::make_pair(100, 100));
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].second, 100);
        EXPECT_GE(events[i].first, 0);
        if (i > 0) {
            EXPECT_GE(events[i].first, events[i - 1].first);
        }
    }
    // The end of the load is reported before the document completes.
    EXPECT_EQ(events_at_complete, events.size());
    EXPECT_EQ(completed, 1);
}

TEST(WebBrowser, ReportsEveryFrameBeforeItNavigates) {
    WebBrowser browser;
    std::vector<std::string> addresses;
    browser.on_before_navigate = [&](const std::string& address) { addresses.push_back(address); };
    ASSERT_TRUE(load(browser, server().url("/frame_host")));
    ASSERT_TRUE(wait_for([&] { return addresses.size() >= 2; }));
    EXPECT_EQ(addresses[0], server().url("/frame_host"));
    EXPECT_EQ(addresses[1], server().url("/frame_child"));
    // The navigation went on: the frame's document is there.
    EXPECT_EQ(run_js(browser, "document.querySelector('iframe').contentDocument.title"), "Child");
}

TEST(WebBrowser, ReportsTitleAddressBusyAndDocument) {
    WebBrowser browser;
    EXPECT_FALSE(browser.has_document());
    EXPECT_FALSE(browser.busy());
    EXPECT_EQ(browser.location_url(), "");

    int completed = 0;
    browser.on_document_complete = [&] { ++completed; };
    browser.navigate(server().url("/slow"));
    ASSERT_TRUE(wait_for([&] { return browser.busy(); }));
    EXPECT_FALSE(browser.has_document());
    ASSERT_TRUE(wait_for([&] { return completed > 0; }));
    EXPECT_FALSE(browser.busy());
    EXPECT_TRUE(browser.has_document());
    EXPECT_EQ(browser.location_name(), "Slow");
    EXPECT_EQ(browser.location_url(), server().url("/slow"));
}

TEST(WebBrowser, ResolvesAddressesWithoutSchemeAndKoreanDomains) {
    WebBrowser browser;
    const std::string port = std::to_string(server().port());
    for (const std::string& typed :
         {"127.0.0.1:" + port + "/page1", std::string(kKoreanTestHost) + ":" + port + "/page1"}) {
        ASSERT_TRUE(load(browser, "about:blank"));
        ASSERT_TRUE(load(browser, typed)) << typed;
        EXPECT_EQ(browser.location_name(), "One") << typed;
    }
}

TEST(WebBrowser, LoadsTheBlankPageWithOrWithoutTheBlank) {
    WebBrowser browser;
    for (const std::string address : {"about: blank", "about:blank"}) {
        ASSERT_TRUE(load(browser, server().url("/page1")));
        ASSERT_TRUE(load(browser, address)) << address;
        EXPECT_EQ(browser.location_url(), "about:blank") << address;
        EXPECT_TRUE(browser.has_document());
    }
}

TEST(WebBrowser, EmptyAddressLeavesThePageAsItWas) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/page1")));
    int progress = 0, navigations = 0;
    browser.on_progress_change = [&](int, int) { ++progress; };
    browser.on_before_navigate = [&](const std::string&) { ++navigations; };
    QSignalSpy started(browser.page(), &QWebEnginePage::loadStarted);
    browser.navigate("");
    browser.navigate("  ");
    QTest::qWait(500);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(progress, 0);
    EXPECT_EQ(navigations, 0);
    EXPECT_EQ(browser.location_url(), server().url("/page1"));
    EXPECT_EQ(browser.location_name(), "One");
}

TEST(WebBrowser, GoesBackAndForwardAndIsSilentAtTheEnds) {
    WebBrowser browser;
    // Nothing to go to yet.
    browser.go_back();
    browser.go_forward();
    QTest::qWait(200);
    EXPECT_EQ(browser.location_url(), "");

    for (const char* path : {"/page1", "/page2", "/page3"})
        ASSERT_TRUE(load(browser, server().url(path)));
    const auto step = [&](void (WebBrowser::*move)(), const std::string& title) {
        QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);
        (browser.*move)();
        return wait_for([&] { return finished.count() > 0; }) && browser.location_name() == title;
    };
    const auto stays = [&](void (WebBrowser::*move)(), const std::string& title) {
        QSignalSpy started(browser.page(), &QWebEnginePage::loadStarted);
        (browser.*move)();
        QTest::qWait(300);
        return started.count() == 0 && browser.location_name() == title;
    };
    EXPECT_TRUE(stays(&WebBrowser::go_forward, "Three"));
    EXPECT_TRUE(step(&WebBrowser::go_back, "Two"));
    EXPECT_TRUE(step(&WebBrowser::go_back, "One"));
    EXPECT_TRUE(stays(&WebBrowser::go_back, "One"));
    EXPECT_TRUE(step(&WebBrowser::go_forward, "Two"));
    EXPECT_TRUE(step(&WebBrowser::go_forward, "Three"));
    EXPECT_TRUE(stays(&WebBrowser::go_forward, "Three"));
}

TEST(WebBrowserPopups, SinkReceivesEveryPopupAndNoWindowOpens) {
    WebBrowser sink;  // never shown, like the program's hidden browser
    WebBrowser opener;
    opener.resize(400, 300);
    opener.show();
    int asked = 0;
    opener.on_new_window = [&](bool) -> Browser* {
        // The program's handler lets window events run before it decides.
        QCoreApplication::processEvents();
        ++asked;
        return &sink;
    };
    const size_t windows_before = popup_windows().size();

    ASSERT_TRUE(load(opener, server().url("/open_two")));
    // The second popup replaces the first in the sink.
    ASSERT_TRUE(wait_for([&] { return sink.location_name() == "Popup 2" && !sink.busy(); }));
    EXPECT_EQ(sink.location_url(), server().url("/popup2"));
    EXPECT_EQ(asked, 2);
    // window.open succeeded in the page: no script error there.
    EXPECT_EQ(opener.location_name(), "opened 2");
    QTest::qWait(300);
    EXPECT_EQ(popup_windows().size(), windows_before);
    EXPECT_FALSE(sink.isVisible());
}

TEST(WebBrowserPopups, WithoutASinkThePopupOpensInAWindowOfItsOwn) {
    const std::function<Browser*(bool)> handlers[] = {[](bool) -> Browser* { return nullptr; },
                                                      nullptr};
    for (const auto& handler : handlers) {
        SCOPED_TRACE(handler ? "handler returns nullptr" : "no handler");
        WebBrowser opener;
        opener.on_new_window = handler;
        const size_t windows_before = popup_windows().size();
        ASSERT_TRUE(load(opener, server().url("/open_one")));
        QPointer<QWidget> popup;
        ASSERT_TRUE(wait_for([&] {
            for (QWidget* window : popup_windows())
                if (window->windowTitle() == "Popup 1") popup = window;
            return !popup.isNull();
        }));
        EXPECT_EQ(popup_windows().size(), windows_before + 1);
        EXPECT_EQ(opener.location_name(), "opened 1");
        popup->close();
        EXPECT_TRUE(wait_for([&] { return popup.isNull(); }));
    }
}

TEST(WebBrowserPopups, WindowsTheUserAsksForLoadInPlaceTheOthersInTheMutedSink) {
    WebBrowser sink;
    sink.set_audio_muted(true);
    WebBrowser opener;
    opener.resize(400, 300);
    opener.show();
    std::vector<bool> asked;
    opener.on_new_window = [&](bool by_user) -> Browser* {
        asked.push_back(by_user);
        return by_user ? static_cast<Browser*>(&opener) : &sink;
    };
    // A left click and a middle click on a link that opens a new window: real mouse input.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button == Qt::LeftButton ? "left click" : "middle click");
        asked.clear();
        ASSERT_TRUE(load(opener, server().url("/link")));
        ASSERT_TRUE(wait_for([&] { return opener.focusProxy() != nullptr; }));
        QTest::mouseClick(opener.focusProxy(), button, {}, QPoint(60, 60));
        ASSERT_TRUE(wait_for([&] { return opener.location_name() == "Popup 1"; }));
        EXPECT_EQ(asked, std::vector<bool>{true});
        // Opened in place, in the opener's own history.
        EXPECT_TRUE(opener.history()->canGoBack());
        EXPECT_EQ(sink.location_url(), "");
    }
    // A window the page opens by itself goes to the sink, which stays muted.
    asked.clear();
    ASSERT_TRUE(load(opener, server().url("/open_one")));
    ASSERT_TRUE(wait_for([&] { return sink.location_name() == "Popup 1" && !sink.busy(); }));
    EXPECT_EQ(asked, std::vector<bool>{false});
    EXPECT_EQ(opener.location_name(), "opened 1");
    EXPECT_TRUE(sink.web_page()->isAudioMuted());
}

TEST(WebBrowser, SilentKeepsPageConsoleAndScriptErrorsOffTheTerminal) {
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "silent" : "not silent");
        WebBrowser browser;
        browser.set_silent(silent);
        StderrCapture capture;
        ASSERT_TRUE(load(browser, server().url("/noisy")));
        // Console messages travel separately from the load's end; a round trip flushes them.
        run_js(browser, "1");
        QTest::qWait(300);
        const std::string output = capture.finish();
        if (silent) {
            EXPECT_EQ(output.find("PL-ERR-MARK"), std::string::npos) << output;
            EXPECT_EQ(output.find("PL-LOG-MARK"), std::string::npos) << output;
            EXPECT_EQ(output.find("pl_missing_function"), std::string::npos) << output;
        } else {
            // Shows that the capture sees what the engine logs, so the silent case means something.
            EXPECT_NE(output.find("PL-ERR-MARK"), std::string::npos) << output;
        }
    }
}

TEST(WebBrowser, DeliversMouseOverOnlyOnceTheFirstDocumentCompleted) {
    WebBrowser browser;
    browser.setGeometry(0, 0, 400, 300);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    int over = 0;
    bool complete = false;
    browser.on_document_mouse_over = [&] { ++over; };
    browser.on_document_complete = [&] { complete = true; };
    const auto sweep = [&] {
        for (const QPoint point : {QPoint(100, 100), QPoint(200, 150), QPoint(150, 200)}) {
            QCursor::setPos(browser.mapToGlobal(point));
            QTest::qWait(50);
        }
    };

    browser.navigate(server().url("/slow"));
    ASSERT_TRUE(wait_for([&] { return browser.busy(); }));
    sweep();
    EXPECT_EQ(over, 0);
    ASSERT_TRUE(wait_for([&] { return complete; }));
    sweep();
    EXPECT_TRUE(wait_for([&] { return over > 0; }, 3000));
}

TEST(WebBrowser, FillsNamedFieldsOnlyOnAPageOfTheGivenOrigin) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/form")));
    const auto value_of = [&](const char* name, int index) {
        return run_js(browser,
                      QString("document.getElementsByName('%1')[%2].value").arg(name).arg(index));
    };
    const auto attribute_of = [&](const char* name) {
        return run_js(
            browser,
            QString("document.getElementsByName('%1')[0].getAttribute('value')").arg(name));
    };
    const std::string port = std::to_string(server().port());
    // The user typed into the field first: the fill must still show in it.
    run_js(browser, "document.getElementsByName('pass')[0].value = 'typed'");
    for (const std::string& value :
         {std::string("김철수"), std::string("a\"b'c\\d</script><b>"), std::string("line\u2028sep"),
          std::string("'); document.title = 'pwned'; ('")}) {
        EXPECT_TRUE(browser.fill_fields(server().url("/login"),
                                        {{"user", value}, {"pass", "암호" + value}}));
        EXPECT_EQ(value_of("user", 0), value);
        EXPECT_EQ(attribute_of("user"), value);
        EXPECT_EQ(value_of("user", 1), "second");
        EXPECT_EQ(value_of("pass", 0), "암호" + value);
    }

    // The same host and port over https, another host or port, no origin at all, one missing
    // element or a hostile name fill nothing at all.
    const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
        refused = {
            {"https://127.0.0.1:" + port + "/form", {{"user", "x"}, {"pass", "x"}}},
            {"http://localhost:" + port + "/form", {{"user", "x"}, {"pass", "x"}}},
            {"http://127.0.0.2:" + port + "/", {{"user", "x"}}},
            {"http://127.0.0.1/", {{"user", "x"}}},
            {"127.0.0.1", {{"user", "x"}}},
            {"", {{"user", "x"}}},
            {"about:blank", {{"user", "x"}}},
            {server().url("/"), {{"user", "x"}, {"nobody", "x"}}},
            {server().url("/"), {{"')]; document.title = 'pwned'; //", "x"}}},
            {"127.0.0.1', document.title = 'pwned', '", {{"user", "x"}}},
        };
    for (const auto& [page, fields] : refused) {
        EXPECT_FALSE(browser.fill_fields(page, fields)) << page;
        EXPECT_EQ(value_of("user", 0), "'); document.title = 'pwned'; ('") << page;
    }
    EXPECT_EQ(browser.location_name(), "Form");
    // The host is compared without regard to case.
    ASSERT_TRUE(load(browser, "http://LOCALHOST:" + port + "/form"));
    EXPECT_TRUE(browser.fill_fields("HTTP://LocalHost:" + port + "/x", {{"user", "upper"}}));
    EXPECT_EQ(value_of("user", 0), "upper");
    // A page without an origin of its own is not taken for one.
    ASSERT_TRUE(load(browser, "about:blank"));
    EXPECT_FALSE(browser.fill_fields("about:blank", {{"user", "x"}}));
}

// The address is read as the browser sends it, so that a stored copy opens the very same page:
// no "|" that would split a record, no text that reads back as another address.
TEST(WebBrowser, TheLocationIsTheFullyEncodedAddress) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/page1") + "?ids=1|2&q=한 글"));
    EXPECT_EQ(browser.location_url(),
              server().url("/page1") + "?ids=1%7C2&q=%ED%95%9C%20%EA%B8%80");
}

// A fill right after a navigation must not land on the page that is about to go.
TEST(WebBrowser, IsBusyFromTheNavigateCallOn) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/form")));
    browser.navigate("");
    EXPECT_FALSE(browser.busy());
    browser.navigate(server().url("/page2"));
    EXPECT_TRUE(browser.busy());
    ASSERT_TRUE(wait_for([&] { return !browser.busy(); }));
    EXPECT_EQ(browser.location_name(), "Two");
}

// A page whose renderer is stuck in a script answers no fill: the fill gives up with false, also
// when the browser is destroyed while it waits.
TEST(WebBrowser, FillGivesUpQuietlyWhenThePageDoesNotAnswer) {
    const auto hang = [](WebBrowser& browser) {
        browser.page()->runJavaScript("var t = Date.now(); while (Date.now() - t < 5000) {}");
    };
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/form")));
    hang(browser);
    EXPECT_FALSE(browser.fill_fields(server().url("/form"), {{"user", "x"}}));

    auto* doomed = new WebBrowser;
    ASSERT_TRUE(load(*doomed, server().url("/form")));
    hang(*doomed);
    QTimer::singleShot(100, [doomed] { delete doomed; });
    EXPECT_FALSE(doomed->fill_fields(server().url("/form"), {{"user", "x"}}));
}

// Closes the modal dialog of type D once ready(D*) holds (or after a deadline) and records what
// it saw; the browser's dialog runs in a nested event loop, so this runs from a timer.
template <typename D>
struct ModalCloser {
    std::function<bool(D*)> ready = [](D*) { return true; };
    bool seen = false;
    bool was_ready = false;
    QTimer timer;
    QElapsedTimer clock;

    ModalCloser() {
        clock.start();
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            was_ready = ready(dialog);
            if (was_ready || clock.elapsed() > kLoadMs) {
                timer.stop();
                dialog->reject();
            }
        });
        timer.start(50);
    }
};

TEST(WebBrowserPrinting, PreviewShowsThePrintedPageModallyAndReturnsWhenClosed) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/page1")));
    ModalCloser<QPrintPreviewDialog> closer;
    closer.ready = [](QPrintPreviewDialog* dialog) {
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        return preview && preview->pageCount() > 0;
    };
    browser.print_preview();
    EXPECT_TRUE(closer.seen);
    EXPECT_TRUE(closer.was_ready) << "the preview never received the page";
    // A second preview works too: the first print did not leave the engine busy.
    ModalCloser<QPrintPreviewDialog> again;
    again.ready = closer.ready;
    browser.print_preview();
    EXPECT_TRUE(again.was_ready);
}

TEST(WebBrowserPrinting, PrintShowsAModalPrintDialogAndReturnsWhenCancelled) {
    WebBrowser browser;
    ASSERT_TRUE(load(browser, server().url("/page1")));
    ModalCloser<QPrintDialog> closer;
    browser.print();
    EXPECT_TRUE(closer.seen);
}

}  // namespace
}  // namespace presslane
