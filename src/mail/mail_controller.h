#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "browse/article_source.h"
#include "mail/mail_controls.h"

namespace presslane {

class Browser;
class Clock;
class Dialogs;
class EventPump;
class LoadWatch;
class ProgressBar;

// The article mail window Form4: hands the article's address, the recipient and the sender to the
// product's mail form by loading the request in the window's own browser. The recipient and the
// sender's name and e-mail are kept in their record file between uses.
class MailController {
public:
    static constexpr const char* kFrameCaption = " Send Mail ";
    static constexpr const char* kSendingCaption = " 메일 발송 중... ";

    struct Ports {
        Browser& browser;  // the window's own browser
        LoadWatch& watch;  // how that browser's request load ended
        ProgressBar& progress;
        Dialogs& dialogs;
        EventPump& pump;
        const Clock& clock;
    };

    // mail_form: the full address of the mail form, without a query.
    MailController(Controls<MailControl> controls, Ports ports, ArticleSource source,
                   std::string mail_form, const std::filesystem::path& app_folder,
                   std::function<void()> close);

    void Form_Load();
    // Sends, waits (letting window events run) until the mail form has answered or the wait has
    // run out, and reports success only when the form answered with a success status.
    void Command1_Click();
    // Runs once, on the first close by any route.
    void Form_Unload();

    // Longest wait for the mail form's answer after the progress passes, in seconds.
    static constexpr float kAnswerWaitSeconds = 15.0f;

private:
    Controls<MailControl> controls_;
    Ports ports_;
    ArticleSource source_;
    std::string mail_form_;
    std::filesystem::path info_path_;
    std::function<void()> close_;
    bool sending_ = false;
    bool unloaded_ = false;
};

}  // namespace presslane
