#pragma once

#include <string>

namespace presslane {

// One control of a window as the toolkit-free controllers see it: geometry in twips relative to
// its container, visibility, caption and tooltip. A setter the window system rejects (a negative
// size while the window is minimised) is ignored and leaves the old value.
class Control {
public:
    virtual ~Control() = default;
    virtual bool visible() const = 0;
    virtual void set_visible(bool visible) = 0;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void set_left(int twips) = 0;
    virtual void set_top(int twips) = 0;
    virtual void set_width(int twips) = 0;
    virtual void set_height(int twips) = 0;
    // Label caption or text-box text.
    virtual std::string caption() const = 0;
    virtual void set_caption(const std::string& text) = 0;
    virtual std::string tooltip() const = 0;
    virtual void set_tooltip(const std::string& text) = 0;
};

// A progress bar: values outside Min..Max, or a Max not above Min, are rejected and the bar keeps
// its previous state.
class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual int max() const = 0;
    virtual int value() const = 0;
    // Returns false when the bar rejected the value.
    virtual bool set_max(int max) = 0;
    virtual bool set_value(int value) = 0;
};

}  // namespace presslane
