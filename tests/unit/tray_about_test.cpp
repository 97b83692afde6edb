#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_controls.h"
#include "shell/about_controller.h"
#include "shell/tray_controller.h"

namespace presslane {
namespace {

struct FakeTrayIcon : TrayIcon {
    void add(const TrayRecord& r) override { calls.push_back("add " + r.balloon_text); }
    void modify(const TrayRecord& r) override { calls.push_back("modify " + r.balloon_text); }
    void remove() override { calls.push_back("remove"); }
    std::vector<std::string> calls;
};

class TrayTest : public ::testing::Test {
protected:
    TrayTest()
        : tray(icon, clock,
               {[this] { return state; }, [this] { actions.push_back("hide"); },
                [this] { actions.push_back("normal"); }}) {}

    FakeTrayIcon icon;
    FakeClock clock;
    TrayController::WindowState state = TrayController::WindowState::Normal;
    std::vector<std::string> actions;
    TrayController tray;
};

TEST_F(TrayTest, TheRecordCarriesTheStartUpMomentAndRightClicksShowItAgain) {
    clock.date = "2026-12-10";
    clock.time = "09:15:00";
    tray.add_tray_icon();
    const std::string balloon = "이제 편리하게 뉴스를 검색하세요 - 프레스레인 2026-12-10 09:15:00";
    EXPECT_EQ(tray.record().tooltip, "Press Lane 2005");
    EXPECT_EQ(tray.record().balloon_title, "Press Lane");
    EXPECT_TRUE(tray.record().information_icon);
    clock.time = "11:40:00";
    tray.pichook_MouseMove(TrayController::kRightButtonUp);
    tray.add_tray_icon();  // the record is built once
    tray.remove_tray_icon();
    tray.remove_tray_icon();
    tray.pichook_MouseMove(TrayController::kRightButtonUp);  // no icon left to show it on
    EXPECT_EQ(icon.calls,
              (std::vector<std::string>{"add " + balloon, "modify " + balloon, "remove"}));
    EXPECT_TRUE(actions.empty());
}

TEST_F(TrayTest, LeftReleaseHidesANormalWindowAndRestoresAnyOther) {
    using S = TrayController::WindowState;
    const struct {
        S state;
        int message;
        const char* action;
    } cases[] = {
        {S::Normal, TrayController::kLeftButtonUp, "hide"},
        {S::Hidden, TrayController::kLeftButtonUp, "normal"},
        {S::Minimised, TrayController::kLeftButtonUp, "normal"},
        {S::Maximised, TrayController::kLeftButtonUp, "normal"},
        {S::Normal, 512, ""},
        {S::Hidden, 513, ""},
        {S::Normal, 515, ""},
    };
    tray.add_tray_icon();
    for (const auto& c : cases) {
        actions.clear();
        state = c.state;
        tray.pichook_MouseMove(c.message);
        EXPECT_EQ(actions,
                  c.action[0] ? std::vector<std::string>{c.action} : std::vector<std::string>{});
        EXPECT_FALSE(tray.tray_busy());
    }
}

// A notification arriving while one is handled (hiding lets window events run) is dropped.
TEST(TrayGuard, ANotificationDuringAnotherIsDropped) {
    FakeTrayIcon icon;
    FakeClock clock;
    std::vector<std::string> actions;
    TrayController* self = nullptr;
    TrayController tray(icon, clock,
                        {[] { return TrayController::WindowState::Normal; },
                         [&] {
                             actions.push_back("hide");
                             self->pichook_MouseMove(TrayController::kLeftButtonUp);
                             EXPECT_TRUE(self->tray_busy());
                         },
                         [&] { actions.push_back("normal"); }});
    self = &tray;
    tray.pichook_MouseMove(TrayController::kLeftButtonUp);
    EXPECT_EQ(actions, std::vector<std::string>{"hide"});
    EXPECT_FALSE(tray.tray_busy());
}

TEST(AboutController, ShowsTheVersionAndTheHistoryInItsOrder) {
    FakeControls<AboutControl> controls;
    bool closed = false;
    AboutController about(controls.controls, "4.47", "http://www.presslane.co.kr",
                          [&] { closed = true; });
    about.Form_Load();
    EXPECT_EQ(controls[AboutControl::Label2].text, "Lane Desk 4.47");
    EXPECT_EQ(controls[AboutControl::Label1].text, "\"손가락 하나로 모든 뉴스를...\"");
    EXPECT_EQ(controls[AboutControl::Label8].text, "홈페이지: http://www.presslane.co.kr");
    EXPECT_EQ(controls[AboutControl::Label7].text.rfind("이메일: ", 0), 0u);

    const std::string history = controls[AboutControl::Text1].text;
    EXPECT_EQ(history.rfind(
                  "(Upgrade History)\r\n\r\n2005.3.20 : 프레스레인 미디어 채널 기능 보강\r\n", 0),
              0u);
    // Every line ends in CR LF: no bare LF, and a blank line only between two months.
    for (std::size_t at = history.find('\n'); at != std::string::npos;
         at = history.find('\n', at + 1)) {
        EXPECT_EQ(history[at - 1], '\r');
    }
    EXPECT_NE(history.find("2005.3.17 : 자체 업그레이드(Self) 기능 추가\r\n\r\n2005.2.10"),
              std::string::npos);
    // The identity entry opens the 2004.11.01 group, right after the last 2004.11.09 entry.
    const auto last_09 = history.find("2004.11.09 : 기본 창 크기 재 설정 기능 추가\r\n");
    const auto identity = history.find("2004.11.01 : ", last_09);
    EXPECT_EQ(identity,
              last_09 + std::string("2004.11.09 : 기본 창 크기 재 설정 기능 추가\r\n").size());
    EXPECT_LT(identity, history.find("2004.11.01 : 편리한 인터페이스로 디자인 대폭 보강"));
    EXPECT_EQ(history.substr(history.size() - 2), "\r\n");
    EXPECT_NE(
        history.find(
            "2004.07.23 : 뉴스 스크랩 기능 추가\r\n2004.07.17 : 시작페이지 설정 기능 추가\r\n"),
        std::string::npos);

    const std::string terms = controls[AboutControl::Text3].text;
    EXPECT_LT(terms.find("\r\n1. "), terms.find("\r\n2. "));
    EXPECT_LT(terms.find("\r\n2. "), terms.find("\r\n3. "));
    EXPECT_EQ(controls[AboutControl::Text2].text.rfind("(도움주신분들)\r\n", 0), 0u);

    about.Command1_Click();
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace presslane
