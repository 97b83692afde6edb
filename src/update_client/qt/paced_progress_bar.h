#pragma once

#include <optional>

#include <QPointer>
#include <QProgressBar>

#include "common/control.h"
#include "update_client/qt/frame_pacer.h"

namespace presslane {

// The progress-bar port of the update window, with the range checks of the port. A download
// reports every 1024-byte chunk, thousands of times a second, and each value the bar is given
// measures its text again; the screen shows a new value only once a frame. So the bar is given a
// value at most once a frame, and the newest value a frame later: what the port reports stays
// exact at every moment, and the bar always ends on the last value set.
class PacedProgressBar : public ProgressBar {
public:
    explicit PacedProgressBar(QProgressBar* bar);

    int max() const override;
    int value() const override;
    bool set_max(int max) override;
    bool set_value(int value) override;

private:
    void show(int value);

    QPointer<QProgressBar> bar_;
    // Set, and not yet on the bar.
    std::optional<int> pending_;
    FramePacer pacer_;
};

}  // namespace presslane
