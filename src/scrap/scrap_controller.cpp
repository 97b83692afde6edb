#include "scrap/scrap_controller.h"

#include "common/clock.h"
#include "common/dialogs.h"

namespace presslane {

ScrapController::ScrapController(Controls<ScrapControl> controls, ArticleSource source,
                                 Dialogs& dialogs, const Clock& clock,
                                 const std::filesystem::path& app_folder,
                                 std::function<void()> close)
    : controls_(controls),
      source_(std::move(source)),
      dialogs_(dialogs),
      clock_(clock),
      file_(app_folder),
      close_(std::move(close)) {}

void ScrapController::Form_Load() {
    controls_[ScrapControl::Text2].set_caption(source_.article_address());
    controls_[ScrapControl::Text1].set_caption("");
}

void ScrapController::Command1_Click() {
    const std::string title = controls_[ScrapControl::Text1].caption();
    if (title.empty()) {
        dialogs_.message("제목을 넣어주십시요", "Input Title");
        return;
    }
    if (controls_[ScrapControl::Text2].caption().empty()) {
        dialogs_.message("사이트 주소가 빠졌습니다", "Input Url");
        return;
    }
    // The box only has to be filled: what is kept is the page the browser really shows.
    if (!file_.append({clock_.date_text(), title, source_.active_address()})) {
        // The dialog stays open with the title, so nothing typed is lost.
        dialogs_.message(kSaveFailedText, kFileErrorTitle);
        return;
    }
    dialogs_.message("스크랩북에 저장하였습니다", "saved");
    if (close_) close_();
}

void ScrapController::Command2_Click() {
    if (close_) close_();
}

void ScrapController::Text_KeyPress(int key_ascii) {
    if (key_ascii == 13) Command1_Click();
}

}  // namespace presslane
