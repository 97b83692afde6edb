#include "server/mail_fields.h"

#include <string_view>

namespace presslane {
namespace {

bool is_atom_char(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) return true;
    return std::string_view("!#$%&'*+/=?^_`{|}~-").find(c) != std::string_view::npos;
}

bool is_host_label_char(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || c == '-';
}

// Dot-separated parts, none empty, each made only of characters `allowed` accepts.
template <typename Allowed>
bool dotted(std::string_view text, Allowed allowed) {
    if (text.empty() || text.front() == '.' || text.back() == '.') return false;
    char previous = 0;
    for (const char c : text) {
        if (c == '.' ? previous == '.' : !allowed(c)) return false;
        previous = c;
    }
    return true;
}

bool is_host(std::string_view host) {
    if (!dotted(host, is_host_label_char) || host.find('.') == std::string_view::npos) return false;
    std::size_t start = 0;
    while (start <= host.size()) {
        std::size_t end = host.find('.', start);
        if (end == std::string_view::npos) end = host.size();
        const std::string_view label = host.substr(start, end - start);
        if (label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        start = end + 1;
    }
    return true;
}

// Well-formed UTF-8 (no overlong forms, no surrogates) without C0 or C1 controls or DEL.
bool is_clean_text(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t length;
        char32_t code;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        if (code >= 0x80 && code <= 0x9F) return false;
        i += length;
    }
    return true;
}

bool is_article_address(std::string_view text) {
    const bool web = text.starts_with("http://") || text.starts_with("https://");
    if (!web) return false;
    const std::size_t host_start = text.find("://") + 3;
    if (host_start >= text.size() || text[host_start] == '/') return false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7F) return false;
    }
    return true;
}

struct Limit {
    const char* name;
    std::size_t max_bytes;
    bool required;
};

}  // namespace

bool is_plain_mail_address(const std::string& text) {
    if (text.size() > kMaxAddressBytes) return false;
    const std::size_t at = text.find('@');
    if (at == std::string::npos || text.find('@', at + 1) != std::string::npos) return false;
    const std::string_view local = std::string_view(text).substr(0, at);
    return local.size() <= 64 && dotted(local, is_atom_char) &&
           is_host(std::string_view(text).substr(at + 1));
}

MailCheck check_mail_fields(const std::multimap<std::string, std::string>& params) {
    const Limit limits[] = {{"email", kMaxAddressBytes, true},
                            {"sender_name", kMaxNameBytes, false},
                            {"sender_email", kMaxAddressBytes, false},
                            {"url", kMaxArticleBytes, true}};
    MailCheck check;
    std::string* values[] = {&check.fields.recipient, &check.fields.sender_name,
                             &check.fields.sender_email, &check.fields.article};
    for (std::size_t i = 0; i < std::size(limits); ++i) {
        const auto count = params.count(limits[i].name);
        if (count > 1) {
            check.error = "같은 항목이 두 번 이상 들어 있습니다";
            return check;
        }
        if (count == 1) *values[i] = params.find(limits[i].name)->second;
        if (limits[i].required && values[i]->empty()) {
            check.error = i == 0 ? "받는 분 이메일이 없습니다" : "보낼 기사 주소가 없습니다";
            return check;
        }
        if (values[i]->size() > limits[i].max_bytes) {
            check.error = "입력한 내용이 너무 깁니다";
            return check;
        }
    }
    const MailFields& f = check.fields;
    if (!is_plain_mail_address(f.recipient)) {
        check.error = "받는 분 이메일 주소가 올바르지 않습니다";
    } else if (!f.sender_email.empty() && !is_plain_mail_address(f.sender_email)) {
        check.error = "보내는 사람 이메일 주소가 올바르지 않습니다";
    } else if (!is_clean_text(f.sender_name)) {
        check.error = "보내는 사람 이름에 쓸 수 없는 문자가 있습니다";
    } else if (!is_article_address(f.article)) {
        check.error = "기사 주소가 올바르지 않습니다";
    } else {
        check.ok = true;
    }
    return check;
}

}  // namespace presslane
