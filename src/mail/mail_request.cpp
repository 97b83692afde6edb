#include "mail/mail_request.h"

namespace presslane {

std::string percent_encode(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size() * 3);
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string mail_request_address(const std::string& mail_form, const MailRequest& request) {
    return mail_form + "?email=" + percent_encode(request.recipient) +
           "&sender_name=" + percent_encode(request.sender_name) +
           "&sender_email=" + percent_encode(request.sender_email) +
           "&url=" + percent_encode(request.article);
}

}  // namespace presslane
