#include "filedown/qt/qt_inet.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string_view>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>
#include <QVariant>

#include "common/cp949.h"
#include "filedown/spool_file.h"

namespace presslane {
namespace {

#ifndef PRESSLANE_STALL_SECONDS
#define PRESSLANE_STALL_SECONDS 30
#endif
constexpr int kDefaultStallMs = PRESSLANE_STALL_SECONDS * 1000;
// Fewer bytes than this within one stall window is no progress.
constexpr qint64 kStallBytes = 1024;
constexpr qint64 kReadBufferBytes = qint64(1) << 20;
// The body goes into its spool file and comes back out of it in blocks of this size, each read
// back then handed out in slices. Small enough to stay in the processor's cache between the copy
// into the block and the copy out of it: with megabyte blocks the kernel's copies of the same
// bytes took several times as long.
constexpr qint64 kSpoolBlockBytes = qint64(1) << 16;
// The part of the spool file already read goes back to the file system in steps of this size:
// a step per block would cost a call into the file system for every 64 kB copied.
constexpr qint64 kReleaseBytes = qint64(1) << 22;

// Only http and https are served; QNetworkAccessManager would also open file: and data: addresses,
// whose replies carry no status line for the callers to read.
QUrl http_url(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
        return {};
    return url;
}

// Errors Qt derives from the status of a response that did arrive: a 404 or 500 is an answer the
// caller reads through the status line, not a failed transfer.
bool is_status_error(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ContentAccessDenied:
        case QNetworkReply::ContentOperationNotPermittedError:
        case QNetworkReply::ContentNotFoundError:
        case QNetworkReply::AuthenticationRequiredError:
        case QNetworkReply::ContentConflictError:
        case QNetworkReply::ContentGoneError:
        case QNetworkReply::UnknownContentError:
        case QNetworkReply::ProtocolInvalidOperationError:
        case QNetworkReply::InternalServerError:
        case QNetworkReply::OperationNotImplementedError:
        case QNetworkReply::ServiceUnavailableError:
        case QNetworkReply::UnknownServerError:
            return true;
        default:
            return false;
    }
}

struct Outcome {
    int code = 0;
    QString info;
};

// Decides whether a finished reply is a complete response. A body shorter than its Content-Length
// is a failure: the download control would otherwise install a truncated file.
Outcome judge(QNetworkReply* reply, qint64 received) {
    const QNetworkReply::NetworkError error = reply->error();
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    // The reply is never aborted while connected, so a cancellation can only be the stall
    // time-out; Qt names it "Operation canceled", which would mislead whoever reads the error.
    if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        return {QNetworkReply::TimeoutError, QStringLiteral("No data received in time")};
    if (error != QNetworkReply::NoError && !(answered && is_status_error(error)))
        return {error, reply->errorString()};
    if (!answered) return {QNetworkReply::ProtocolFailure, QStringLiteral("No HTTP response")};
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && received < length.toLongLong())
        return {QNetworkReply::RemoteHostClosedError,
                QStringLiteral("Connection closed before the whole body arrived")};
    return {};
}

// Header bytes as UTF-8 text: kept when they already are UTF-8, otherwise read in the product
// server's code page, so that callers never see invalid UTF-8.
std::string header_text(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text.toStdString();
    return cp949::decode(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

bool same_name(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// The download's scratch file in the temporary folder, as a QFile.
QFile* anonymous_file(QObject* parent) {
    const int fd = open_spool_file(std::filesystem::path(QDir::tempPath().toStdU16String()));
    if (fd < 0) return nullptr;
    auto* file = new QFile(parent);
    if (!file->open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        close_spool_file(fd);
        delete file;
        return nullptr;
    }
    return file;
}

}  // namespace

QtInet::QtInet(int stall_ms, QObject* parent)
    : QObject(parent),
      manager_(new QNetworkAccessManager(this)),
      deferred_failure_(new QTimer(this)),
      // Without a time-out a server that never answers would keep a caller waiting forever.
      stall_ms_(stall_ms > 0 ? stall_ms : kDefaultStallMs) {
    deferred_failure_->setSingleShot(true);
    connect(deferred_failure_, &QTimer::timeout, this, [this] { finish(kStateError); });
}

QtInet::~QtInet() { detach_reply(); }

std::string QtInet::OpenURL(const std::string& address) {
    open_status_ = 0;
    const QUrl url = http_url(address);
    if (url.isEmpty()) return {};

    QPointer<QtInet> alive(this);
    const qint64 limit = body_limit_;
    QNetworkReply* reply = start_get(url);
    QByteArray body;
    bool too_large = false;
    QEventLoop loop;
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > limit) {
            too_large = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The window whose component this is may be closed and deleted by an event of the loop; the
    // reply goes with it.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();
    if (!alive) return {};

    // exec returns at once while the application is quitting; the reply may still be running.
    const bool finished = reply->isFinished();
    reply->disconnect(&loop);
    if (!finished) reply->abort();
    // A reply that failed is closed already, and reading it only draws a warning.
    if (finished && reply->isOpen()) body += reply->readAll();
    open_status_ = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool complete = finished && !too_large && judge(reply, body.size()).code == 0;
    reply->deleteLater();
    if (!complete) return {};
    return cp949::decode(std::string_view(body.constData(), std::size_t(body.size())));
}

void QtInet::set_URL(const std::string& address) { url_ = address; }

std::string QtInet::URL() const { return url_; }

void QtInet::Execute(const std::string& address, const std::string& operation) {
    start(address, operation, false);
}

void QtInet::ExecuteHeaders(const std::string& address) { start(address, "GET", true); }

void QtInet::start(const std::string& address, const std::string& operation, bool headers_only) {
    Cancel();
    headers_only_ = headers_only;
    header_ = "\r\n";
    fields_.clear();
    drop_body();
    error_code_ = 0;
    error_info_.clear();
    executing_ = true;

    if (operation != "GET") {
        fail_later(QNetworkReply::ProtocolInvalidOperationError,
                   QStringLiteral("Only GET is supported"));
        return;
    }
    const QUrl url = http_url(address.empty() ? url_ : address);
    if (url.isEmpty()) {
        fail_later(QNetworkReply::ProtocolUnknownError,
                   QStringLiteral("Not an HTTP or HTTPS address"));
        return;
    }
    QNetworkReply* reply = start_get(url);
    // Without a bound, Qt's network thread reads the socket as fast as it can and queues every
    // piece for this thread, so a fast server fills memory faster than the spool empties it.
    reply->setReadBufferSize(kReadBufferBytes);
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (reply == reply_) on_ready_read();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { on_finished(reply); });
    if (headers_only)
        connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] { on_headers(reply); });
}

