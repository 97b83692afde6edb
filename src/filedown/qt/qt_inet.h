#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

#include "filedown/inet.h"

class QNetworkAccessManager;
class QNetworkReply;
class QFile;
class QTimer;
class QUrl;

namespace presslane {

// The transfer component over Qt Network. Everything runs on the UI thread: Execute returns at
// once and the reply's signals arrive while the thread processes events; OpenURL spins a local
// event loop, so window events (and with them any handler, including this object's own Execute or
// Cancel) run while it waits.
//
// ResponseCode is the QNetworkReply::NetworkError number of the last failure and ResponseInfo its
// text. OpenURL is a request of its own: it neither disturbs nor replaces the response held for
// Execute, and reports nothing through on_state_changed. A request that fails after its status line
// arrived (a body cut short or stalled) keeps that header readable, so a caller can tell a server
// that answered badly from one that never answered; its body is dropped either way. The body of an
// Execute response is spooled to a nameless temporary file as it arrives, so a large download costs
// disk, not memory.
//
// A request fails with a time-out when it receives fewer than 1024 bytes within one stall window:
// a server that never answers and one that trickles a byte now and then both end, while a slow
// but steady transfer goes on for as long as it needs. The window is a constructor argument; its
// default is the build setting PRESSLANE_STALL_SECONDS.
class QtInet : public QObject, public Inet {
    Q_OBJECT
public:
    // stall_ms is the stall window; 0 or less means the default.
    explicit QtInet(int stall_ms = 0, QObject* parent = nullptr);
    ~QtInet() override;

    std::string OpenURL(const std::string& address) override;
    int OpenURLStatus() const override { return open_status_; }
    void set_URL(const std::string& address) override;
    std::string URL() const override;
    void Execute(const std::string& address, const std::string& operation) override;
    void ExecuteHeaders(const std::string& address) override;
    bool StillExecuting() const override;
    std::string GetHeader() const override;
    std::string GetHeader(const std::string& name) const override;
    std::string GetChunkText(std::size_t max_bytes) override;
    std::size_t GetChunkBytes(std::span<std::uint8_t> out) override;
    int ResponseCode() const override;
    std::string ResponseInfo() const override;
    void Cancel() override;

    // A body larger than this fails the request instead of exhausting memory.
    void set_body_limit(qint64 bytes) { body_limit_ = bytes; }

private:
    QNetworkReply* start_get(const QUrl& url);
    void start(const std::string& address, const std::string& operation, bool headers_only);
    void on_headers(QNetworkReply* reply);
    void on_ready_read();
    void on_finished(QNetworkReply* reply);
    void detach_reply();
    void fail_later(int code, const QString& info);
    void finish(int state);
    void take_headers(QNetworkReply* reply);
    void drop_body();
    // Moves what the reply holds into the spool file; false when the disk takes no more.
    bool spool(QNetworkReply* reply);
    // The next at most max_bytes of the held body, from read_pos_ on; valid until the next call.
    QByteArrayView read_body(qint64 max_bytes);
    void release_read_part();

    QNetworkAccessManager* manager_;
    QTimer* deferred_failure_;
    int stall_ms_;
    qint64 body_limit_ = qint64(1) << 30;
    std::string url_;
    int open_status_ = 0;

    QNetworkReply* reply_ = nullptr;
    bool executing_ = false;
    bool headers_only_ = false;
    int error_code_ = 0;
    QString error_info_;

    std::string header_ = "\r\n";
    std::vector<std::pair<std::string, std::string>> fields_;
    QByteArray receive_buffer_;
    QFile* body_ = nullptr;
    qint64 body_size_ = 0;
    qint64 read_pos_ = 0;
    // A block of the spool file from ahead_pos_ on, read ahead of the chunks handed out.
    QByteArray ahead_;
    qint64 ahead_pos_ = 0;
    // The spool file's first bytes already handed back to the file system.
    qint64 released_ = 0;
};

}  // namespace presslane
