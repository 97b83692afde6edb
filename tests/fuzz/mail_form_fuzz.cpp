// Any values in the mail form's four parameters: a request the form accepts becomes a mail whose
// headers are exactly the form's own, in 7-bit text, the subject folded into lines of at most 78
// characters, so no value can add a header or a recipient; a request it refuses says why.
//
// Input: four values separated by NUL (email, sender_name, sender_email, url).
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "server/mail_fields.h"
#include "server/mail_message.h"

using namespace presslane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto value = fuzz::parts(fuzz::text_of(data, size), 4);
    const char* names[] = {"email", "sender_name", "sender_email", "url"};
    std::multimap<std::string, std::string> params;
    for (int i = 0; i < 4; ++i) params.emplace(names[i], std::string(value[i]));
    const MailCheck check = check_mail_fields(params);
    if (!check.ok) {
        fuzz::require(!check.error.empty(), "a refused request says why");
        return 0;
    }
    fuzz::require(check.fields.recipient == value[0] && check.fields.article == value[3],
                  "an accepted request keeps its values");

    const std::string message = build_mail_message(
        check.fields, {"mail@server.test", "Thu, 10 Dec 2026 21:00:00 +0000", "1.1@server.test"});
    const std::size_t end = message.find("\r\n\r\n");
    fuzz::require(end != std::string::npos, "the headers end in a blank line");
    const std::string_view headers = std::string_view(message).substr(0, end + 2);
    std::string names_seen;
    for (std::size_t start = 0; start < headers.size();) {
        const std::size_t stop = headers.find("\r\n", start);
        const std::string_view line = headers.substr(start, stop - start);
        // An address cannot be folded: only lines of encoded words are held to 78 characters.
        const bool words = line.starts_with(" ") || line.starts_with("Subject:");
        fuzz::require(line.size() <= (words ? 78u : 998u), "header lines stay within the limits");
        for (const char c : line) {
            const auto u = static_cast<unsigned char>(c);
            fuzz::require(u >= 0x20 && u < 0x7F, "headers are printable 7-bit text");
        }
        if (!line.starts_with(" ")) names_seen += std::string(line.substr(0, line.find(':'))) + ",";
        start = stop + 2;
    }
    const std::string reply = check.fields.sender_email.empty() ? "" : "Reply-To,";
    fuzz::require(names_seen == "Date,From,To," + reply +
                                    "Subject,Message-ID,MIME-Version,Content-Type,"
                                    "Content-Transfer-Encoding,",
                  "the mail carries exactly the form's headers");
    fuzz::require(
        headers.find("\r\nTo: <" + check.fields.recipient + ">\r\n") != std::string_view::npos,
        "the one recipient is the one asked for");
    for (const char c : std::string_view(message).substr(end + 4))
        fuzz::require(c == '\r' || c == '\n' || c == '=' || c == '+' || c == '/' ||
                          (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                          (c >= 'a' && c <= 'z'),
                      "the body is base64");
    return 0;
}
