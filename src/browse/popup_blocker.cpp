#include "browse/popup_blocker.h"

#include "common/dialogs.h"
#include "common/number.h"
#include "common/event_pump.h"

namespace presslane {

bool settings_ask_blocking(const std::string* field2) {
    if (field2 == nullptr) return true;
    const auto value = read_number(*field2);
    return !value || *value == 1.0;
}

PopupBlocker::PopupBlocker(Browser& main, Browser& sink, Control& button7, Dialogs& dialogs,
                           EventPump& pump)
    : main_(main), sink_(sink), button7_(button7), dialogs_(dialogs), pump_(pump) {}

void PopupBlocker::set(bool block) {
    blocking_ = block;
    button7_.set_caption(block ? "팝업금지" : "팝업허용");
}

void PopupBlocker::set_from_settings(const std::string* field2) {
    set(blocking() || settings_ask_blocking(field2));
}

void PopupBlocker::Toolbar1_Button7_Click() {
    if (blocking()) {
        set(false);
        dialogs_.message("현재부터 광고(팝업)창이 뜨는것을 허용합니다", "팝업창 허용");
    } else {
        set(true);
        dialogs_.message("현재부터 광고(팝업)창이 뜨는것을 허용하지 않습니다", "팝업창 금지");
    }
}

Browser* PopupBlocker::WebBrowser1_NewWindow2(bool by_user) {
    pump_.process_pending();
    if (!blocking()) return nullptr;
    return by_user ? &main_ : &sink_;
}

}  // namespace presslane
