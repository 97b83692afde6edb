#include "common/qt/progress_bar_control.h"

namespace presslane {

ProgressBarControl::ProgressBarControl(QProgressBar* bar) : bar_(bar) {}

int ProgressBarControl::max() const { return bar_ ? bar_->maximum() : 0; }

int ProgressBarControl::value() const { return bar_ ? bar_->value() : 0; }

bool ProgressBarControl::set_max(int max) {
    if (!bar_ || max <= bar_->minimum() || bar_->value() > max) return false;
    bar_->setMaximum(max);
    return true;
}

bool ProgressBarControl::set_value(int value) {
    if (!bar_ || value < bar_->minimum() || value > bar_->maximum()) return false;
    bar_->setValue(value);
    return true;
}

}  // namespace presslane
