#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <httplib.h>

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>

#include "browse/qt/web_browser.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/widget_control.h"
#include "search/qt/form7.h"
#include "search/qt/form8.h"
#include "search/qt/search_forms.h"
#include "support/pump_until.h"
#include "support/self_signed.h"
#include "support/web_page_steps.h"

namespace presslane {
namespace {

constexpr char kLoginForm[] =
    "<!doctype html><html><head><meta charset='utf-8'><title>Login</title></head><body>"
    "<form action='/session/submit' method='post'><input name='userid'>"
    "<input type='password' name='passwd'><input type='submit' name='login' value='login'>"
    "</form></body></html>";
constexpr char kPlainPage[] =
    "<!doctype html><html><head><meta charset='utf-8'><title>Plain</title></head><body>"
    "<p>no login here</p><input name='login'></body></html>";

// A login page, a page without its fields and a search engine on loopback, over http and, on a
// second port, over https. It counts every form submission and records the raw target of every
// other request.
class SearchServer {
public:
    SearchServer() : secure_(tls_.cert(), tls_.key()) {
        serve(server_);
        serve(secure_);
        port_ = server_.bind_to_any_port("127.0.0.1");
        secure_port_ = secure_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        secure_thread_ = std::thread([this] { secure_.listen_after_bind(); });
        for (int i = 0; i < 2000 && !(server_.is_running() && secure_.is_running()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~SearchServer() {
        server_.stop();
        secure_.stop();
        thread_.join();
        secure_thread_.join();
    }
    std::string url(const std::string& path, const std::string& host = "127.0.0.1") const {
        return "http://" + host + ":" + std::to_string(port_) + path;
    }
    std::string secure_url(const std::string& path) const {
        return "https://127.0.0.1:" + std::to_string(secure_port_) + path;
    }
    std::vector<std::string> targets() {
        std::lock_guard lock(mutex_);
        return targets_;
    }

    std::atomic<int> submissions{0};
    std::atomic<int> login_delay_ms{0};

private:
    void serve(httplib::Server& server) {
        server.Get("/session/login.html", [this](const httplib::Request&, httplib::Response& res) {
            if (const int ms = login_delay_ms.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            res.set_content(kLoginForm, "text/html; charset=utf-8");
        });
        server.Post(".*", [this](const httplib::Request&, httplib::Response& res) {
            ++submissions;
            res.set_content(kPlainPage, "text/html; charset=utf-8");
        });
        server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            if (req.path == "/session/submit") ++submissions;
            {
                std::lock_guard lock(mutex_);
                targets_.push_back(req.target);
            }
            res.set_content(kPlainPage, "text/html; charset=utf-8");
        });
    }

    // The browser is told to accept it.
    SelfSigned tls_;
    httplib::Server server_;
    httplib::SSLServer secure_;
    std::mutex mutex_;
    std::vector<std::string> targets_;
    int port_ = -1;
    int secure_port_ = -1;
    std::thread thread_;
    std::thread secure_thread_;
};

SearchServer& server() {
    static SearchServer instance;
    return instance;
}

// Answers every message box that opens and records its text and title.
class MessageWatch {
public:
    MessageWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen.emplace_back(box->text().toStdString(), box->windowTitle().toStdString());
            box->accept();
        });
        timer_.start(50);
    }
    std::vector<std::pair<std::string, std::string>> seen;

private:
    QTimer timer_;
};

using Fields = std::pair<std::string, std::string>;

Fields login_fields(WebBrowser& browser) {
    return {run_js(browser, "document.getElementsByName('userid')[0].value"),
            run_js(browser, "document.getElementsByName('passwd')[0].value")};
}

// The main window's controls the search windows are placed by.
struct MainController {
    MainController() {
        form1.setGeometry(100, 80, 900, 700);
        frame10.setGeometry(0, 660, 900, 26);
    }
    QWidget form1;
    QFrame frame10{&form1};
    WidgetControl form1_port{&form1}, frame10_port{&frame10};
};

class SearchWindowsTest : public ::testing::Test {
protected:
    SearchWindowsTest() {
        // The loopback server's own certificate stands in for one a public authority signed.
        QObject::connect(web1.page(), &QWebEnginePage::certificateError,
                         [](QWebEngineCertificateError error) { error.acceptCertificate(); });
    }
    template <typename W>
    W* child(QWidget& form, const char* name) {
        return form.findChild<W*>(name);
    }
    std::unique_ptr<Form7> webmail(const std::string& login_page, float wait_seconds) {
        auto form = std::make_unique<Form7>(main.form1_port, main.frame10_port,
                                            WebmailController::Ports{web1, dialogs, pump, clock},
                                            WebmailController::Sites{login_page, {}, wait_seconds});
        form->show();
        child<QLineEdit>(*form, "Text1")->setText("kim");
        child<QLineEdit>(*form, "Text2")->setText("p&ss 암호");
        return form;
    }

