#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "search/webmail_controls.h"

namespace presslane {

class Browser;
class Clock;
class Control;
class Dialogs;
class EventPump;
class ItemList;

// The web-mail window Form7: its logos open the mail services' pages in the main browser, and its
// login box types the id and password into the fields of one portal's login page there. The
// providers are Combo1's entries, set through the ItemList. Nothing typed is kept beyond the
// window's boxes.
class WebmailController {
public:
    static constexpr const char* kCaption = "프레스레인 메일검색";
    static constexpr int kLeftOffset = 3230;
    static constexpr int kEnterKey = 13;
    static constexpr float kLoginWaitSeconds = 30.0f;
    static constexpr const char* kNoFieldsText =
        "로그인 페이지에 아이디와 암호 입력란이 나타나지 않아 입력하지 못했습니다.\r\n\r\n잠시 후 "
        "다시 시도하시거나 페이지에 직접 입력해 주십시요";
    static constexpr const char* kNotSecureText =
        "보안 연결(https)이 아닌 로그인 페이지에는 아이디와 암호를 넣지 않습니다.\r\n\r\n"
        "페이지에 직접 입력해 주십시요";
    static const std::array<const char*, 11> kProviders;

    struct Ports {
        Browser& web1;  // the main window's browser
        Dialogs& dialogs;
        EventPump& pump;
        const Clock& clock;
    };
    struct Sites {
        // Only a page of its origin is ever filled, and only when it is an https page.
        std::string login_page;
        std::vector<std::string> provider_pages;  // in the order of kProviders
        // How long the waiting login waits for the login page's fields.
        float login_wait_seconds = kLoginWaitSeconds;
    };
    static Sites default_sites();

    // form1, frame10: the main window's outer frame and status bar, which the window sits above.
    WebmailController(Controls<WebmailControl> controls, ItemList& providers, const Control& form1,
                      const Control& frame10, Ports ports, std::function<void()> focus_id,
                      Sites sites = default_sites());

    void Form_Load();
    void Form_Activate();
    // Quick login: opens the login page, and fills the page displayed now only when it is the
    // login page already. A login page that is not https is never filled; the user is told.
    void Command1_Click();
    void Text2_KeyPress(int key_ascii);
    // Waiting login: opens the login page and fills it once its fields are there, letting window
    // events run meanwhile; tells the user when they have not appeared within the wait, and at
    // once when the login page is not https.
    void Command2_Click();
    void Image2_Click() { open_provider(0); }
    void Image4_Click() { open_provider(1); }
    void Image5_Click() { open_provider(2); }
    void Image6_Click() { open_provider(3); }
    void Image7_Click() { open_provider(4); }
    void Image8_Click() { open_provider(5); }
    void Image9_Click() { open_provider(6); }
    void Image10_Click() { open_provider(7); }
    void Image11_Click() { open_provider(8); }
    void Image12_Click() { open_provider(9); }
    void Image13_Click() { open_provider(10); }
    // Runs once, on the first close by any route; a waiting login stops at its next look.
    void Form_Unload();

private:
    std::vector<std::pair<std::string, std::string>> fields() const;
    bool fill_login_page();
    void tell_not_secure();
    bool wait_and_fill();
    void open_provider(std::size_t provider);

    Controls<WebmailControl> controls_;
    ItemList& providers_;
    const Control& form1_;
    const Control& frame10_;
    Ports ports_;
    std::function<void()> focus_id_;
    Sites sites_;
    bool secure_login_ = false;
    bool waiting_ = false;
    bool unloaded_ = false;
};

}  // namespace presslane
