#pragma once

#include <string>

#include "server/mail_desk.h"

namespace presslane {

// The operator's SMTP relay, reached with libcurl: one connection per mail. With a user name the
// connection must be encrypted (STARTTLS, or an smtps:// address); without one, STARTTLS is used
// when the relay offers it.
class SmtpRelay : public MailRelay {
public:
    // url: "smtp://host:port" or "smtps://host:port".
    SmtpRelay(std::string url, std::string user, std::string password);

    bool send(const std::string& from, const std::string& to, const std::string& message) override;

private:
    std::string url_;
    std::string user_;
    std::string password_;
};

}  // namespace presslane
