#pragma once

#include <memory>

#include <QDialog>

#include "common/qt/widget_control_set.h"
#include "update_client/download_controls.h"
#include "update_client/qt/paced_label.h"
#include "update_client/qt/paced_progress_bar.h"

class QPlainTextEdit;

namespace presslane {

class DownloadEvents;
class FileDownControl;

// The window both update programs show: the log text1, the progress bar pgbDownload, the size
// display SizeInfo, the buttons update_start and cmdCancel and the FileDown control, created
// from the Grabkit library. It only builds widgets and reports their events to its controller.
class DownloadForm : public QDialog {
    Q_OBJECT
public:
    DownloadForm(const QString& title, const QString& cancel_caption);

    // Gathered from the widgets by name; throws MissingControl for one the window did not build.
    Controls<DownloadControl> controls() const { return Controls<DownloadControl>(controls_); }
    ProgressBar& progress() { return *progress_port_; }
    // Null when the library could not be loaded.
    FileDownControl* FileDown() const { return down_; }
    // The controller that gets the window's events and those of its download control; set once,
    // before the window is shown.
    void connect_to(DownloadEvents& events);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    WidgetControlSet controls_;
    std::unique_ptr<PacedProgressBar> progress_port_;
    std::unique_ptr<PacedLabel> size_port_;
    QPlainTextEdit* log_;
    FileDownControl* down_;
    DownloadEvents* events_ = nullptr;
    bool activated_ = false;
};

}  // namespace presslane
