#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "browse/catalogue.h"
#include "common/channel_book.h"
#include "common/cp949.h"
#include "fakes/temp_dir.h"
#include "server/all_newspapers_page.h"
#include "server/html_page.h"
#include "server/mail_desk.h"
#include "server/mail_fields.h"
#include "server/mail_message.h"
#include "server/request_limiter.h"
#include "server/visit_counter.h"

namespace presslane {
namespace {

using Params = std::multimap<std::string, std::string>;

std::string read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string unbase64(std::string_view text) {
    static const std::string kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        const auto at = kAlphabet.find(c);
        if (at == std::string::npos) continue;
        value = (value << 6) | static_cast<unsigned>(at);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return out;
}

// The decoded text of a header value made of encoded words.
std::string decode_words(const std::string& value) {
    std::string out;
    for (std::size_t at = value.find("=?UTF-8?B?"); at != std::string::npos;
         at = value.find("=?UTF-8?B?", at)) {
        at += 10;
        const std::size_t end = value.find("?=", at);
        out += unbase64(value.substr(at, end - at));
        at = end;
    }
    return out;
}

Params good_params() {
    return {{"email", "friend@mail.kr"},
            {"sender_name", "홍길동"},
            {"sender_email", "hong@example.co.kr"},
            {"url", "https://news.example.kr/article?id=1&page=2"}};
}

TEST(MailFields, AcceptsTheMailWindowsRequest) {
    const MailCheck check = check_mail_fields(good_params());
    ASSERT_TRUE(check.ok) << check.error;
    EXPECT_EQ(check.fields.recipient, "friend@mail.kr");
    EXPECT_EQ(check.fields.sender_name, "홍길동");
    EXPECT_EQ(check.fields.article, "https://news.example.kr/article?id=1&page=2");

    Params no_sender = good_params();
    no_sender.erase("sender_name");
    no_sender.find("sender_email")->second = "";
    EXPECT_TRUE(check_mail_fields(no_sender).ok);
}

TEST(MailFields, RefusesMissingOversizedAndInjectedValues) {
    struct Case {
        const char* why;
        std::string key;
        std::string value;  // replaces the good value; "-" removes the parameter
    };
    const Case cases[] = {
        {"no recipient", "email", "-"},
        {"empty recipient", "email", ""},
        {"no article", "url", "-"},
        {"recipient with a header after it", "email", "a@b.kr\r\nBcc: victim@c.kr"},
        {"recipient with a line feed", "email", "a@b.kr\nCc: x@y.kr"},
        {"two recipients by comma", "email", "a@b.kr,victim@c.kr"},
        {"two recipients by semicolon", "email", "a@b.kr; victim@c.kr"},
        {"recipient in angle brackets", "email", "A <a@b.kr>"},
        {"recipient without a host", "email", "a@localhost"},
        {"recipient with two at signs", "email", "a@b@c.kr"},
        {"recipient with a NUL", "email", std::string("a@b.kr\0x", 8)},
        {"sender address with a header", "sender_email", "me@y.kr\r\nBcc: v@c.kr"},
        {"sender address not an address", "sender_email", "me=100%@y.kr?"},
        {"sender name with a line break", "sender_name", "홍\r\nBcc: v@c.kr"},
        {"sender name with a tab", "sender_name", "홍\t길동"},
        {"sender name not UTF-8", "sender_name", "\xB1\xE8"},
        {"sender name with a C1 control", "sender_name",
         "a\xC2\x85"
         "b"},
        {"article not a web address", "url", "javascript:alert(1)"},
        {"article with a line break", "url", "https://a.kr/\r\nBcc: v@c.kr"},
        {"article with a blank", "url", "https://a.kr/a b"},
        {"article without a host", "url", "https:///x"},
        {"oversized recipient", "email", std::string(250, 'a') + "@b.kr"},
        {"oversized name", "sender_name", std::string(kMaxNameBytes + 1, 'n')},
        {"oversized article", "url", "https://a.kr/" + std::string(kMaxArticleBytes, 'x')},
    };
    for (const Case& c : cases) {
        Params params = good_params();
        params.erase(c.key);
        if (c.value != "-") params.emplace(c.key, c.value);
        const MailCheck check = check_mail_fields(params);
        EXPECT_FALSE(check.ok) << c.why;
        EXPECT_FALSE(check.error.empty()) << c.why;
    }
    Params twice = good_params();
    twice.emplace("email", "victim@c.kr");
    EXPECT_FALSE(check_mail_fields(twice).ok) << "a second recipient parameter";
}

TEST(MailMessage, IsUtf8MimeWithEncodedSubjectAndOneRecipient) {
    MailFields fields = check_mail_fields(good_params()).fields;
    fields.sender_name =
        std::string(40, 'x') + "홍길동 한국어 이름이 아주 길어서 여러 줄에 걸칩니다";
    const std::string message = build_mail_message(
        fields,
        {"mail@presslane.example", "Thu, 10 Dec 2026 21:00:00 +0000", "1.1@presslane.example"});
    const std::size_t body_at = message.find("\r\n\r\n");
    ASSERT_NE(body_at, std::string::npos);
    const std::string headers = message.substr(0, body_at + 2);
    for (const char c : headers)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << "raw 8-bit header";
    for (std::size_t start = 0, end; (end = message.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        EXPECT_LE(end - start, 78u) << message.substr(start, end - start);
    EXPECT_NE(headers.find("\r\nTo: <friend@mail.kr>\r\n"), std::string::npos);
    EXPECT_NE(headers.find("\r\nReply-To: <hong@example.co.kr>\r\n"), std::string::npos);
    EXPECT_NE(headers.find("Content-Type: text/plain; charset=UTF-8\r\n"), std::string::npos);
    EXPECT_NE(headers.find("Content-Transfer-Encoding: base64\r\n"), std::string::npos);
    EXPECT_EQ(headers.find("Bcc"), std::string::npos);

    const std::size_t subject_at = headers.find("\r\nSubject: ") + 11;
    std::size_t subject_end = subject_at;
    while ((subject_end = headers.find("\r\n", subject_end)) != std::string::npos &&
           headers[subject_end + 2] == ' ')
        subject_end += 2;
    EXPECT_EQ(decode_words(headers.substr(subject_at, subject_end - subject_at)),
              "[프레스레인] " + fields.sender_name + "님이 보낸 기사");

    const std::string body = unbase64(message.substr(body_at + 4));
    EXPECT_NE(body.find(fields.sender_name + "님이 프레스레인에서 기사를 보냈습니다."),
              std::string::npos);
    EXPECT_NE(body.find("기사 주소: https://news.example.kr/article?id=1&page=2\r\n"),
              std::string::npos);
}

TEST(MailMessage, EncodedWordsNeverSplitACharacter) {
    const std::string text = "가" + std::string(38, 'a') + "나다라마바사아자차카타파하";
    const std::string words = encoded_words(text);
    std::size_t count = 0;
    for (std::size_t at = words.find("=?UTF-8?B?"); at != std::string::npos;
         at = words.find("=?UTF-8?B?", at + 1)) {
        const std::size_t end = words.find("?=", at + 10);
        const std::string piece = unbase64(words.substr(at + 10, end - at - 10));
        EXPECT_EQ(cp949::encode(piece).find('?'), std::string::npos) << "a cut character";
        ++count;
    }
    EXPECT_GE(count, 2u);
    EXPECT_EQ(decode_words(words), text);
}

struct FakeRelay : MailRelay {
    bool accept = true;
    std::vector<std::string> to, messages;
    bool send(const std::string&, const std::string& recipient,
              const std::string& message) override {
        to.push_back(recipient);
        messages.push_back(message);
        return accept;
    }
};

MailDesk::Request request(Params params, const std::string& client = "10.0.0.1", double now = 0) {
    return {std::move(params), client, now, "Thu, 10 Dec 2026 21:00:00 +0000"};
}

TEST(MailDesk, SendsOnlyWhatPassesAndTellsEveryOutcome) {
    FakeRelay relay;
    MailDesk desk(&relay, {"mail@presslane.example", "presslane.example", 3, 60});
    EXPECT_EQ(desk.handle(request(good_params())).status, 200);
    ASSERT_EQ(relay.to, std::vector<std::string>{"friend@mail.kr"});

    Params injected = good_params();
    injected.find("email")->second = "a@b.kr\r\nBcc: v@c.kr";
    const auto refused = desk.handle(request(injected));
    EXPECT_EQ(refused.status, 400);
    EXPECT_NE(refused.page.find("받는 분 이메일 주소가 올바르지 않습니다"), std::string::npos);
    EXPECT_EQ(relay.to.size(), 1u);

    relay.accept = false;
    EXPECT_EQ(desk.handle(request(good_params())).status, 502);

    MailDesk unconfigured(nullptr, {"", "", 3, 60});
    const auto answer = unconfigured.handle(request(good_params()));
    EXPECT_EQ(answer.status, 503);
    EXPECT_NE(answer.page.find("메일 발송이 설정되어 있지 않습니다"), std::string::npos);
}

TEST(MailDesk, HoldsBackAClientThatSendsTooOften) {
    FakeRelay relay;
    MailDesk desk(&relay, {"mail@presslane.example", "presslane.example", 2, 60});
    EXPECT_EQ(desk.handle(request(good_params(), "10.0.0.1", 0)).status, 200);
    EXPECT_EQ(desk.handle(request({}, "10.0.0.1", 1)).status, 400);
    EXPECT_EQ(desk.handle(request(good_params(), "10.0.0.1", 2)).status, 429);
    EXPECT_EQ(desk.handle(request(good_params(), "10.0.0.2", 2)).status, 200);
    EXPECT_EQ(desk.handle(request(good_params(), "10.0.0.1", 60)).status, 200);
    EXPECT_EQ(relay.to.size(), 3u);
    EXPECT_NE(relay.messages[0].find("Message-ID: <"), std::string::npos);
    EXPECT_NE(relay.messages[0].substr(relay.messages[0].find("Message-ID:"), 60),
              relay.messages[2].substr(relay.messages[2].find("Message-ID:"), 60));
}

TEST(RequestLimiter, CountsPerClientWithinASlidingWindow) {
    RequestLimiter limiter(2, 10);
    EXPECT_TRUE(limiter.admit("a", 0));
    EXPECT_TRUE(limiter.admit("a", 5));
    EXPECT_FALSE(limiter.admit("a", 9.9));
    EXPECT_TRUE(limiter.admit("b", 9.9));
    EXPECT_TRUE(limiter.admit("a", 10));  // the first has left the window
    EXPECT_FALSE(limiter.admit("a", 14.9));
    EXPECT_TRUE(limiter.admit("a", 100));  // long quiet: forgotten, then counted afresh
    EXPECT_TRUE(limiter.admit("a", 100));
    EXPECT_FALSE(limiter.admit("a", 100));
}

TEST(VisitCounter, CountsIntoItsFileAndLeavesABrokenOneAlone) {
    TempDir dir;
    const auto file = dir.path() / "counter.txt";
    VisitCounter counter(file);
    EXPECT_EQ(counter.count(), 1u);
    EXPECT_EQ(counter.count(), 2u);
    EXPECT_EQ(read(file), "2\n");

    std::vector<std::thread> visitors;
    for (int i = 0; i < 4; ++i)
        visitors.emplace_back([&] {
            for (int k = 0; k < 25; ++k) counter.count();
        });
    for (auto& v : visitors) v.join();
    EXPECT_EQ(read(file), "102\n");

    for (const std::string broken : {"12abc\n", "-3\n", "18446744073709551615\n"}) {
        std::ofstream(file, std::ios::binary) << broken;
        EXPECT_EQ(counter.count(), std::nullopt) << broken;
        EXPECT_EQ(read(file), broken);
    }
    std::ofstream(file, std::ios::binary) << "41\r\n";
    EXPECT_EQ(counter.count(), 42u);
    std::ofstream(file, std::ios::binary).flush();
    EXPECT_EQ(VisitCounter(file).count(), 1u);

    VisitCounter unwritable(dir.path() / "missing-folder" / "counter.txt");
    EXPECT_EQ(unwritable.count(), std::nullopt);
}

TEST(BoardPage, KnowsTheTwoBoardsOnly) {
    EXPECT_NE(board_page("lane_desk01").find("<title>"), std::string::npos);
    EXPECT_NE(board_page("lane_desk02"), board_page("lane_desk01"));
    EXPECT_EQ(board_page("lane_desk03"), "");
    EXPECT_EQ(html_escape("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;");
}

TEST(AllNewspapersPage, ListsEveryCatalogueSiteUnderItsMenuInBarOrder) {
    const std::string page = all_newspapers_page();
    EXPECT_NE(page.find("<meta name=\"viewport\""), std::string::npos);
    EXPECT_NE(page.find("<html lang=\"ko\">"), std::string::npos);
    std::size_t at = 0, sites = 0;
    for (const catalogue::Bar& bar : catalogue::bars()) {
        at = page.find("</h2>", at);
        ASSERT_NE(at, std::string::npos) << bar.frame;
        for (const catalogue::Menu& menu : catalogue::menus()) {
            if (std::string(menu.bar) != bar.frame) continue;
            at = page.find("<h3>" + html_escape(menu.caption) + "</h3>", at);
            ASSERT_NE(at, std::string::npos) << menu.caption;
            const std::size_t section_end = page.find("</section>", at);
            for (const catalogue::Item& item : menu.items) {
                const std::string shown =
                    item.heading() ? "<h4>" + html_escape(item.name) + "</h4>"
                                   : "<a href=\"" + html_escape(link_address(item.target)) + "\"";
                at = page.find(shown, at);
                ASSERT_LT(at, section_end) << menu.caption << ": " << item.name;
                if (!item.heading()) {
                    at = page.find(">" + html_escape(item.name) + "</a>", at);
                    ASSERT_LT(at, section_end) << item.name;
                    ++sites;
                }
            }
        }
    }
    EXPECT_GT(sites, 250u);
    EXPECT_EQ(link_address("www.khan.co.kr"), "http://www.khan.co.kr");
    EXPECT_EQ(read(PRESSLANE_SITE_DIR "/soft/lane_desk/radio_guide/all_newspaper01.html"), page)
        << "the published page is made from the catalogue at build time";
}

TEST(PublishedChannelList, IsCp949CrLfChannelsWithAddressesThePlayerOpens) {
    const std::filesystem::path file =
        PRESSLANE_SITE_SOURCE "/soft/lane_desk/radio_guide/radiobook.res";
    const std::string bytes = read(file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare LF at " << i;
        }
    EXPECT_EQ(cp949::encode(cp949::decode(bytes)), bytes) << "not CP949 throughout";
    EXPECT_EQ(cp949::decode(bytes).find("\xEF\xBF\xBD"), std::string::npos);

    // The main window lists the published channels up to the first blank line.
    ChannelBook book(file);
    const std::vector<std::string> lines = book.lines();
    for (const std::string& line : lines) EXPECT_FALSE(is_blank_line(line)) << "a blank line";
    ASSERT_GE(book.names().size(), 10u);
    const std::vector<std::string> schemes = {"http://", "https://", "mms://",  "mmsh://",
                                              "rtsp://", "rtmp://",  "rtmps://"};
    for (const std::string& name : book.names()) {
        const auto records = book.matching(name);
        ASSERT_EQ(records.size(), 1u) << "one channel per name: " << name;
        const Record& r = records.front();
        EXPECT_EQ(r.size(), 3u) << name;
        EXPECT_FALSE(field(r, 1).empty()) << name;
        const std::string address = field(r, 3);
        EXPECT_TRUE(std::any_of(schemes.begin(), schemes.end(),
                                [&](const std::string& s) { return address.starts_with(s); }))
            << name << ": " << address;
        EXPECT_EQ(address.find_first_of(" \t"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace presslane
