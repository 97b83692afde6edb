#pragma once

#include <string>

namespace presslane {

struct MailRequest {
    std::string recipient;     // Text1
    std::string sender_name;   // Text2
    std::string sender_email;  // Text3
    std::string article;       // the article's address
};

// The mail form's address with the four parameters in their order: email, sender_name,
// sender_email, url.
std::string mail_request_address(const std::string& mail_form, const MailRequest& request);

}  // namespace presslane
