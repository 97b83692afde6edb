#include "mail/mail_controller.h"

#include "browse/browser.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/record_file.h"
#include "common/wait.h"
#include "mail/load_watch.h"
#include "mail/mail_request.h"
#include "common/record_files.h"

namespace presslane {
namespace {

constexpr float kPollSeconds = 0.05f;

}  // namespace

MailController::MailController(Controls<MailControl> controls, Ports ports, ArticleSource source,
                               std::string mail_form, const std::filesystem::path& app_folder,
                               std::function<void()> close)
    : controls_(controls),
      ports_(ports),
      source_(std::move(source)),
      mail_form_(std::move(mail_form)),
      info_path_(app_folder / record_files::kMailInfo),
      close_(std::move(close)) {}

void MailController::Form_Load() {
    ports_.browser.navigate("about: Get Ready..");
    const Record info = split_fields(RecordFile(info_path_).first_line());
    controls_[MailControl::Text1].set_caption(field(info, 1));
    controls_[MailControl::Text2].set_caption(field(info, 2));
    controls_[MailControl::Text3].set_caption(field(info, 3));
}

void MailController::Command1_Click() {
    // The waits below let events run, a second click among them.
    if (sending_ || unloaded_) return;
    const std::string recipient = controls_[MailControl::Text1].caption();
    if (recipient.find('@') == std::string::npos) {
        ports_.dialogs.message("받는분 이메일은 반드시 입력해 주셔야 합니다", "Error..");
        return;
    }
    sending_ = true;
    const std::string date = ports_.clock.date_text();
    const std::string address = mail_request_address(
        mail_form_, {recipient, controls_[MailControl::Text2].caption(),
                     controls_[MailControl::Text3].caption(), source_.article_address()});
    ports_.watch.watch(address);
    ports_.browser.navigate(address);

    ports_.progress.set_value(0);
    ports_.progress.set_max(100);
    for (int pass = 0; pass <= 100 && !unloaded_; ++pass) {
        ports_.progress.set_value(ports_.progress.value() + 1);
        controls_[MailControl::Frame1].set_caption(kSendingCaption);
        wait_seconds(0.005f, ports_.pump, ports_.clock);
    }
    for (float waited = 0; !unloaded_ && ports_.watch.state() == LoadWatch::State::Pending &&
                           waited < kAnswerWaitSeconds;
         waited += kPollSeconds) {
        wait_seconds(kPollSeconds, ports_.pump, ports_.clock);
    }
    sending_ = false;
    // Closed while sending: the boxes are saved and nobody is left to tell.
    if (unloaded_) return;

    controls_[MailControl::Frame1].set_caption(kFrameCaption);
    if (ports_.watch.state() != LoadWatch::State::Succeeded) {
        ports_.dialogs.message(
            "메일을 발송하지 못했습니다\r\n\r\n메일 서버가 발송을 확인해 주지 않았습니다. 잠시 "
            "후 다시 시도해 주십시요",
            "발송실패");
        return;
    }
    ports_.dialogs.message(
        "기사발송완료\r\n\r\n▒ 도착메일 : " + recipient + "\r\n▒ 도착시간 : " + date, "발송성공");
    if (close_) close_();
}

void MailController::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    RecordFile(info_path_)
        .rewrite({{controls_[MailControl::Text1].caption(), controls_[MailControl::Text2].caption(),
                   controls_[MailControl::Text3].caption()}});
}

}  // namespace presslane
