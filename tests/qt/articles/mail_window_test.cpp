#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include <httplib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "browse/qt/web_browser.h"
#include "common/cp949.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_event_pump.h"
#include "fakes/fake_dialogs.h"
#include "fakes/temp_dir.h"
#include "mail/qt/form4.h"
#include "support/pump_until.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The product server's mail form on loopback: logs every request's parameters and answers with
// the status the test chooses.
class MailFormServer {
public:
    MailFormServer() {
        server_.Get("/soft/lane_desk/sendmail.php", [this](const httplib::Request& req,
                                                           httplib::Response& res) {
            std::lock_guard lock(mutex_);
            std::multimap<std::string, std::string> params(req.params.begin(), req.params.end());
            log_.push_back(params);
            res.status = status_;
            res.set_content("<html><body>mail form</body></html>", "text/html");
        });
        server_.Get("/article", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("<html><head><title>기사</title></head><body>a</body></html>",
                            "text/html; charset=utf-8");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~MailFormServer() {
        server_.stop();
        thread_.join();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    void set_status(int status) {
        std::lock_guard lock(mutex_);
        status_ = status;
    }
    std::vector<std::multimap<std::string, std::string>> log() {
        std::lock_guard lock(mutex_);
        return log_;
    }

private:
    httplib::Server server_;
    std::mutex mutex_;
    std::vector<std::multimap<std::string, std::string>> log_;
    int status_ = 200;
    int port_ = -1;
    std::thread thread_;
};

class MailWindowOnWebEngine : public ::testing::Test {
protected:
    MailWindowOnWebEngine() {
        main.navigate(server.url("/article?id=1&page=2#top"));
        pump_until([this] {
            return main.location_url().find("/article") != std::string::npos && !main.busy();
        });
    }
    Form4& window() {
        if (!form) {
            form = std::make_unique<Form4>(
                ArticleSource{main, [this]() -> const Browser& { return main; },
                              "http://home.test/"},
                server.url("/soft/lane_desk/sendmail.php"), dialogs, pump, clock, dir.path());
            form->show();
        }
        return *form;
    }
    void type(const char* box, const QString& text) {
        window().findChild<QLineEdit*>(box)->setText(text);
    }
    void send() { QTest::mouseClick(window().findChild<QPushButton*>("Command1"), Qt::LeftButton); }

    MailFormServer server;
    TempDir dir;
    QtEventPump pump;
    QtClock clock;
    FakeDialogs dialogs;
    WebBrowser main;
    std::unique_ptr<Form4> form;
};

TEST_F(MailWindowOnWebEngine, ValuesWithQuerySignsAndHangulReachTheMailFormWhole) {
    type("Text1", "to+x@mail.kr");
    type("Text2", "홍 길동 & Co #1");
    type("Text3", "me=100%@y.kr?");
    send();
    ASSERT_EQ(server.log().size(), 1u);
    const auto params = server.log().front();
    EXPECT_EQ(params, (std::multimap<std::string, std::string>{
                          {"email", "to+x@mail.kr"},
                          {"sender_name", "홍 길동 & Co #1"},
                          {"sender_email", "me=100%@y.kr?"},
                          {"url", server.url("/article?id=1&page=2#top")}}));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "발송성공");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(bytes_of(dir.path() / "info.res"),
              cp949::encode("to+x@mail.kr|홍 길동 & Co #1|me=100%@y.kr?\r\n"));
}

TEST_F(MailWindowOnWebEngine, AnErrorStatusOrNoServerIsNotReportedAsSent) {
    server.set_status(500);
    type("Text1", "to@mail.kr");
    send();
    EXPECT_EQ(server.log().size(), 1u);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "발송실패");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().findChild<QLineEdit*>("Text1")->text(), "to@mail.kr");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "info.res"));

    // A mail form nobody answers (the port is closed) fails the same way, not after a hang.
    form.reset();
    dialogs.boxes.clear();
    form = std::make_unique<Form4>(
        ArticleSource{main, [this]() -> const Browser& { return main; }, "http://home.test/"},
        "http://127.0.0.1:9/soft/lane_desk/sendmail.php", dialogs, pump, clock, dir.path());
    form->show();
    type("Text1", "to@mail.kr");
    send();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "발송실패");
    // Closing by the close box keeps the boxes for the next opening.
    form->close();
    EXPECT_EQ(bytes_of(dir.path() / "info.res"), "to@mail.kr||\r\n");
    form.reset();
    window();
    EXPECT_EQ(window().findChild<QLineEdit*>("Text1")->text(), "to@mail.kr");
}

}  // namespace
}  // namespace presslane
