#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "common/qt/progress_bar_control.h"
#include "common/qt/widget_control_set.h"

class QPlainTextEdit;

namespace presslane {

class FileDownControl;

// The window both update programs show: the log text1, the progress bar pgbDownload, the size
// display SizeInfo, the buttons update_start and cmdCancel and the FileDown control, created
// from the Grabkit library. It only builds widgets and forwards their events.
class DownloadWindow : public QDialog {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void()> activate;  // once, when the window is first shown
        std::function<void()> update_start;
        std::function<void()> cancel;
        std::function<void()> close_box;
    };
    DownloadWindow(const QString& title, const QString& cancel_caption);

    const ControlSet& controls() const { return controls_; }
    ProgressBar& progress() { return *progress_port_; }
    // Null when the library could not be loaded.
    FileDownControl* FileDown() const { return down_; }
    void set_handlers(Handlers handlers) { handlers_ = std::move(handlers); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    WidgetControlSet controls_;
    std::unique_ptr<ProgressBarControl> progress_port_;
    QPlainTextEdit* log_;
    FileDownControl* down_;
    Handlers handlers_;
    bool activated_ = false;
};

}  // namespace presslane
