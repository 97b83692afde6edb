#pragma once

#include <string>

#include "common/control.h"

namespace presslane {

// A control that is just its properties.
struct FakeControl : Control {
    bool visible() const override { return shown; }
    void set_visible(bool v) override { shown = v; }
    int left() const override { return x; }
    int top() const override { return y; }
    int width() const override { return w; }
    int height() const override { return h; }
    void set_left(int v) override { x = v; }
    void set_top(int v) override { y = v; }
    void set_width(int v) override { w = v; }
    void set_height(int v) override { h = v; }
    std::string caption() const override { return text; }
    void set_caption(const std::string& t) override { text = t; }
    std::string tooltip() const override { return tip; }
    void set_tooltip(const std::string& t) override { tip = t; }

    bool shown = true;
    int x = 0, y = 0, w = 0, h = 0;
    std::string text, tip;
};

// A progress bar with the usual range checks.
struct FakeProgressBar : ProgressBar {
    int max() const override { return maximum; }
    int value() const override { return current; }
    bool set_max(int m) override {
        if (m <= 0 || current > m) return false;
        maximum = m;
        return true;
    }
    bool set_value(int v) override {
        if (v < 0 || v > maximum) return false;
        current = v;
        ++steps;
        return true;
    }
    int maximum = 100, current = 0, steps = 0;
};

}  // namespace presslane
