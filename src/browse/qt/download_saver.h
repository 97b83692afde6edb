#pragma once

#include <functional>
#include <string>

#include <QObject>

class QWebEngineDownloadRequest;
class QWebEngineProfile;

namespace presslane {

// Saves every file a page of the profile offers into the desktop's downloads folder, under a
// name no existing file has, and tells its progress and its end. A saved file is never opened.
class DownloadSaver : public QObject {
    Q_OBJECT

public:
    // status: shows a line of text to the user (the status bar).
    DownloadSaver(QWebEngineProfile* profile, std::function<void(const std::string&)> status,
                  QObject* parent);

private:
    void save(QWebEngineDownloadRequest* download);

    std::function<void(const std::string&)> status_;
};

}  // namespace presslane
