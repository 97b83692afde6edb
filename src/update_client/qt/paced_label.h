#pragma once

#include <string>

#include <QLabel>

#include "common/qt/widget_control.h"
#include "update_client/qt/frame_pacer.h"

namespace presslane {

// The port of the update window's size display. A download rewrites it for every 1024-byte chunk:
// with a known size the same text each time, without one a new count thousands of times a second,
// while the screen shows a new text only once a frame. So the label is given a text only when it
// changes, at most once a frame, and the newest text a frame later: the caption the port reports
// is the last one set at every moment, and the label always ends on it. Everything else is the
// label's own.
class PacedLabel : public WidgetControl {
public:
    explicit PacedLabel(QLabel* label);

    std::string caption() const override { return caption_; }
    void set_caption(const std::string& text) override;

private:
    void show();

    // The last text set; on the label unless waiting is set.
    std::string caption_;
    bool waiting_ = false;
    FramePacer pacer_;
};

}  // namespace presslane
