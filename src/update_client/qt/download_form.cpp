#include "update_client/qt/download_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "filedown/file_down_control.h"
#include "filedown/qt/grabkit_loader.h"
#include "update_client/download_events.h"

namespace presslane {
DownloadForm::DownloadForm(const QString& title, const QString& cancel_caption) : QDialog(nullptr) {
    setWindowTitle(title);
    setFixedSize(640, 330);

    log_ = controls_.add(DownloadControl::text1, new QPlainTextEdit(this));
    log_->setReadOnly(true);
    log_->setGeometry(10, 10, 620, 170);
    // ShowInfo rewrites the whole text: the newest line is brought back into view each time.
    connect(log_, &QPlainTextEdit::textChanged, this, [this] {
        log_->moveCursor(QTextCursor::End);
        log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    });

    auto* bar = controls_.add(DownloadControl::pgbDownload, new QProgressBar(this));
    bar->setGeometry(10, 190, 620, 20);
    bar->setRange(0, 100);
    bar->setValue(0);
    progress_port_ = std::make_unique<PacedProgressBar>(bar);

    controls_.add(DownloadControl::Label1, new QLabel("파일크기 : ", this))
        ->setGeometry(10, 218, 70, 20);
    auto* size = new QLabel("None", this);
    const std::string_view size_name = Controls<DownloadControl>::name(DownloadControl::SizeInfo);
    size->setObjectName(QString::fromUtf8(size_name.data(), qsizetype(size_name.size())));
    size->setGeometry(80, 218, 300, 20);
    size_port_ = std::make_unique<PacedLabel>(size);
    controls_.add(DownloadControl::SizeInfo, *size_port_);

    auto* start =
        controls_.add(DownloadControl::update_start, new QPushButton("수동으로 업데이트", this));
    start->setGeometry(10, 246, 140, 28);
    connect(start, &QPushButton::clicked, this, [this] {
        if (events_) events_->update_start_Click();
    });
    auto* cancel = controls_.add(DownloadControl::cmdCancel, new QPushButton(cancel_caption, this));
    cancel->setGeometry(10, 282, 620, 38);
    cancel->setStyleSheet("text-align: left; padding-left: 6px;");
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (events_) events_->cmdCancel_Click();
    });

    down_ = create_file_down(this);
    if (auto* face = findChild<QWidget*>("FileDown")) face->move(598, 244);
}

void DownloadForm::connect_to(DownloadEvents& events) {
    events_ = &events;
    if (!down_) return;
    FileDownControl::Events down_events;
    down_events.OnDownload = [&events](std::int32_t received, std::int32_t size) {
        events.FileDown_OnDownload(received, size);
    };
    down_events.OnComplete = [&events](std::int32_t size) { events.FileDown_OnComplete(size); };
    down_events.OnError = [&events](std::int16_t code, std::string) {
        events.FileDown_OnError(code);
    };
    down_->set_events(down_events);
}

void DownloadForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Run from the event loop, not inside the show: the routine waits and lets events run.
    QTimer::singleShot(0, this, [this] {
        if (events_) events_->window_shown();
    });
}

void DownloadForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (events_) events_->Form_Unload();
}

void DownloadForm::reject() {
    // Escape closes the window the same way as its close box.
    if (events_) events_->Form_Unload();
    QDialog::reject();
}

}  // namespace presslane
