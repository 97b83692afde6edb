#include "server/html_page.h"

namespace presslane {

std::string message_page(const std::string& title, const std::string& sentence) {
    return "<!DOCTYPE html>\n<html lang=\"ko\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>" +
           html_escape(title) +
           "</title></head>\n<body style=\"font-family:sans-serif;margin:1em\"><h1 "
           "style=\"font-size:1.1em\">" +
           html_escape(title) + "</h1><p>" + html_escape(sentence) + "</p></body></html>\n";
}

std::string html_escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The media settings window shows both boards side by side under "방송채널에 대한 게시판".
std::string board_page(const std::string& id) {
    if (id == "lane_desk01")
        return message_page("방송채널 이야기",
                            "새로 찾은 방송 주소와 채널 소식을 나누는 곳입니다. "
                            "아직 올라온 글이 없습니다.");
    if (id == "lane_desk02")
        return message_page("방송채널 묻고 답하기",
                            "방송이 나오지 않을 때 묻고 답하는 곳입니다. "
                            "아직 올라온 글이 없습니다.");
    return "";
}

}  // namespace presslane
