#include "browse/browser_keys.h"

#include "browse/browser_host.h"
#include "browse/page_zoom.h"
#include "common/dialogs.h"

namespace presslane {

const std::vector<KeyBinding>& key_bindings() {
    static const std::vector<KeyBinding> bindings = {
        {KeyCommand::Reload, {"F5", "Ctrl+R"}, "페이지 새로 고침"},
        {KeyCommand::Stop, {"Esc"}, "페이지 읽기 멈춤, 찾기 창 닫기"},
        {KeyCommand::Back, {"Alt+Left"}, "뒤로 가기"},
        {KeyCommand::Forward, {"Alt+Right"}, "앞으로 가기"},
        {KeyCommand::FocusAddress, {"Ctrl+L", "F6"}, "주소창으로 가기"},
        {KeyCommand::Print, {"Ctrl+P"}, "기사 프린트"},
        {KeyCommand::Find, {"Ctrl+F"}, "페이지에서 찾기"},
        {KeyCommand::ZoomIn, {"Ctrl++", "Ctrl+="}, "화면 확대"},
        {KeyCommand::ZoomOut, {"Ctrl+-"}, "화면 축소"},
        {KeyCommand::ZoomReset, {"Ctrl+0"}, "화면 원래 크기"},
        {KeyCommand::Help, {"F1"}, "단축키 도움말"},
    };
    return bindings;
}

std::string find_count_text(int active, int total) {
    if (total <= 0) return "찾는 말 없음";
    return std::to_string(active) + "/" + std::to_string(total);
}

BrowserKeys::BrowserKeys(BrowserHost& host, Window& window, PageZoom& zoom, Dialogs& dialogs)
    : host_(host), window_(window), zoom_(zoom), dialogs_(dialogs) {}

std::string BrowserKeys::help_text() {
    std::string text;
    for (const KeyBinding& binding : key_bindings()) {
        std::string keys;
        for (const std::string& key : binding.keys) keys += (keys.empty() ? "" : ", ") + key;
        text += keys + " : " + binding.meaning + "\n";
    }
    text += "Ctrl+마우스 휠 : 화면 확대/축소\n";
    return text;
}

void BrowserKeys::run(KeyCommand command) {
    switch (command) {
        case KeyCommand::Reload:
            host_.active_browser().reload();
            break;
        case KeyCommand::Stop:
            // Esc first closes what it opened last: the find bar.
            if (window_.find_shown()) {
                window_.hide_find();
            } else {
                host_.active_browser().stop();
            }
            break;
        case KeyCommand::Back:
            host_.Image1_Click();
            break;
        case KeyCommand::Forward:
            host_.Image2_Click();
            break;
        case KeyCommand::FocusAddress:
            window_.focus_address();
            break;
        case KeyCommand::Print:
            host_.print_action();
            break;
        case KeyCommand::Find:
            window_.show_find(host_.active_browser());
            break;
        case KeyCommand::ZoomIn:
            zoom(1);
            break;
        case KeyCommand::ZoomOut:
            zoom(-1);
            break;
        case KeyCommand::ZoomReset:
            zoom(0);
            break;
        case KeyCommand::Help:
            dialogs_.message(help_text(), kHelpTitle);
            break;
    }
}

void BrowserKeys::zoom_wheel(int notches) {
    for (int i = 0; i < notches; ++i) zoom(1);
    for (int i = 0; i > notches; --i) zoom(-1);
}

void BrowserKeys::address_changed(Browser& browser) {
    browser.set_zoom(zoom_.percent_for(browser.location_url()));
}

void BrowserKeys::zoom(int direction) {
    Browser& browser = host_.active_browser();
    browser.set_zoom(zoom_.step(browser.location_url(), direction));
}

}  // namespace presslane
