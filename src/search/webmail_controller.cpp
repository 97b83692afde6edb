#include "search/webmail_controller.h"

#include <cctype>
#include <string_view>

#include "browse/browser.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/endpoints.h"
#include "common/event_pump.h"
#include "common/item_list.h"
#include "search/placement.h"

namespace presslane {
namespace {

// Between looks at the login page the wait sleeps in the event loop rather than spinning.
constexpr double kPollSeconds = 0.1;
constexpr float kDay = 86400.0f;

bool is_https(const std::string& address) {
    static constexpr std::string_view kScheme = "https://";
    if (address.size() < kScheme.size()) return false;
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(address[i])) != kScheme[i]) return false;
    }
    return true;
}

}  // namespace

const std::array<const char*, 11> WebmailController::kProviders = {
    "다음", "엠팔",       "네이트(라이코스)", "핫메일", "네이버",      "오르지오",
    "파란", "코리아닷컴", "네띠앙",           "야후",   "구글(Gmail)",
};

WebmailController::Sites WebmailController::default_sites() {
    return {endpoints::webmail_login_page(), endpoints::webmail_pages(), kLoginWaitSeconds};
}

WebmailController::WebmailController(Controls<WebmailControl> controls, ItemList& providers,
                                     const Control& form1, const Control& frame10, Ports ports,
                                     std::function<void()> focus_id, Sites sites)
    : controls_(controls),
      providers_(providers),
      form1_(form1),
      frame10_(frame10),
      ports_(ports),
      focus_id_(std::move(focus_id)),
      sites_(std::move(sites)),
      secure_login_(is_https(sites_.login_page)) {}

std::vector<std::pair<std::string, std::string>> WebmailController::fields() const {
    return {{"userid", controls_[WebmailControl::Text1].caption()},
            {"passwd", controls_[WebmailControl::Text2].caption()}};
}

// The password goes only into an https document of the login page's origin: whatever else is
// displayed (another site's form with fields of the same names, or the login host's own page over
// plain http, which anyone on the way can read) is left alone.
bool WebmailController::fill_login_page() {
    return secure_login_ && ports_.web1.fill_fields(sites_.login_page, fields());
}

void WebmailController::tell_not_secure() {
    ports_.dialogs.message(kNotSecureText, kCaption, Dialogs::Icon::Warning);
}

void WebmailController::Form_Load() {
    place_over_status_bar(controls_[WebmailControl::Form7], form1_, frame10_, kLeftOffset);
}

void WebmailController::Form_Activate() {
    ports_.pump.process_pending();
    providers_.clear();
    for (const char* name : kProviders) providers_.add_item(name);
    controls_[WebmailControl::Combo1].set_caption(kProviders[0]);
    if (focus_id_) focus_id_();
}

void WebmailController::Command1_Click() {
    if (unloaded_) return;
    ports_.pump.process_pending();
    ports_.web1.navigate(sites_.login_page);
    if (!secure_login_) {
        tell_not_secure();
        return;
    }
    // The page displayed at the click, filled only when it is the login page; the page just
    // requested replaces it when it arrives.
    fill_login_page();
}

void WebmailController::Text2_KeyPress(int key_ascii) {
    if (key_ascii == kEnterKey) Command1_Click();
}

void WebmailController::Command2_Click() {
    // The wait lets events run, a second click among them.
    if (waiting_ || unloaded_) return;
    waiting_ = true;
    ports_.pump.process_pending();
    ports_.web1.navigate(sites_.login_page);
    ports_.web1.control().set_visible(true);
    if (!secure_login_) {
        waiting_ = false;
        tell_not_secure();
        return;
    }
    const bool filled = wait_and_fill();
    waiting_ = false;
    // Closed while waiting: nobody is left to tell.
    if (!filled && !unloaded_)
        ports_.dialogs.message(kNoFieldsText, kCaption, Dialogs::Icon::Warning);
}

// Waits while the browser loads, while it has no document and until the login page's fields can
// be filled, all within one limit; survives midnight like wait_seconds. The form is never
// submitted: the user presses the page's own login button.
bool WebmailController::wait_and_fill() {
    float start = ports_.clock.seconds_since_midnight();
    while (!unloaded_) {
        Browser& browser = ports_.web1;
        if (!browser.busy() && browser.has_document() && fill_login_page()) return true;
        const float now = ports_.clock.seconds_since_midnight();
        if (now < start) start -= kDay;
        if (now - start > sites_.login_wait_seconds) return false;
        ports_.pump.process_pending();
        ports_.pump.wait_for_events(kPollSeconds);
    }
    return false;
}

void WebmailController::open_provider(std::size_t provider) {
    ports_.pump.process_pending();
    if (provider < sites_.provider_pages.size())
        ports_.web1.navigate(sites_.provider_pages[provider]);
}

void WebmailController::Form_Unload() { unloaded_ = true; }

}  // namespace presslane
