#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

#include "common/control.h"

namespace presslane {

// The control port over any QWidget (not owned). Geometry is the widget's position in its parent
// (for a window: the outer frame on the desktop) at 15 twips per pixel. Once the widget is gone
// every getter reads zero or empty and every setter does nothing.
class WidgetControl : public Control {
public:
    explicit WidgetControl(QWidget* widget);

    QWidget* widget() const { return widget_; }

    bool visible() const override;
    void set_visible(bool visible) override;
    int left() const override;
    int top() const override;
    int width() const override;
    int height() const override;
    void set_left(int twips) override;
    void set_top(int twips) override;
    void set_width(int twips) override;
    void set_height(int twips) override;
    std::string caption() const override;
    void set_caption(const std::string& text) override;
    std::string tooltip() const override;
    void set_tooltip(const std::string& text) override;

    static constexpr int kTwipsPerPixel = 15;
    static int to_twips(int pixels) { return pixels * kTwipsPerPixel; }
    static int to_pixels(int twips);

private:
    QPointer<QWidget> widget_;
};

// Twips of a window's design to pixels on the screen.
inline int px(int twips) { return WidgetControl::to_pixels(twips); }
// Gives the widget its designed place in its parent, in twips.
void place(QWidget* widget, int left, int top, int width, int height);

}  // namespace presslane
