#include "shell/layout.h"

#include <map>

#include <gtest/gtest.h>

namespace presslane {
namespace {

using Prop = AssignmentProp;
using Assignment = presslane::Assignment<MainControl>;
using enum MainControl;

// The last value each control's property was given.
std::map<std::pair<MainControl, Prop>, Assignment> final_values(const std::vector<Assignment>& v) {
    std::map<std::pair<MainControl, Prop>, Assignment> out;
    for (const auto& a : v) out[{a.control, a.prop}] = a;
    return out;
}

PaneSizes designed() {
    PaneSizes s;
    s.picture1_width = 1200;
    s.picture20_width = 1500;
    s.picture7_width = 1500;
    s.picture8_width = 1500;
    s.label7_width = 1095;
    return s;
}

struct ViewCase {
    const char* name;
    ViewMode view_mode;
    BarPosition menu_position;
    int row_top, address_top;
    int wb1_top, wb1_height, list_top, wb2_height, frame10_top;
    const char* picture12_tip;
};

class LayoutPass : public ::testing::TestWithParam<ViewCase> {};

// W = 18000, H = 12000, Frame1 height 520, Frame10 height 390.
TEST_P(LayoutPass, PlacesPanesForEachViewAndBarPosition) {
    const ViewCase& c = GetParam();
    const auto v =
        final_values(layout_main_window(18000, 12000, {c.view_mode, c.menu_position}, designed()));
    for (MainControl f : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame9}) {
        EXPECT_EQ(v.at({f, Prop::Top}).value, c.row_top) << MainControls::name(f);
        EXPECT_EQ(v.at({f, Prop::Width}).value, 17850) << MainControls::name(f);
    }
    EXPECT_EQ(v.at({Frame17, Prop::Top}).value, c.address_top);
    EXPECT_EQ(v.at({WebBrowser1, Prop::Top}).value, c.wb1_top);
    EXPECT_EQ(v.at({WebBrowser1, Prop::Height}).value, c.wb1_height);
    EXPECT_EQ(v.at({WebBrowser1, Prop::Width}).value, 17850);
    EXPECT_EQ(v.at({ListView1, Prop::Top}).value, c.list_top);
    EXPECT_EQ(v.at({ListView1, Prop::Height}).value, 1980);
    EXPECT_EQ(v.at({WebBrowser2, Prop::Top}).value, c.list_top + 1980);
    EXPECT_EQ(v.at({WebBrowser2, Prop::Height}).value, c.wb2_height);
    EXPECT_EQ(v.at({Frame10, Prop::Top}).value, c.frame10_top);
    EXPECT_EQ(v.at({Frame10, Prop::Left}).value, 0);
    EXPECT_EQ(v.at({Frame10, Prop::Width}).value, 17850);
    EXPECT_EQ(v.at({Frame7, Prop::Top}).value, c.frame10_top);
    EXPECT_EQ(v.at({Frame7, Prop::Left}).value, 17850 - 6615);
    EXPECT_EQ(v.at({Picture12, Prop::Tooltip}).text, c.picture12_tip);
}

INSTANTIATE_TEST_SUITE_P(
    Views, LayoutPass,
    ::testing::Values(
        ViewCase{"NormalDown", ViewMode::Normal, BarPosition::Down, 780, 900, 1300, 12000 - 2490,
                 1300, 12000 - 4490, 1300 + 12000 - 2490, "상단으로 메뉴 올리기"},
        ViewCase{"NormalUp", ViewMode::Normal, BarPosition::Up, 780, 900, 1680, 12000 - 2500, 1690,
                 12000 - 4490, 780 + 390 + 130, "하단으로 메뉴 내리기"},
        ViewCase{"WideDown", ViewMode::Wide, BarPosition::Down, 0, 120, 520, 12000 - 1720, 520,
                 12000 - 3450, 520 + 12000 - 1720, "상단으로 메뉴 올리기"},
        ViewCase{"WideUp", ViewMode::Wide, BarPosition::Up, 0, 120, 920, 12000 - 1740, 910,
                 12000 - 3450, 520, "하단으로 메뉴 내리기"}),
    [](const auto& info) { return info.param.name; });

TEST(LayoutPass, AssignsInTheOrderTheWindowSetsThem) {
    const auto v = layout_main_window(18000, 12000, {}, designed());
    ASSERT_GE(v.size(), 15u);
    std::vector<std::pair<MainControl, Prop>> tail;
    for (auto it = v.end() - 15; it != v.end(); ++it) tail.emplace_back(it->control, it->prop);
    const std::vector<std::pair<MainControl, Prop>> expected{
        {WebBrowser1, Prop::Top}, {WebBrowser1, Prop::Height}, {WebBrowser1, Prop::Width},
        {ListView1, Prop::Top},   {ListView1, Prop::Height},   {ListView1, Prop::Width},
        {WebBrowser2, Prop::Top}, {WebBrowser2, Prop::Height}, {WebBrowser2, Prop::Width},
        {Frame10, Prop::Width},   {Frame10, Prop::Top},        {Frame10, Prop::Left},
        {Frame7, Prop::Top},      {Frame7, Prop::Left},        {Picture12, Prop::Tooltip}};
    EXPECT_EQ(tail, expected);
}

struct EdgeCase {
    const char* name;
    ViewMode view_mode;
    int width;
    bool picture20, picture7, picture8, clock;
};

class LayoutEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(LayoutEdges, ShowsLogosAndClockFromTheirWidths) {
    const EdgeCase& c = GetParam();
    const auto v = final_values(
        layout_main_window(c.width, 9000, {c.view_mode, BarPosition::Down}, designed()));
    EXPECT_EQ(v.at({Picture20, Prop::Visible}).value, c.picture20);
    EXPECT_EQ(v.at({Label7, Prop::Visible}).value, c.clock);
    if (c.view_mode == ViewMode::Normal) {
        EXPECT_EQ(v.at({Picture7, Prop::Visible}).value, c.picture7);
        EXPECT_EQ(v.at({Picture8, Prop::Visible}).value, c.picture8);
    } else {
        // The wide view leaves the two left-most logos as they are.
        EXPECT_EQ(v.count({Picture7, Prop::Visible}), 0u);
        EXPECT_EQ(v.count({Picture8, Prop::Left}), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, LayoutEdges,
    ::testing::Values(EdgeCase{"At12999", ViewMode::Normal, 12999, false, false, false, false},
                      EdgeCase{"At13000", ViewMode::Normal, 13000, true, false, false, false},
                      EdgeCase{"At15000", ViewMode::Normal, 15000, true, true, false, false},
                      EdgeCase{"At15399", ViewMode::Normal, 15399, true, true, false, false},
                      EdgeCase{"At15400", ViewMode::Normal, 15400, true, true, false, true},
                      EdgeCase{"At17000", ViewMode::Normal, 17000, true, true, true, true},
                      EdgeCase{"WideAt15299", ViewMode::Wide, 15299, true, false, false, false},
                      EdgeCase{"WideAt15300", ViewMode::Wide, 15300, true, false, false, true}),
    [](const auto& info) { return info.param.name; });

TEST(LayoutPass, RightAlignsTheLogosAndTheClock) {
    const auto v = final_values(layout_main_window(18000, 9000, {}, designed()));
    EXPECT_EQ(v.at({Picture1, Prop::Left}).value, 18000 - 1200 - 200);
    EXPECT_EQ(v.at({Picture20, Prop::Left}).value, 16600 - 1500 - 70);
    EXPECT_EQ(v.at({Picture7, Prop::Left}).value, 15030 - 1500 - 70);
    EXPECT_EQ(v.at({Picture8, Prop::Left}).value, 13460 - 1500 - 70);
    EXPECT_EQ(v.at({Label7, Prop::Left}).value, 18000 - 1095 - 300);
}

TEST(MediaPaneController, OpensAboveABottomBarAndBelowATopBar) {
    const auto down = anchor_media_pane({ViewMode::Normal, BarPosition::Down}, 45, 9000, 390, 3000);
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(down[0], (Assignment{Frame8, Prop::Left, 45, {}}));
    EXPECT_EQ(down[1], (Assignment{Frame8, Prop::Top, 6000, {}}));
    const auto up = anchor_media_pane({ViewMode::Normal, BarPosition::Up}, 45, 1300, 390, 3000);
    EXPECT_EQ(up[1], (Assignment{Frame8, Prop::Top, 1690, {}}));
}

}  // namespace
}  // namespace presslane
