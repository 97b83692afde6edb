// Any text as a search query or as the values of the mail form: every value stays one parameter
// of its address and decodes back to what was typed (for the EUC-KR engine, to its CP949 bytes).
//
// Input: up to four values separated by NUL; the first is also the search query.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/cp949.h"
#include "common/percent_encode.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_item_list.h"
#include "fuzz_support.h"
#include "mail/mail_request.h"
#include "search/portal_search_controller.h"

using namespace presslane;

namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The bytes of a query value; nothing when it holds a character that could end or split it.
std::optional<std::string> percent_decode(std::string_view encoded) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            out += c;
            continue;
        }
        if (c != '%' || i + 2 >= encoded.size()) return std::nullopt;
        const int hi = hex_value(encoded[i + 1]);
        const int lo = hex_value(encoded[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto value = fuzz::parts(fuzz::text_of(data, size), 4);
    for (const std::string_view v : value)
        fuzz::require(percent_decode(percent_encode(v)) == std::string(v),
                      "a value is encoded whole and decodes back");

    const std::string form = "http://server.test/soft/lane_desk/sendmail.php";
    const MailRequest request{std::string(value[0]), std::string(value[1]), std::string(value[2]),
                              std::string(value[3])};
    const std::string address = mail_request_address(form, request);
    fuzz::require(address.starts_with(form + "?"), "the mail request goes to the form");
    std::string_view query = std::string_view(address).substr(form.size() + 1);
    const char* names[] = {"email=", "sender_name=", "sender_email=", "url="};
    for (int i = 0; i < 4; ++i) {
        const std::size_t amp = query.find('&');
        std::string_view param = query.substr(0, amp);
        fuzz::require(param.starts_with(names[i]), "the mail parameters keep their order");
        param.remove_prefix(std::string_view(names[i]).size());
        fuzz::require(percent_decode(param) == std::string(value[i]),
                      "a mail value is one parameter");
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        fuzz::require((i == 3) == (amp == std::string_view::npos),
                      "the request has four parameters");
    }

    FakeControls<PortalSearchControl> controls;
    FakeControl form1, frame10;
    FakeItemList engines;
    FakeBrowser web1;
    FakeClock clock;
    FakeEventPump pump(clock);
    std::vector<PortalSearchController::Site> sites;
    for (int i = 0; i < 6; ++i)
        sites.push_back({"http://s" + std::to_string(i) + ".test", "http://h.test/"});
    const PortalSearchController portal(controls.controls, engines, form1, frame10, web1, pump, {},
                                        sites);
    const std::string typed(value[0]);
    for (std::size_t i = 0; i < PortalSearchController::kEngines.size(); ++i) {
        const auto& engine = PortalSearchController::kEngines[i];
        const std::string prefix = sites[i].search_host + engine.path_and_key;
        const std::string suffix = engine.suffix;
        const std::string url = portal.query_address(i, typed);
        fuzz::require(url.starts_with(prefix) && url.ends_with(suffix) &&
                          url.size() >= prefix.size() + suffix.size(),
                      "the query sits between the engine's path and its suffix");
        const auto bytes = percent_decode(std::string_view(url).substr(
            prefix.size(), url.size() - prefix.size() - suffix.size()));
        fuzz::require(bytes == (engine.euc_kr ? cp949::encode(typed) : typed),
                      "the query is one parameter in the engine's encoding");
    }
    return 0;
}
