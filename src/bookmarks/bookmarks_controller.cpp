#include "bookmarks/bookmarks_controller.h"

#include <algorithm>
#include <vector>

#include "bookmarks/list_box.h"
#include "browse/browser.h"
#include "common/dialogs.h"
#include "common/event_pump.h"

namespace presslane {

BookmarksController::BookmarksController(Controls<BookmarksControl> controls, ListBox& list,
                                         Browser& main, Dialogs& dialogs, EventPump& pump,
                                         const std::filesystem::path& app_folder, Hooks hooks)
    : controls_(controls),
      list_(list),
      main_(main),
      dialogs_(dialogs),
      pump_(pump),
      file_(app_folder),
      hooks_(std::move(hooks)) {}

void BookmarksController::call(const std::function<void()>& hook) {
    if (hook) hook();
}

void BookmarksController::open_in_main(const std::string& address) {
    call(hooks_.show_browsing_view);
    main_.navigate(address);
}

void BookmarksController::Form_Activate() {
    call(hooks_.focus_address);
    const unsigned mine = ++loads_;
    list_.clear();
    int count = 0;
    for (const Bookmark& b : file_.read()) {
        pump_.process_pending();
        // Closed, or every bookmark deleted, while the list was loading.
        if (unloaded_ || loads_ != mine) return;
        list_.add_item(display_text(b));
        ++count;
        controls_[BookmarksControl::Label4].set_caption(std::to_string(count) + " 개");
    }
}

void BookmarksController::Command1_Click() {
    const std::string name = controls_[BookmarksControl::Text1].caption();
    const std::string address = controls_[BookmarksControl::Text2].caption();
    if (name.empty()) {
        dialogs_.message("사이트 제목이 빠졌습니다", "ERROR");
        return;
    }
    if (address.empty()) {
        dialogs_.message("사이트 주소가 빠졌습니다", "ERROR");
        return;
    }
    if (!file_.append({name, address})) {
        // The window stays open with what was typed.
        dialogs_.message(kSaveFailedText, kFileErrorTitle);
        return;
    }
    list_.add_item(display_text({name, address}));
    dialogs_.message(name + " 을 북마크 하였습니다", "saved");
    call(hooks_.close);
}

void BookmarksController::Command2_Click() { call(hooks_.close); }

void BookmarksController::Command3_Click() {
    const std::string address = controls_[BookmarksControl::Text2].caption();
    if (address.empty()) {
        dialogs_.message("사이트 주소가 빠졌습니다", "ERROR");
        return;
    }
    open_in_main(address);
}

void BookmarksController::Command4_Click() {
    const int index = list_.selected();
    if (index >= 0) deleted_.push_back(list_.item(index));
    list_.remove_item(index);
    dialogs_.message("삭제하였습니다", "성공");
}

void BookmarksController::Command5_Click() {
    pump_.process_pending();
    if (!dialogs_.ask_yes_no(" 전체 북마크를 삭제하시겠습니까?", "북마크삭제")) return;
    if (!file_.remove()) {
        dialogs_.message(kDeleteFailedText, kFileErrorTitle);
        return;
    }
    ++loads_;
    list_.clear();
    deleted_.clear();
    dialogs_.message("전체 북마크를 삭제하였습니다", "성공");
}

void BookmarksController::List1_Click() {
    const int index = list_.selected();
    if (index < 0) return;
    open_in_main(from_display_text(list_.item(index)).address);
}

void BookmarksController::Picture11_MouseMove() {
    controls_[BookmarksControl::Picture11].set_visible(false);
}

void BookmarksController::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // The list may still be loading, so it can hold only part of the file: what is written back
    // is the file as it is now without the bookmarks deleted here, in the form the list gives.
    std::vector<std::string> deleted = deleted_;
    std::vector<Bookmark> kept;
    for (const Bookmark& b : file_.read()) {
        const std::string shown = display_text(b);
        if (const auto it = std::find(deleted.begin(), deleted.end(), shown); it != deleted.end()) {
            deleted.erase(it);
            continue;
        }
        kept.push_back(from_display_text(shown));
    }
    if (!file_.rewrite(kept) && !deleted_.empty())
        dialogs_.message(kDeleteFailedText, kFileErrorTitle);
    call(hooks_.load_bookmark_titles);
}

}  // namespace presslane
