#include "update_client/qt/paced_progress_bar.h"

namespace presslane {

PacedProgressBar::PacedProgressBar(QProgressBar* bar)
    : bar_(bar), pacer_([this] {
          if (pending_) show(*pending_);
      }) {}

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
    if (!pacer_.may_show_now()) {
        pending_ = value;
        return true;
    }
    show(value);
    return true;
}

void PacedProgressBar::show(int value) {
    pending_.reset();
    pacer_.shown();
    if (bar_) bar_->setValue(value);
}

}  // namespace presslane