bool QtInet::StillExecuting() const { return executing_; }

std::string QtInet::GetHeader() const { return header_; }

std::string QtInet::GetHeader(const std::string& name) const {
    for (const auto& [field, value] : fields_)
        if (same_name(field, name)) return value;
    return {};
}

std::string QtInet::GetChunkText(std::size_t max_bytes) {
    if (executing_) return {};
    const QByteArrayView part = read_body(qint64(max_bytes));
    const std::string_view rest(part.data(), std::size_t(part.size()));
    const std::size_t n = cp949::whole_prefix(rest, max_bytes);
    read_pos_ += qint64(n);
    return cp949::decode(rest.substr(0, n));
}

std::size_t QtInet::GetChunkBytes(std::span<std::uint8_t> out) {
    if (executing_) return 0;
    const QByteArrayView part = read_body(qint64(out.size()));
    read_pos_ += part.size();
    std::copy(part.begin(), part.end(), reinterpret_cast<char*>(out.data()));
    return std::size_t(part.size());
}

int QtInet::ResponseCode() const { return error_code_; }

std::string QtInet::ResponseInfo() const { return error_info_.toStdString(); }

void QtInet::Cancel() {
    deferred_failure_->stop();
    detach_reply();
    // After completion there is nothing to abort, and the held response stays readable: the
    // download control cancels while it is still copying the body out.
    if (!executing_) return;
    executing_ = false;
    drop_body();
    error_code_ = QNetworkReply::OperationCanceledError;
    error_info_ = QStringLiteral("Cancelled");
}

QNetworkReply* QtInet::start_get(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // Asking for the identity encoding keeps Qt from inflating the body behind the caller's back,
    // so the bytes handed out are the file's bytes and their number matches Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = manager_->get(request);

    // The stall watchdog lives and dies with its reply.
    auto* watchdog = new QTimer(reply);
    auto received = std::make_shared<qint64>(0);
    auto mark = std::make_shared<qint64>(0);
    connect(reply, &QNetworkReply::downloadProgress, watchdog,
            [received](qint64 bytes, qint64) { *received = bytes; });
    connect(reply, &QNetworkReply::finished, watchdog, &QTimer::stop);
    connect(watchdog, &QTimer::timeout, reply, [reply, watchdog, received, mark] {
        if (*received - *mark < kStallBytes) {
            watchdog->stop();
            reply->abort();
            return;
        }
        *mark = *received;
    });
    watchdog->start(stall_ms_);
    return reply;
}

void QtInet::on_headers(QNetworkReply* reply) {
    if (reply != reply_) return;
    // The headers of a redirect that is being followed are not the answer.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 0 || (status >= 300 && status < 400 && reply->hasRawHeader("Location"))) return;
    take_headers(reply);
    reply_ = nullptr;
    reply->disconnect(this);
    // Aborted from the event loop: Qt does not take an abort inside its own header signal. Until
    // then the reply reads no more than its read buffer holds.
    QMetaObject::invokeMethod(
        reply,
        [reply] {
            reply->abort();
            reply->deleteLater();
        },
        Qt::QueuedConnection);
    finish(kStateResponseCompleted);
}

