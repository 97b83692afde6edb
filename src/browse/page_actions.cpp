#include "browse/page_actions.h"

#include "browse/browser.h"
#include "browse/catalogue.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/percent_encode.h"

namespace presslane {

SpecialPages::SpecialPages(Browser& main_browser, Dialogs& dialogs, EventPump& pump,
                           Addresses addresses, Hooks hooks)
    : browser_(main_browser),
      dialogs_(dialogs),
      pump_(pump),
      addresses_(std::move(addresses)),
      hooks_(std::move(hooks)) {}

void SpecialPages::call(const std::function<void()>& hook) {
    if (hook) hook();
}

std::string SpecialPages::translated(const std::string& paper) const {
    return addresses_.translation_gateway + percent_encode(paper);
}

void SpecialPages::translation_prompt(const catalogue::Item& entry) {
    pump_.process_pending();
    const bool yes =
        dialogs_.ask_yes_no("번역하여 보시겠습니까?", entry.prompt ? entry.prompt : "");
    browser_.navigate(yes ? translated(entry.target) : std::string(entry.target));
    call(hooks_.install_menu);
}

void SpecialPages::Label1000_Click() {
    pump_.process_pending();
    call(hooks_.show_progress_window);
    browser_.navigate(addresses_.all_newspapers);
}

void SpecialPages::Image32_Click() { browser_.navigate(addresses_.home_page); }

void SpecialPages::Image31_Click() { browser_.navigate(addresses_.ranking); }

void SpecialPages::Image30_Click() { browser_.navigate(addresses_.breaking_news); }

void SpecialPages::Picture16_Click() {
    pump_.process_pending();
    browser_.navigate(addresses_.article_search);
}

}  // namespace presslane