    MainController main;
    WebBrowser web1;
    QtDialogs dialogs;
    QtEventPump pump;
    QtClock clock;
    MessageWatch messages;
    const Fields typed{"kim", "p&ss 암호"};
};

TEST_F(SearchWindowsTest, WaitingLoginFillsTheLoginPageAndSubmitsNothing) {
    ASSERT_TRUE(load(web1, server().url("/plain")));
    web1.hide();
    auto form = webmail(server().secure_url("/session/login.html"), 20.0f);
    const int submitted = server().submissions;
    child<QPushButton>(*form, "Command2")->click();

    EXPECT_TRUE(web1.isVisible());
    EXPECT_EQ(web1.url().toString().toStdString(), server().secure_url("/session/login.html"));
    EXPECT_EQ(login_fields(web1), typed);
    EXPECT_EQ(run_js(web1, "document.getElementsByName('userid')[0].getAttribute('value')"), "kim");

    // Again while the login page is displayed: the fill lands on the page that replaces it, not
    // on the one that is about to go.
    server().login_delay_ms = 1000;
    child<QLineEdit>(*form, "Text1")->setText("lee");
    child<QPushButton>(*form, "Command2")->click();
    server().login_delay_ms = 0;
    ASSERT_TRUE(pump_until([&] { return !web1.busy(); }));
    QTest::qWait(300);
    EXPECT_EQ(login_fields(web1), Fields("lee", typed.second));

    QTest::qWait(500);
    EXPECT_EQ(server().submissions, submitted);
    EXPECT_TRUE(messages.seen.empty());
}

// The page displayed at the click keeps its fields empty unless it is the https login page: the
// same login page served over plain http from the same host is not filled. The login page is
// slow to answer here, so the displayed page can be read before it is replaced.
TEST_F(SearchWindowsTest, QuickLoginFillsOnlyAPageOfTheHttpsLoginPagesOrigin) {
    auto form = webmail(server().secure_url("/session/login.html"), 20.0f);
    auto* quick = child<QPushButton>(*form, "Command1");
    server().login_delay_ms = 1500;
    ASSERT_TRUE(load(web1, server().url("/session/login.html")));

    QSignalSpy finished(web1.page(), &QWebEnginePage::loadFinished);
    quick->click();
    EXPECT_EQ(web1.url().scheme().toStdString(), "http");
    EXPECT_EQ(login_fields(web1), Fields());
    ASSERT_TRUE(pump_until([&] { return finished.count() > 0; }));
    EXPECT_EQ(web1.url().scheme().toStdString(), "https");

    // Enter in the password box: the login page displayed now is filled, then replaced.
    finished.clear();
    QTest::keyClick(child<QLineEdit>(*form, "Text2"), Qt::Key_Return);
    EXPECT_EQ(login_fields(web1), typed);
    ASSERT_TRUE(pump_until([&] { return finished.count() > 0; }));
    EXPECT_EQ(login_fields(web1), Fields());
    server().login_delay_ms = 0;
    EXPECT_TRUE(messages.seen.empty());
}

// A login page configured over plain http is opened, but neither button types the password into
// it; the window says why.
TEST_F(SearchWindowsTest, APlainHttpLoginPageIsNeverFilled) {
    auto form = webmail(server().url("/session/login.html"), 2.0f);
    child<QPushButton>(*form, "Command2")->click();
    ASSERT_TRUE(pump_until([&] { return !web1.busy() && messages.seen.size() == 1; }));
    child<QPushButton>(*form, "Command1")->click();
    ASSERT_TRUE(pump_until([&] { return !web1.busy() && messages.seen.size() == 2; }));
    EXPECT_EQ(web1.url().toString().toStdString(), server().url("/session/login.html"));
    EXPECT_EQ(login_fields(web1), Fields());
    for (const auto& [text, title] : messages.seen) {
        EXPECT_EQ(text, WebmailController::kNotSecureText);
        EXPECT_EQ(title, "프레스레인 메일검색");
    }
}

TEST_F(SearchWindowsTest, WaitingLoginGivesUpWithItsMessageWhenTheFieldsNeverAppear) {
    auto form = webmail(server().secure_url("/plain"), 2.0f);
    child<QPushButton>(*form, "Command2")->click();
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0].first, WebmailController::kNoFieldsText);
    EXPECT_EQ(messages.seen[0].second, "프레스레인 메일검색");
    EXPECT_EQ(web1.url().toString().toStdString(), server().secure_url("/plain"));
}

