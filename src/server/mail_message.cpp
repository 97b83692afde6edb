#include "server/mail_message.h"

#include <string_view>

namespace presslane {
namespace {

std::string base64(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned value = 0;
        for (std::size_t k = 0; k < 3; ++k)
            value = (value << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? kAlphabet[(value >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

// Base64 in lines of 76 characters, each ended by CR LF.
std::string base64_lines(std::string_view bytes) {
    const std::string encoded = base64(bytes);
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); i += 76) out += encoded.substr(i, 76) + "\r\n";
    return out;
}

bool continues_character(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string mail_subject(const MailFields& fields) {
    if (fields.sender_name.empty()) return "[프레스레인] 기사가 도착했습니다";
    return "[프레스레인] " + fields.sender_name + "님이 보낸 기사";
}

}  // namespace

std::string encoded_words(const std::string& utf8) {
    // 42 bytes make 56 base64 characters: a word of 68 columns with its markers, which leaves room
    // for "Subject: " on the first line.
    constexpr std::size_t kWordBytes = 42;
    std::string out;
    for (std::size_t start = 0; start < utf8.size();) {
        std::size_t end = std::min(utf8.size(), start + kWordBytes);
        while (end < utf8.size() && end > start + 1 && continues_character(utf8[end])) --end;
        if (!out.empty()) out += "\r\n ";
        out += "=?UTF-8?B?" + base64(std::string_view(utf8).substr(start, end - start)) + "?=";
        start = end;
    }
    return out;
}

std::string build_mail_message(const MailFields& fields, const MailEnvelope& envelope) {
    const std::string who = fields.sender_name.empty() ? "프레스레인 사용자" : fields.sender_name;
    std::string body =
        who + "님이 프레스레인에서 기사를 보냈습니다.\r\n\r\n기사 주소: " + fields.article + "\r\n";
    if (!fields.sender_email.empty()) body += "보낸 분 이메일: " + fields.sender_email + "\r\n";
    body += "\r\n-- \r\n이 메일은 프레스레인 기사 메일 발송 기능으로 보냈습니다.\r\n";

    std::string message = "Date: " + envelope.date + "\r\n";
    message += "From: " + encoded_words("프레스레인") + " <" + envelope.from + ">\r\n";
    message += "To: <" + fields.recipient + ">\r\n";
    if (!fields.sender_email.empty()) message += "Reply-To: <" + fields.sender_email + ">\r\n";
    message += "Subject: " + encoded_words(mail_subject(fields)) + "\r\n";
    message += "Message-ID: <" + envelope.message_id + ">\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n\r\n";
    return message + base64_lines(body);
}

}  // namespace presslane
