#include "update_client/qt/download_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "filedown/qt/grabkit_loader.h"

namespace presslane {

DownloadWindow::DownloadWindow(const QString& title, const QString& cancel_caption)
    : QDialog(nullptr) {
    setWindowTitle(title);
    setFixedSize(640, 330);

    log_ = controls_.add("text1", new QPlainTextEdit(this));
    log_->setReadOnly(true);
    log_->setGeometry(10, 10, 620, 170);
    // ShowInfo rewrites the whole text: the newest line is brought back into view each time.
    connect(log_, &QPlainTextEdit::textChanged, this, [this] {
        log_->moveCursor(QTextCursor::End);
        log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    });

    auto* bar = controls_.add("pgbDownload", new QProgressBar(this));
    bar->setGeometry(10, 190, 620, 20);
    bar->setRange(0, 100);
    bar->setValue(0);
    progress_port_ = std::make_unique<ProgressBarControl>(bar);

    controls_.add("Label1", new QLabel("파일크기 : ", this))->setGeometry(10, 218, 70, 20);
    controls_.add("SizeInfo", new QLabel("None", this))->setGeometry(80, 218, 300, 20);

    auto* start = controls_.add("update_start", new QPushButton("수동으로 업데이트", this));
    start->setGeometry(10, 246, 140, 28);
    connect(start, &QPushButton::clicked, this, [this] {
        if (handlers_.update_start) handlers_.update_start();
    });
    auto* cancel = controls_.add("cmdCancel", new QPushButton(cancel_caption, this));
    cancel->setGeometry(10, 282, 620, 38);
    cancel->setStyleSheet("text-align: left; padding-left: 6px;");
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (handlers_.cancel) handlers_.cancel();
    });

    down_ = create_file_down(this);
    if (auto* face = findChild<QWidget*>("FileDown")) face->move(598, 244);
}

void DownloadWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Run from the event loop, not inside the show: the routine waits and lets events run.
    QTimer::singleShot(0, this, [this] {
        if (handlers_.activate) handlers_.activate();
    });
}

void DownloadWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (handlers_.close_box) handlers_.close_box();
}

void DownloadWindow::reject() {
    // Escape closes the window the same way as its close box.
    if (handlers_.close_box) handlers_.close_box();
    QDialog::reject();
}

}  // namespace presslane
