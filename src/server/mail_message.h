#pragma once

#include <string>

#include "server/mail_fields.h"

namespace presslane {

// The envelope of one article mail: who the relay sends it as, and the header values that differ
// from mail to mail.
struct MailEnvelope {
    std::string from;        // the operator's sending address
    std::string date;        // RFC 5322 date text
    std::string message_id;  // without the angle brackets
};

// The article mail as it goes to the relay: UTF-8 text in base64, the subject and the sender's
// name as encoded words, CR LF line ends. The sender's address, when given, is the Reply-To; the
// mail itself is sent from the operator's address, so the relay never sends as a stranger.
std::string build_mail_message(const MailFields& fields, const MailEnvelope& envelope);

// RFC 2047 encoded words for a header value: UTF-8 in base64, cut between characters into words
// that keep each header line under 78 columns, joined by a folding line break.
std::string encoded_words(const std::string& utf8);

}  // namespace presslane
