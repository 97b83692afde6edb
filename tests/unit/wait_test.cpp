#include "common/wait.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_event_pump.h"

namespace presslane {
namespace {

struct WaitCase {
    const char* name;
    double start;   // seconds since midnight when the wait begins
    float seconds;  // the wait asked for
};

class WaitSeconds : public ::testing::TestWithParam<WaitCase> {};

// Returns on the first check past the requested time, never a day later, and lets events run on
// every pass.
TEST_P(WaitSeconds, ReturnsJustAfterTheRequestedTime) {
    FakeClock clock;
    clock.seconds = GetParam().start;
    FakeEventPump pump(clock);
    wait_seconds(GetParam().seconds, pump, clock);
    EXPECT_GT(pump.waited, GetParam().seconds);
    EXPECT_LT(pump.waited, GetParam().seconds + 0.01);
    EXPECT_EQ(pump.pending_runs, pump.waits + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, WaitSeconds,
                         ::testing::Values(WaitCase{"Morning", 36000.0, 1.0f},
                                           WaitCase{"Short", 36000.0, 0.3f},
                                           WaitCase{"AcrossMidnight", 86399.5, 1.0f},
                                           WaitCase{"FromJustBeforeMidnight", 86399.99, 0.3f}),
                         [](const auto& info) { return info.param.name; });

TEST(WaitSecondsZero, StillLetsEventsRun) {
    FakeClock clock;
    FakeEventPump pump(clock);
    wait_seconds(0.0f, pump, clock);
    EXPECT_GE(pump.pending_runs, 1);
}

// A handler that runs long inside the wait (a modal box, a slow page) uses up the wait.
TEST(WaitSecondsLongHandler, DoesNotWaitAgainAfterTheDeadline) {
    FakeClock clock;
    FakeEventPump pump(clock);
    pump.on_event = [&] {
        if (pump.pending_runs == 1) clock.advance(5.0);
    };
    wait_seconds(1.0f, pump, clock);
    EXPECT_LE(pump.waits, 1);
}

}  // namespace
}  // namespace presslane
