#pragma once

#include <map>
#include <string>

namespace presslane {

// What the mail window asks the mail form to send: one request's parameters, checked.
struct MailFields {
    std::string recipient;     // "email"
    std::string sender_name;   // "sender_name", may be empty
    std::string sender_email;  // "sender_email", may be empty
    std::string article;       // "url"
};

struct MailCheck {
    bool ok = false;
    std::string error;  // why the request is refused, for the person who sent it
    MailFields fields;
};

// Longest values the form takes, in bytes.
constexpr std::size_t kMaxAddressBytes = 254;
constexpr std::size_t kMaxNameBytes = 120;
constexpr std::size_t kMaxArticleBytes = 2048;

// Checks the query parameters of a mail request. Everything that could reach a mail header is held
// to a strict form, so no value can add a header or another recipient: the recipient is required
// and is one plain address; the sender's address, when given, is one too; the sender's name is
// UTF-8 text without control characters; the article is an http or https address of visible
// ASCII. A parameter given twice, or a value longer than its limit, is refused.
MailCheck check_mail_fields(const std::multimap<std::string, std::string>& params);

// One address of the form local@domain: letters, digits and the usual atom characters before the
// "@", host labels after it, and nothing that could start another address or a header.
bool is_plain_mail_address(const std::string& text);

}  // namespace presslane
