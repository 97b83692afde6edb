#include "update_client/qt/paced_progress_bar.h"

#include <algorithm>

namespace presslane {

PacedProgressBar::PacedProgressBar(QProgressBar* bar) : bar_(bar) {
    next_frame_.setSingleShot(true);
    next_frame_.callOnTimeout([this] {
        if (pending_) show(*pending_);
    });
}

int PacedProgressBar::max() const { return bar_ ? bar_->maximum() : 0; }

int PacedProgressBar::value() const {
    if (pending_) return *pending_;
    return bar_ ? bar_->value() : 0;
}

bool PacedProgressBar::set_max(int max) {
    if (!bar_ || max <= bar_->minimum() || value() > max) return false;
    if (max == bar_->maximum()) return true;
    // The bar takes the waiting value first: a larger one still on it would be refused the range.
    if (pending_) show(*pending_);
    bar_->setMaximum(max);
    return true;
}

bool PacedProgressBar::set_value(int value) {
    if (!bar_ || value < bar_->minimum() || value > bar_->maximum()) return false;
    if (since_shown_.isValid() && since_shown_.elapsed() < kFrameMs) {
        pending_ = value;
        if (!next_frame_.isActive())
            next_frame_.start(std::max<int>(0, kFrameMs - int(since_shown_.elapsed())));
        return true;
    }
    show(value);
    return true;
}

void PacedProgressBar::show(int value) {
    pending_.reset();
    next_frame_.stop();
    since_shown_.start();
    if (bar_) bar_->setValue(value);
}

}  // namespace presslane
