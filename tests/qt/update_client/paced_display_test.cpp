#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "update_client/qt/paced_label.h"
#include "update_client/qt/paced_progress_bar.h"

namespace presslane {
namespace {

struct ShownBar : ::testing::Test {
    ShownBar() {
        widget.setRange(0, 100000);
        widget.setValue(0);
        widget.resize(620, 20);
        widget.show();
        QObject::connect(&widget, &QProgressBar::valueChanged, [this] { ++values_on_bar; });
    }
    QProgressBar widget;
    PacedProgressBar bar{&widget};
    int values_on_bar = 0;
};

// A download's burst of chunks: the port answers every value at once, the bar gets few of them
// and ends on the last.
TEST_F(ShownBar, BurstReachesTheBarOnceAFrameAndEndsOnTheLastValue) {
    for (int v = 1; v <= 100000; ++v) {
        ASSERT_TRUE(bar.set_value(v));
        ASSERT_EQ(bar.value(), v);
    }
    EXPECT_LT(values_on_bar, 50000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget.value() == 100000; }, 2000));
    EXPECT_EQ(bar.value(), 100000);
}

// The range checks of the port hold against the value set, shown or not.
TEST_F(ShownBar, RangeChecksUseTheValueSetAndANewMaximumKeepsIt) {
    ASSERT_TRUE(bar.set_value(90000));
    ASSERT_TRUE(bar.set_value(500));  // within the frame: not yet on the bar
    EXPECT_FALSE(bar.set_value(100001));
    EXPECT_FALSE(bar.set_value(-1));
    EXPECT_EQ(bar.value(), 500);
    // Refused on the bar's own value (90000), allowed on the one set.
    ASSERT_TRUE(bar.set_max(1000));
    EXPECT_EQ(widget.maximum(), 1000);
    EXPECT_EQ(widget.value(), 500);
    EXPECT_FALSE(bar.set_max(400));
    EXPECT_FALSE(bar.set_max(0));
    EXPECT_EQ(bar.max(), 1000);
}

TEST(PacedProgressBar, BarGoneRefusesEverything) {
    auto* widget = new QProgressBar;
    PacedProgressBar bar(widget);
    delete widget;
    EXPECT_FALSE(bar.set_value(1));
    EXPECT_FALSE(bar.set_max(10));
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.max(), 0);
}

// The size display during a download: the first text reaches the label at once, a burst of
// counts reaches it a few times and ends on the last, and the port reads the last text set at
// every moment.
TEST(PacedLabel, BurstReachesTheLabelOnceAFrameAndEndsOnTheLastText) {
    QLabel widget("None");
    widget.show();
    PacedLabel label(&widget);
    EXPECT_EQ(label.caption(), "None");

    QString on_label = widget.text();
    int texts_on_label = 0;
    const auto set = [&](const std::string& text) {
        label.set_caption(text);
        ASSERT_EQ(label.caption(), text);
        if (widget.text() != on_label) {
            ++texts_on_label;
            on_label = widget.text();
        }
    };
    set("0 Byte");
    EXPECT_EQ(widget.text(), "0 Byte");
    for (int n = 1; n <= 20000; ++n) set(std::to_string(n) + " Byte");
    EXPECT_LT(texts_on_label, 10000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget.text() == "20000 Byte"; }, 2000));
    EXPECT_EQ(label.caption(), "20000 Byte");
}

}  // namespace
}  // namespace presslane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
