#include "common/qt/widget_control.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace presslane {
namespace {

TEST(WidgetControl, GeometryIsInTwipsOfTheParentRoundedToTheNearestPixel) {
    QWidget window;
    auto* child = new QWidget(&window);
    child->setGeometry(10, 20, 30, 40);
    WidgetControl control(child);
    EXPECT_EQ(control.left(), 150);
    EXPECT_EQ(control.top(), 300);
    EXPECT_EQ(control.width(), 450);
    EXPECT_EQ(control.height(), 600);

    const struct {
        int twips;
        int pixels;
    } cases[] = {{150, 10}, {157, 10}, {173, 12}, {7, 0}, {8, 1}, {0, 0}, {14985, 999}};
    for (const auto& c : cases) {
        control.set_left(c.twips);
        control.set_top(c.twips);
        control.set_width(c.twips);
        control.set_height(c.twips);
        EXPECT_EQ(child->geometry(), QRect(c.pixels, c.pixels, c.pixels, c.pixels)) << c.twips;
        EXPECT_EQ(control.left(), c.pixels * 15);
    }
    // A control may sit partly outside its container.
    control.set_left(-180);
    EXPECT_EQ(child->x(), -12);
}

TEST(WidgetControl, RejectsNegativeSizesAndKeepsTheOldOne) {
    QWidget window;
    auto* child = new QWidget(&window);
    child->setGeometry(0, 0, 30, 40);
    WidgetControl control(child);
    control.set_width(-15);
    control.set_height(-1);
    EXPECT_EQ(child->size(), QSize(30, 40));
    control.set_width(15);
    EXPECT_EQ(child->width(), 1);
}

TEST(WidgetControl, VisibleMeansShownEvenBeforeItsWindowIs) {
    QWidget window;
    auto* child = new QWidget(&window);
    WidgetControl control(child);
    WidgetControl window_control(&window);
    EXPECT_TRUE(control.visible());
    EXPECT_FALSE(window_control.visible());
    control.set_visible(false);
    EXPECT_FALSE(control.visible());
    control.set_visible(true);
    EXPECT_TRUE(control.visible());
    EXPECT_FALSE(child->isVisible());  // its window is still not on screen
    window_control.set_visible(true);
    EXPECT_TRUE(window_control.visible());
    EXPECT_TRUE(child->isVisible());
}

TEST(WidgetControl, CaptionIsTheTextEachKindOfWidgetShows) {
    const std::string text = "사이트 주소 & more";
    const QString shown = QString::fromStdString(text);
    QWidget window;
    const struct {
        const char* kind;
        QWidget* widget;
        std::function<QString(QWidget*)> read;
    } cases[] = {
        {"label", new QLabel(&window), [](QWidget* w) { return static_cast<QLabel*>(w)->text(); }},
        {"line edit", new QLineEdit(&window),
         [](QWidget* w) { return static_cast<QLineEdit*>(w)->text(); }},
        {"button", new QPushButton(&window),
         [](QWidget* w) { return static_cast<QPushButton*>(w)->text(); }},
        {"check box", new QCheckBox(&window),
         [](QWidget* w) { return static_cast<QCheckBox*>(w)->text(); }},
        {"group box", new QGroupBox(&window),
         [](QWidget* w) { return static_cast<QGroupBox*>(w)->title(); }},
        {"text box", new QPlainTextEdit(&window),
         [](QWidget* w) { return static_cast<QPlainTextEdit*>(w)->toPlainText(); }},
        {"window", &window, [](QWidget* w) { return w->windowTitle(); }},
    };
    for (const auto& c : cases) {
        WidgetControl control(c.widget);
        control.set_caption(text);
        EXPECT_EQ(c.read(c.widget), shown) << c.kind;
        EXPECT_EQ(control.caption(), text) << c.kind;
        control.set_tooltip("도움말 " + std::string(c.kind));
        EXPECT_EQ(c.widget->toolTip(), QString::fromStdString("도움말 " + std::string(c.kind)));
        EXPECT_EQ(control.tooltip(), "도움말 " + std::string(c.kind));
    }
}

TEST(WidgetControl, ComboCaptionIsItsEditTextOrOneOfItsItems) {
    QComboBox editable;
    editable.setEditable(true);
    editable.addItems({"북마크 1", "북마크 2"});
    WidgetControl edit_control(&editable);
    edit_control.set_caption("한글도메인.kr");
    EXPECT_EQ(editable.lineEdit()->text(), "한글도메인.kr");
    EXPECT_EQ(edit_control.caption(), "한글도메인.kr");

    QComboBox list;
    list.addItems({"첫째", "둘째"});
    WidgetControl list_control(&list);
    list_control.set_caption("둘째");
    EXPECT_EQ(list.currentIndex(), 1);
    list_control.set_caption("없는 항목");
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list_control.caption(), "둘째");
}

TEST(WidgetControl, AWidgetThatIsGoneReadsEmptyAndIgnoresChanges) {
    auto widget = std::make_unique<QLabel>("text");
    WidgetControl control(widget.get());
    widget.reset();
    EXPECT_EQ(control.widget(), nullptr);
    control.set_visible(true);
    control.set_left(150);
    control.set_width(150);
    control.set_caption("x");
    control.set_tooltip("x");
    EXPECT_FALSE(control.visible());
    EXPECT_EQ(control.left(), 0);
    EXPECT_EQ(control.width(), 0);
    EXPECT_EQ(control.caption(), "");
    EXPECT_EQ(control.tooltip(), "");
}

}  // namespace
}  // namespace presslane
