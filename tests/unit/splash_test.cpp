#include "shell/splash_controller.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_event_pump.h"
#include "shell/progress_controller.h"

namespace presslane {
namespace {

class SplashTest : public ::testing::Test {
protected:
    SplashTest()
        : pump(clock),
          splash(bar, pump, clock,
                 {[this] { log.push_back("load"); }, [this] { log.push_back("show"); },
                  [this] { log.push_back("close"); }}) {}

    FakeClock clock;
    FakeEventPump pump;
    FakeProgressBar bar;
    std::vector<std::string> log;
    SplashController splash;
};

TEST_F(SplashTest, ActivationPacesTheBarThenLoadsTheMainWindow) {
    splash.Form_Activate();
    EXPECT_EQ(bar.current, 7000);
    EXPECT_EQ(bar.maximum, 7000);
    EXPECT_GT(pump.waited, 1.0);
    EXPECT_EQ(log, std::vector<std::string>{"load"});
    splash.Timer1_Timer();
    EXPECT_EQ(log, (std::vector<std::string>{"load", "show", "close"}));
}

TEST_F(SplashTest, TimerFirstLoadsAndShowsAndTheActivationThenLoadsNothing) {
    splash.Timer1_Timer();
    splash.Form_Activate();
    EXPECT_EQ(log, (std::vector<std::string>{"load", "show", "close"}));
}

// The timer normally fires inside the activation's wait; the main window is loaded once and the
// routine unwinds without touching the closed splash's bar.
TEST_F(SplashTest, TimerInsideTheActivationWaitLoadsOnce) {
    pump.on_event = [this] {
        if (pump.pending_runs == 2) splash.Timer1_Timer();
    };
    splash.Form_Activate();
    EXPECT_EQ(log, (std::vector<std::string>{"load", "show", "close"}));
    EXPECT_EQ(bar.steps, 0);
}

TEST_F(SplashTest, ReactivationRunsTheRoutineAgainWithoutASecondLoad) {
    splash.Form_Activate();
    splash.Form_Activate();
    EXPECT_EQ(log, std::vector<std::string>{"load"});
    EXPECT_EQ(bar.steps, 2 * 7001);
}

TEST(ProgressWindowTest, PacesItsBarThenClosesItselfOnce) {
    FakeClock clock;
    FakeEventPump pump(clock);
    FakeProgressBar bar;
    int closes = 0;
    ProgressController form9(bar, pump, clock, [&] { ++closes; });
    // Activated again while its first run waits.
    pump.on_event = [&] {
        if (pump.pending_runs == 3) form9.Form_Activate();
    };
    form9.Form_Activate();
    EXPECT_EQ(bar.current, 7000);
    EXPECT_EQ(closes, 1);
    EXPECT_GT(pump.waited, 1.3);
}

TEST(ProgressWindowTest, RunsOnceWhenNeverActivatedAndNotAgainAfterAnActivation) {
    FakeClock clock;
    FakeEventPump pump(clock);
    FakeProgressBar bar;
    int closes = 0;
    ProgressController never_activated(bar, pump, clock, [&] { ++closes; });
    never_activated.activation_overdue();
    EXPECT_EQ(bar.current, 7000);
    EXPECT_EQ(closes, 1);

    FakeProgressBar bar2;
    ProgressController activated(bar2, pump, clock, [&] { ++closes; });
    // The overdue call comes while the activation's run still waits.
    pump.on_event = [&] { activated.activation_overdue(); };
    activated.Form_Activate();
    EXPECT_EQ(bar2.steps, 7001);
    EXPECT_EQ(closes, 2);
}

}  // namespace
}  // namespace presslane
