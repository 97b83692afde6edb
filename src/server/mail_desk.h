#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "server/request_limiter.h"

namespace presslane {

// Hands a finished mail to the operator's SMTP relay.
class MailRelay {
public:
    virtual ~MailRelay() = default;
    // Sends `message` (headers and body, CR LF line ends) from `from` to `to`; true once the relay
    // has accepted it.
    virtual bool send(const std::string& from, const std::string& to,
                      const std::string& message) = 0;
};

// The mail form: checks a request, holds back clients that send too often, builds the article mail
// and gives it to the relay. Every answer other than 200 means no mail went out. Safe to call from
// several threads.
class MailDesk {
public:
    struct Settings {
        std::string from;          // the operator's sending address
        std::string message_host;  // the host part of the mails' Message-IDs
        std::size_t max_requests;  // per client ...
        double window_seconds;     // ... within this many seconds
    };
    struct Request {
        std::multimap<std::string, std::string> params;
        std::string client;  // the client's address
        double now;          // seconds on a steady clock
        std::string date;    // RFC 5322 date text of now
    };
    struct Answer {
        int status;
        std::string page;  // a small HTML page that tells the outcome
    };

    // relay: nullptr when the operator has configured none; then every request is answered 503.
    MailDesk(MailRelay* relay, Settings settings);

    Answer handle(const Request& request);

private:
    MailRelay* relay_;
    Settings settings_;
    std::mutex mutex_;
    RequestLimiter limiter_;
    std::uint64_t sent_ = 0;
};

}  // namespace presslane
