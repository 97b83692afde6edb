#include "mail/mail_request.h"

#include "common/percent_encode.h"

namespace presslane {

std::string mail_request_address(const std::string& mail_form, const MailRequest& request) {
    return mail_form + "?email=" + percent_encode(request.recipient) +
           "&sender_name=" + percent_encode(request.sender_name) +
           "&sender_email=" + percent_encode(request.sender_email) +
           "&url=" + percent_encode(request.article);
}

}  // namespace presslane
