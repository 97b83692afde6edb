#include "server/mail_desk.h"

#include "server/html_page.h"
#include "server/mail_fields.h"
#include "server/mail_message.h"

namespace presslane {

MailDesk::MailDesk(MailRelay* relay, Settings settings)
    : relay_(relay),
      settings_(std::move(settings)),
      limiter_(settings_.max_requests, settings_.window_seconds) {}

MailDesk::Answer MailDesk::handle(const Request& request) {
    const std::string failed = "메일을 보내지 못했습니다";
    if (!relay_)
        return {503, message_page(failed, "이 서버에는 메일 발송이 설정되어 있지 않습니다")};
    std::uint64_t number;
    {
        std::lock_guard lock(mutex_);
        if (!limiter_.admit(request.client, request.now))
            return {429, message_page(failed,
                                      "메일을 너무 자주 보냈습니다. 잠시 후 다시 시도해 "
                                      "주십시요")};
        number = ++sent_;
    }
    const MailCheck check = check_mail_fields(request.params);
    if (!check.ok) return {400, message_page(failed, check.error)};
    const MailEnvelope envelope{settings_.from, request.date,
                                std::to_string(static_cast<std::uint64_t>(request.now * 1000)) +
                                    "." + std::to_string(number) + "@" + settings_.message_host};
    if (!relay_->send(settings_.from, check.fields.recipient,
                      build_mail_message(check.fields, envelope)))
        return {502, message_page(failed, "메일 서버가 메일을 받지 않았습니다")};
    return {200,
            message_page("메일을 보냈습니다", check.fields.recipient + " 님께 기사를 보냈습니다")};
}

}  // namespace presslane
