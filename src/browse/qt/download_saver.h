#pragma once

#include <filesystem>
#include <functional>
#include <set>
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
    // The files being saved: the engine creates a file only some time after it was accepted.
    std::set<std::filesystem::path> saving_;
};

}  // namespace presslane
