#include "scrap/scrapbook.h"

#include "browse/browser.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "scrap/list_view.h"

namespace presslane {

Scrapbook::Scrapbook(ListView& list, Browser& preview, Dialogs& dialogs, EventPump& pump,
                     const std::filesystem::path& app_folder)
    : list_(list), preview_(preview), dialogs_(dialogs), pump_(pump), file_(app_folder) {}

void Scrapbook::AddListItem(const std::string& date, const std::string& title,
                            const std::string& address) {
    pump_.process_pending();
    list_.add_row({date, title, address});
}

void Scrapbook::Image35_Click() {
    pump_.process_pending();
    const unsigned mine = ++reload_count_;
    list_.clear();
    for (const ScrapRow& row : file_.read()) {
        pump_.process_pending();
        if (reload_count_ != mine) return;
        AddListItem(row.date, row.title, row.address);
        if (reload_count_ != mine) return;
    }
    if (list_.count() > 0) preview_.navigate(list_.row(0).address);
}

void Scrapbook::Image36_Click() {
    pump_.process_pending();
    const int index = list_.selected();
    const ScrapRow chosen = index >= 0 ? list_.row(index) : ScrapRow{};
    if (!dialogs_.ask_yes_no(
            "선택한 스크랩 기사를 삭제하시겠습니까?\r\n\r\n▒ 삭제될기사 : " + chosen.title,
            "기사삭제")) {
        return;
    }
    // The question let events run: the row must still be the one the user was asked about.
    const int now = list_.selected();
    if (chosen.address.empty() || now < 0 || !(list_.row(now) == chosen)) {
        dialogs_.message("삭제할 기사를 선택하지 않으셨습니다", "삭제실패");
        return;
    }
    // The list is not the file: scraps saved since it was shown, and rows it has not reached yet
    // while it loads, are only in the file. Only the chosen line leaves the file.
    if (file_.remove_row(chosen)) {
        list_.remove_row(now);
    } else {
        dialogs_.message(kDeleteFailedText, kFileErrorTitle);
    }
    Image35_Click();
}

void Scrapbook::Image37_Click() {
    dialogs_.message("스크랩 메일발송기능은 다음 버전에서 제공됩니다", "죄송합니다");
}

void Scrapbook::Image38_Click() {
    pump_.process_pending();
    if (!dialogs_.ask_yes_no(" 스크랩북에 저장된 모든 기사들을 삭제하시겠습니까?", "기사삭제")) {
        return;
    }
    if (file_.remove()) {
        dialogs_.message("기사를 모두 삭제하였습니다", "성공");
    } else {
        dialogs_.message(kDeleteFailedText, kFileErrorTitle);
    }
    Image35_Click();
}

void Scrapbook::ListView1_DblClick() {
    const int index = list_.selected();
    if (index >= 0) preview_.navigate(list_.row(index).address);
}

}  // namespace presslane
