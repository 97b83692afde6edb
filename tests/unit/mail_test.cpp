#include "mail/mail_controller.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "common/cp949.h"
#include "common/percent_encode.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/temp_dir.h"
#include "mail/load_watch.h"
#include "mail/mail_request.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct FakeLoadWatch : LoadWatch {
    void watch(const std::string& address) override {
        watched.push_back(address);
        current = State::Pending;
    }
    State state() const override { return current; }
    std::vector<std::string> watched;
    State current = State::Idle;
};

TEST(MailRequestAddress, EncodesEveryValueSoItStaysOneParameter) {
    EXPECT_EQ(percent_encode("aZ09-._~"), "aZ09-._~");
    EXPECT_EQ(percent_encode("a&b#c?d=e+f%g h/|"), "a%26b%23c%3Fd%3De%2Bf%25g%20h%2F%7C");
    EXPECT_EQ(percent_encode("홍"), "%ED%99%8D");
    EXPECT_EQ(mail_request_address(
                  "http://s.test/soft/lane_desk/sendmail.php",
                  {"to@x.kr", "홍 길동&Co", "me#1@y.kr", "http://news.test/view?id=1&page=2"}),
              "http://s.test/soft/lane_desk/sendmail.php?email=to%40x.kr"
              "&sender_name=%ED%99%8D%20%EA%B8%B8%EB%8F%99%26Co&sender_email=me%231%40y.kr"
              "&url=http%3A%2F%2Fnews.test%2Fview%3Fid%3D1%26page%3D2");
}

class MailWindowTest : public ::testing::Test {
protected:
    static constexpr char kForm[] = "http://s.test/soft/lane_desk/sendmail.php";

    MailWindowTest() {
        controls[MailControl::Frame1].text = " Send Mail ";
        main.url = "http://news.test/a?id=1";
        preview.url = "http://scrap.test/b";
    }
    MailController& window() {
        if (!form) {
            form = std::make_unique<MailController>(
                controls.controls,
                MailController::Ports{own, watch, progress, dialogs, pump, clock},
                ArticleSource{main,
                              [this]() -> const Browser& { return scrap_view ? preview : main; },
                              "http://home.test/"},
                kForm, dir.path(), [this] {
                    ++closes;
                    form->Form_Unload();
                });
            form->Form_Load();
        }
        return *form;
    }
    // The mail form answers after this many pending-event runs.
    void answer_after(int runs, LoadWatch::State result) {
        pump.on_event = [this, runs, result] {
            if (watch.current == LoadWatch::State::Pending && --countdown <= 0)
                watch.current = result;
        };
        countdown = runs;
    }
    void fill(const std::string& to, const std::string& name, const std::string& email) {
        controls[MailControl::Text1].text = to;
        controls[MailControl::Text2].text = name;
        controls[MailControl::Text3].text = email;
    }
    std::filesystem::path info() const { return dir.path() / "info.res"; }

    TempDir dir;
    FakeClock clock;
    FakeEventPump pump{clock, 0.001};
    FakeDialogs dialogs;
    FakeBrowser main, preview, own;
    FakeLoadWatch watch;
    FakeProgressBar progress;
    FakeControls<MailControl> controls;
    bool scrap_view = false;
    int closes = 0;
    int countdown = 0;
    std::unique_ptr<MailController> form;
};

TEST_F(MailWindowTest, OpeningFillsTheBoxesFromTheInfoFileAndClosingSavesThem) {
    std::ofstream(info(), std::ios::binary) << cp949::encode("to@x.kr|홍 길동\r\nsecond|line\r\n");
    window();
    EXPECT_EQ(own.navigations, std::vector<std::string>{"about: Get Ready.."});
    EXPECT_EQ(controls[MailControl::Text1].text, "to@x.kr");
    EXPECT_EQ(controls[MailControl::Text2].text, "홍 길동");
    EXPECT_EQ(controls[MailControl::Text3].text, "");
    controls[MailControl::Text3].text = "me@y.kr";
    window().Form_Unload();
    EXPECT_EQ(bytes_of(info()), cp949::encode("to@x.kr|홍 길동|me@y.kr\r\n"));
}

TEST_F(MailWindowTest, AMissingInfoFileGivesEmptyBoxesAndClosingCreatesIt) {
    controls[MailControl::Text1].text = "stale";
    window().Form_Unload();
    EXPECT_EQ(controls[MailControl::Text1].text, "");
    EXPECT_EQ(bytes_of(info()), "||\r\n");
}

