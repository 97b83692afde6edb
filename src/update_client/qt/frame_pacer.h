#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QTimer>

namespace presslane {

// Paces a widget that a download updates far more often than the screen can show: the widget is
// given a value at most once a frame, and the newest waiting one a frame later. Inside a burst of
// values the clock is read once, not for every value.
class FramePacer {
public:
    static constexpr int kFrameMs = 16;

    // show_pending puts the newest waiting value on the widget; it runs from the event loop.
    explicit FramePacer(std::function<void()> show_pending);

    // True when a value set now may go on the widget at once; otherwise the value is to wait and
    // show_pending follows once the frame is over.
    bool may_show_now();
    // A value went on the widget: a new frame starts and nothing waits any more.
    void shown();

private:
    std::function<void()> show_pending_;
    QElapsedTimer since_shown_;
    QTimer next_frame_;
};

}  // namespace presslane