void QtInet::on_ready_read() {
    // A header request holds no body; the reply ends at its headers.
    if (headers_only_) {
        reply_->skip(reply_->bytesAvailable());
        return;
    }
    const bool held = spool(reply_);
    if (held && body_size_ <= body_limit_) return;
    detach_reply();
    drop_body();
    error_code_ = held ? int(QNetworkReply::UnknownContentError) : kNoRoomCode;
    error_info_ = held ? QStringLiteral("Body too large")
                       : QStringLiteral("No room to hold the body on disk");
    finish(kStateError);
}

void QtInet::on_finished(QNetworkReply* reply) {
    // A reply that was cancelled or replaced has been disconnected; this guards the emission that
    // may already have been under way when that happened.
    if (reply != reply_) return;
    Outcome outcome;
    if (headers_only_) {
        // Ended before its headers were taken (an error, or a redirect that is not followed): its
        // body was never meant to be read, so its length proves nothing.
        outcome = judge(reply, std::numeric_limits<qint64>::max());
    } else if (reply->isOpen() && !spool(reply)) {
        outcome = {kNoRoomCode, QStringLiteral("No room to hold the body on disk")};
    } else {
        outcome = judge(reply, body_size_);
    }
    error_code_ = outcome.code;
    error_info_ = outcome.info;
    take_headers(reply);
    detach_reply();
    if (error_code_ != 0 || headers_only_) drop_body();
    finish(error_code_ == 0 ? kStateResponseCompleted : kStateError);
}

void QtInet::detach_reply() {
    if (!reply_) return;
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    // Disconnected first: abort emits finished at once, and a cancelled request reports nothing.
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void QtInet::fail_later(int code, const QString& info) {
    error_code_ = code;
    error_info_ = info;
    // Reported from the event loop, as every other state is, so the handler never runs inside
    // Execute.
    deferred_failure_->start(0);
}

void QtInet::finish(int state) {
    executing_ = false;
    // A copy: the handler may replace on_state_changed while it runs.
    const auto handler = on_state_changed;
    // Nothing of this object is touched after the handler, which may start the next request.
    if (handler) handler(state);
}

void QtInet::take_headers(QNetworkReply* reply) {
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) return;
    const QByteArray reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    header_ = "HTTP/1.1 " + std::to_string(status.toInt()) + " " + header_text(reason) + "\r\n";
    fields_.clear();
    for (const auto& [name, value] : reply->rawHeaderPairs()) {
        // Qt joins repeated Set-Cookie headers with line feeds; each goes back on a line of its
        // own.
        for (const QByteArray& part : value.split('\n')) {
            fields_.emplace_back(header_text(name), header_text(part));
            header_ += fields_.back().first + ": " + fields_.back().second + "\r\n";
        }
    }
}

void QtInet::drop_body() {
    delete std::exchange(body_, nullptr);
    body_size_ = 0;
    read_pos_ = 0;
    ahead_.clear();
    ahead_pos_ = 0;
    released_ = 0;
}

bool QtInet::spool(QNetworkReply* reply) {
    // One block-sized buffer for the whole transfer, where readAll would allocate a fresh array of
    // up to a megabyte for every arrival.
    if (receive_buffer_.isEmpty()) receive_buffer_.resize(kSpoolBlockBytes);
    for (;;) {
        const qint64 n = reply->read(receive_buffer_.data(), receive_buffer_.size());
        if (n <= 0) return true;
        if (!body_) {
            body_ = anonymous_file(this);
            if (!body_) return false;
        }
        if (body_->write(receive_buffer_.constData(), n) != n) return false;
        body_size_ += n;
    }
}

QByteArrayView QtInet::read_body(qint64 max_bytes) {
    const qint64 n = std::min(max_bytes, body_size_ - read_pos_);
    if (!body_ || n <= 0) return {};
    if (read_pos_ < ahead_pos_ || read_pos_ + n > ahead_pos_ + ahead_.size()) {
        // Chunks are read in order, so the block read last ends where the next one starts.
        if (body_->pos() != read_pos_ && !body_->seek(read_pos_)) return {};
        ahead_.resize(std::min(kSpoolBlockBytes, body_size_ - read_pos_));
        const qint64 got = body_->read(ahead_.data(), ahead_.size());
        ahead_.resize(std::max<qint64>(got, 0));
        ahead_pos_ = read_pos_;
        release_read_part();
    }
    return QByteArrayView(ahead_).sliced(read_pos_ - ahead_pos_,
                                         std::min(n, ahead_pos_ + ahead_.size() - read_pos_));
}

void QtInet::release_read_part() {
    // Chunks are never read twice: the part before the current block goes back to the file system
    // as the copy goes on, so it is neither written out to disk nor does it hold twice the
    // download's size of disk space while the copy runs. A file system that cannot punch holes
    // keeps it until the end.
    if (ahead_pos_ - released_ < kReleaseBytes) return;
    if (release_spool_range(body_->handle(), released_, ahead_pos_ - released_))
        released_ = ahead_pos_;
}

}  // namespace presslane
