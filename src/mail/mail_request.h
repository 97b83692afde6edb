#pragma once

#include <string>
#include <string_view>

namespace presslane {

struct MailRequest {
    std::string recipient;     // Text1
    std::string sender_name;   // Text2
    std::string sender_email;  // Text3
    std::string article;       // the article's address
};

// Every byte of the UTF-8 text that is not an unreserved character (letters, digits, "-", ".",
// "_", "~") as "%XX", so the value stays one query parameter whatever it holds.
std::string percent_encode(std::string_view utf8);

// The mail form's address with the four parameters in their order: email, sender_name,
// sender_email, url.
std::string mail_request_address(const std::string& mail_form, const MailRequest& request);

}  // namespace presslane
