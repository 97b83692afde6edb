#include "smtp_relay.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <curl/curl.h>

namespace presslane {
namespace {

struct Upload {
    const std::string& bytes;
    std::size_t sent = 0;
};

std::size_t read_upload(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const std::size_t n = std::min(size * count, upload->bytes.size() - upload->sent);
    std::memcpy(buffer, upload->bytes.data() + upload->sent, n);
    upload->sent += n;
    return n;
}

}  // namespace

SmtpRelay::SmtpRelay(std::string url, std::string user, std::string password)
    : url_(std::move(url)), user_(std::move(user)), password_(std::move(password)) {}

bool SmtpRelay::send(const std::string& from, const std::string& to, const std::string& message) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   curl_easy_cleanup);
    if (!curl) return false;
    curl_slist* recipients = curl_slist_append(nullptr, ("<" + to + ">").c_str());
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> owned(recipients,
                                                                            curl_slist_free_all);
    if (!recipients) return false;
    Upload upload{message};
    const std::string mail_from = "<" + from + ">";
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mail_from.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, read_upload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 60L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (!user_.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user_.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    } else {
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    }
    return curl_easy_perform(c) == CURLE_OK;
}

}  // namespace presslane
