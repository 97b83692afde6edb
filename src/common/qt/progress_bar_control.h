#pragma once

#include <QPointer>
#include <QProgressBar>

#include "common/control.h"

namespace presslane {

// The progress-bar port over a QProgressBar (not owned), with the range checks of the port.
class ProgressBarControl : public ProgressBar {
public:
    explicit ProgressBarControl(QProgressBar* bar);

    int max() const override;
    int value() const override;
    bool set_max(int max) override;
    bool set_value(int value) override;

private:
    QPointer<QProgressBar> bar_;
};

}  // namespace presslane