TEST_F(SearchWindowsTest, PortalSearchSendsTheQueryBytesWhole) {
    std::vector<PortalSearchController::Site> sites(6, {server().url(""), server().url("/home")});
    Form8 form(main.form1_port, main.frame10_port, web1, pump, sites);
    form.show();
    // Activation selects "네이버"; the test chooses its engines after that.
    ASSERT_TRUE(pump_until([&] { return form.isActiveWindow(); }));
    pump.process_pending();
    auto* engine = child<QComboBox>(form, "Combo1");
    auto* query = child<QLineEdit>(form, "Text1");
    const auto search_reaches = [&](const std::string& target) {
        return pump_until([&] {
            for (const std::string& t : server().targets())
                if (t == target) return true;
            return false;
        });
    };

    engine->setEditText("구글");
    query->setText("뉴스");
    child<QPushButton>(form, "Command1")->click();
    EXPECT_TRUE(search_reaches("/search?q=%B4%BA%BD%BA&hl=ko&ie=euc-kr&oe=euc-kr&lr=lang_ko"));

    engine->setEditText("네이버");
    query->setText("a&b#c+d%e f");
    QTest::keyClick(query, Qt::Key_Return);
    EXPECT_TRUE(search_reaches("/search.naver?query=a%26b%23c%2Bd%25e%20f"));
}

// Each window opens modally above the main window's status bar and is gone once it closes.
TEST_F(SearchWindowsTest, EachWindowOpensModallyAndIsReleasedWhenItCloses) {
    main.form1.show();
    SearchForms windows(main.form1_port, main.frame10_port, web1, dialogs, pump, clock, nullptr);
    std::vector<std::string> seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<QMessageBox*>(modal)) return;
        const bool only_one =
            (windows.portal_search() == nullptr) != (windows.webmail() == nullptr);
        seen.push_back(modal->objectName().toStdString() + (only_one ? "" : " with the other"));
        // Within the window manager's border, which it may add on either side of the position.
        if (modal->objectName() == "Form8") {
            EXPECT_NEAR(modal->pos().x(), main.form1.pos().x() + 4350 / 15, 10);
        }
        modal->close();
    });
    closer.start(100);
    windows.open_webmail();
    EXPECT_EQ(windows.webmail(), nullptr);
    windows.open_portal_search();
    EXPECT_EQ(windows.portal_search(), nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"Form7", "Form8"}));
}

}  // namespace
}  // namespace presslane
