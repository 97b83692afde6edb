#include "shell/geometry.h"

#include <gtest/gtest.h>

namespace presslane {
namespace {

constexpr Size kWork{28800, 15600};
constexpr Size kScreen{28800, 16200};
constexpr Rect kDefault{3200, 0, 28800 - 3200, 15600 - 380};
constexpr Rect kRepair{3200, 0, 28800 - 3200, 15600};

struct RestoreCase {
    const char* name;
    const char* line;
    Rect expected;
};

class Restore : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(Restore, AppliesSavedDefaultOrRepairGeometry) {
    EXPECT_EQ(geometry::restore(GetParam().line, kWork, kScreen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Restore,
    ::testing::Values(
        RestoreCase{"NoFile", "", kDefault},
        RestoreCase{"Saved", "1500|300|15000|9000", {1500, 300, 15000, 9000}},
        RestoreCase{"ExtraFieldsIgnored", "1500|300|15000|9000|7|x", {1500, 300, 15000, 9000}},
        // A window closed while maximised: small negative position, kept as a normal window.
        RestoreCase{"WasMaximised", "-60|-60|28920|15720", {-60, -60, 28920, 15720}},
        RestoreCase{"AtTheLimits", "-180|-180|1905|510", {-180, -180, 1905, 510}},
        RestoreCase{"OffTheScreenEdge", "28800|16200|2000|600", {28800, 16200, 2000, 600}},
        RestoreCase{"LeftTooFar", "-300|0|15000|9000", kRepair},
        RestoreCase{"RightOfScreen", "28801|0|15000|9000", kRepair},
        RestoreCase{"BelowScreen", "0|16201|15000|9000", kRepair},
        RestoreCase{"TooNarrow", "0|0|1900|9000", kRepair},
        RestoreCase{"TooLow", "0|0|15000|509", kRepair},
        // A window closed while minimised is saved far off the screen.
        RestoreCase{"WasMinimised", "-48000|-48000|2400|540", kRepair},
        RestoreCase{"NotANumber", "0|abc|15000|9000", kRepair},
        RestoreCase{"EmptyField", "0||15000|9000", kRepair},
        RestoreCase{"FewerThanFour", "1500|300|15000", kRepair},
        RestoreCase{"Garbage", "\xEF\xBF\xBD\xEF\xBF\xBD", kRepair}),
    [](const auto& info) { return info.param.name; });

TEST(Geometry, FormatsWholeNumbersAndParsesThemBack) {
    const Rect r{-60, 0, 15000, 9000};
    EXPECT_EQ(geometry::format(r), "-60|0|15000|9000");
    EXPECT_EQ(geometry::parse(geometry::format(r)), r);
    // Numbers another writer left with a decimal point still read.
    EXPECT_EQ(geometry::parse("1500.4|300|15000|9000.5"), (Rect{1500, 300, 15000, 9001}));
}

}  // namespace
}  // namespace presslane
