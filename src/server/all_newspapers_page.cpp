#include "server/all_newspapers_page.h"

#include "browse/catalogue.h"
#include "server/html_page.h"

namespace presslane {

std::string link_address(const std::string& target) {
    return target.find("://") == std::string::npos ? "http://" + target : target;
}

std::string all_newspapers_page() {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"ko\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>대한민국 신문사 모두 보기</title>\n<style>\n"
        "body{font-family:sans-serif;margin:0 auto;max-width:60em;padding:0 .8em;line-height:1.5}\n"
        "h1{font-size:1.4em}h2{font-size:1.2em;color:#fff;padding:.2em .5em;margin-top:1.5em}\n"
        "section.menu{display:inline-block;vertical-align:top;width:14em;margin:0 1em 1em 0}\n"
        "h3{font-size:1em;border-bottom:1px solid #999;margin:.5em 0 .2em}\n"
        "h4{font-size:.9em;color:#555;margin:.4em 0 0}\n"
        "ul{list-style:none;padding:0;margin:0}li a{text-decoration:none}\n"
        "@media (max-width:32em){section.menu{display:block;width:auto}}\n"
        "</style>\n</head>\n<body>\n<h1>대한민국 신문사 모두 보기</h1>\n"
        "<p>프레스레인 메뉴에 있는 모든 신문사와 사이트입니다.</p>\n";
    for (const catalogue::Bar& bar : catalogue::bars()) {
        const catalogue::Colour c = bar.colour;
        page += "<h2 style=\"background:rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) +
                "," + std::to_string(c.b) + ")\">" +
                html_escape(bar.caption ? bar.caption : "즐길거리") + "</h2>\n";
        for (const catalogue::Menu& menu : catalogue::menus()) {
            if (std::string(menu.bar) != bar.frame) continue;
            page += "<section class=\"menu\">\n<h3>" + html_escape(menu.caption) + "</h3>\n<ul>\n";
            for (const catalogue::Item& item : menu.items) {
                if (item.heading()) {
                    page += "</ul>\n<h4>" + html_escape(item.name) + "</h4>\n<ul>\n";
                    continue;
                }
                page += "<li><a href=\"" + html_escape(link_address(item.target)) + "\"";
                if (item.tooltip) page += " title=\"" + html_escape(item.tooltip) + "\"";
                page += ">" + html_escape(item.name) + "</a></li>\n";
            }
            page += "</ul>\n</section>\n";
        }
    }
    return page + "</body>\n</html>\n";
}

}  // namespace presslane
