#include "browse/qt/download_saver.h"

#include <QDir>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

#include "browse/downloads.h"

namespace presslane {

DownloadSaver::DownloadSaver(QWebEngineProfile* profile,
                             std::function<void(const std::string&)> status, QObject* parent)
    : QObject(parent), status_(std::move(status)) {
    connect(profile, &QWebEngineProfile::downloadRequested, this, &DownloadSaver::save);
}

void DownloadSaver::save(QWebEngineDownloadRequest* download) {
    if (download->state() != QWebEngineDownloadRequest::DownloadRequested) return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    // The engine's own name is already made unique in its own way ("report(1).pdf"); the name
    // the page suggests is the one to start from.
    const std::string offered = download->suggestedFileName().toStdString();
    // Without a folder to save into, the engine's own cancel stands: nothing is written.
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        status_(download_failed_text(offered));
        return;
    }
    const std::filesystem::path target =
        free_download_path(std::filesystem::path(folder.toStdString()), offered, saving_);
    const std::u8string name8 = target.filename().u8string();
    const std::string name(name8.begin(), name8.end());
    download->setDownloadDirectory(folder);
    download->setDownloadFileName(QString::fromStdString(name));

    connect(
        download, &QWebEngineDownloadRequest::receivedBytesChanged, this, [this, download, name] {
            status_(
                download_progress_text(name, download->receivedBytes(), download->totalBytes()));
        });
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, download, name, target] {
                if (!download->isFinished()) return;
                // The name is no longer held: a finished file stands for itself, a failed one is
                // gone.
                saving_.erase(target);
                status_(download->state() == QWebEngineDownloadRequest::DownloadCompleted
                            ? download_done_text(name)
                            : download_failed_text(name));
            });
    saving_.insert(target);
    download->accept();
}

}  // namespace presslane