TEST_F(MailWindowTest, ARecipientWithoutAtSignIsRefusedWithoutARequest) {
    for (const char* to : {"", "nobody.kr"}) {
        window();
        fill(to, "n", "e");
        window().Command1_Click();
    }
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.text, "받는분 이메일은 반드시 입력해 주셔야 합니다");
        EXPECT_EQ(box.title, "Error..");
    }
    EXPECT_EQ(own.navigations.size(), 1u);
    EXPECT_TRUE(watch.watched.empty());
    EXPECT_EQ(closes, 0);
}

TEST_F(MailWindowTest, ASentMailIsReportedAfterTheFormAnsweredAndTheWindowCloses) {
    window();
    fill("to@x.kr", "홍 길동", "me@y.kr");
    answer_after(150, LoadWatch::State::Succeeded);
    window().Command1_Click();
    const std::string request =
        std::string(kForm) +
        "?email=to%40x.kr&sender_name=%ED%99%8D%20%EA%B8%B8%EB%8F%99&sender_email=me%40y.kr"
        "&url=http%3A%2F%2Fnews.test%2Fa%3Fid%3D1";
    EXPECT_EQ(watch.watched, std::vector<std::string>{request});
    EXPECT_EQ(own.navigations.back(), request);
    EXPECT_EQ(progress.current, 100);
    EXPECT_EQ(progress.steps, 101);  // 0, then 1 to 100; the 101st raise is refused
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "발송성공");
    EXPECT_EQ(dialogs.boxes[0].text,
              "기사발송완료\r\n\r\n▒ 도착메일 : to@x.kr\r\n▒ 도착시간 : 2026-12-09");
    EXPECT_EQ(controls[MailControl::Frame1].text, " Send Mail ");
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(bytes_of(info()), cp949::encode("to@x.kr|홍 길동|me@y.kr\r\n"));
}

TEST_F(MailWindowTest, NoSuccessWithoutASuccessStatusAndTheWindowKeepsItsTexts) {
    for (const auto result : {LoadWatch::State::Failed, LoadWatch::State::Pending}) {
        dialogs.boxes.clear();
        window();
        fill("to@x.kr", "n", "e");
        answer_after(50, result);
        const double before = clock.seconds;
        window().Command1_Click();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, "발송실패");
        EXPECT_EQ(controls[MailControl::Frame1].text, " Send Mail ");
        EXPECT_EQ(controls[MailControl::Text1].text, "to@x.kr");
        EXPECT_EQ(closes, 0);
        EXPECT_FALSE(std::filesystem::exists(info()));
        // A server that never answers is given up on after the bounded wait.
        if (result == LoadWatch::State::Pending) {
            EXPECT_GE(clock.seconds - before, MailController::kAnswerWaitSeconds);
            EXPECT_LT(clock.seconds - before, MailController::kAnswerWaitSeconds + 5);
        }
    }
}

TEST_F(MailWindowTest, TheArticleAddressFollowsTheActiveBrowserAndTheCollectedPagesRule) {
    struct Case {
        const char* main_url;
        bool scrap_view;
        const char* url_parameter;
    };
    for (const Case& c : {Case{"http://news.test/a", true, "http%3A%2F%2Fscrap.test%2Fb"},
                          Case{"http://x.Orvale.test/", false, "http%3A%2F%2Fhome.test%2F"},
                          Case{"http://x.orvale.test/", true, "http%3A%2F%2Fhome.test%2F"}}) {
        main.url = c.main_url;
        scrap_view = c.scrap_view;
        form.reset();
        window();
        fill("to@x.kr", "", "");
        answer_after(1, LoadWatch::State::Succeeded);
        window().Command1_Click();
        const std::string sent = watch.watched.back();
        EXPECT_EQ(sent.substr(sent.find("&url=") + 5), c.url_parameter) << c.main_url;
    }
}

TEST_F(MailWindowTest, ClosingWhileSendingStopsQuietlyAfterSavingTheBoxes) {
    window();
    fill("to@x.kr", "n", "e");
    int runs = 0;
    pump.on_event = [&] {
        if (++runs == 10) window().Form_Unload();
    };
    window().Command1_Click();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(bytes_of(info()), "to@x.kr|n|e\r\n");
}

}  // namespace
}  // namespace presslane
