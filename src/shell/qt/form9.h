#pragma once

#include <QDialog>

#include "common/qt/progress_bar_control.h"
#include "shell/progress_controller.h"

class QProgressBar;

namespace presslane {

class Clock;
class EventPump;

// The progress window (Form9): borderless, centred over its owner, closes itself.
class Form9 : public QDialog {
    Q_OBJECT
public:
    Form9(EventPump& pump, const Clock& clock, QWidget* owner);

    // Shows the window modally and returns once it has closed itself.
    static void show_modal(EventPump& pump, const Clock& clock, QWidget* owner);

    // How long the window waits to be activated before it runs its routine anyway.
    static constexpr int kActivationGraceMs = 1000;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* progress_;
    ProgressBarControl progress_port_;
    ProgressController controller_;
};

}  // namespace presslane
