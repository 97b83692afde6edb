#include "browse/browser_host.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/dialogs.h"
#include "common/event_pump.h"
#include "common/record_file.h"
#include "common/record_files.h"

namespace presslane {
namespace {

constexpr MainControl kPanes[] = {MainControl::Frame1, MainControl::Frame2, MainControl::Frame3,
                                  MainControl::Frame4, MainControl::Frame5, MainControl::Frame9};

std::string without_nul(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());
    return s;
}

}  // namespace

std::optional<std::string> progress_text(int progress, int progress_max) {
    const float percent =
        progress_max <= 0
            ? 0.0f
            : static_cast<float>(static_cast<double>(progress) / progress_max * 100.0);
    if (percent >= 100.0f) return std::string("완료");
    if (percent > 0.0f) {
        // nearbyint rounds in the default mode, to nearest with halves to even.
        return std::to_string(static_cast<long>(std::nearbyint(percent))) + " /100 %";
    }
    return std::nullopt;
}

bool is_collected_page(const std::string& address) {
    std::string lower = address;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // The all-newspapers pages on the product server are collected pages wherever it is hosted.
    return lower.find("orvale") != std::string::npos ||
           lower.find("/soft/lane_desk/radio_guide/all_newspaper") != std::string::npos;
}

BrowserHost::BrowserHost(Browsers browsers, const MainControls& controls, ProgressBar& progress,
                         Dialogs& dialogs, EventPump& pump, std::filesystem::path app_folder,
                         Addresses addresses, Window& window, Popups& popups, Articles& articles)
    : browsers_(browsers),
      controls_(controls),
      progress_(progress),
      dialogs_(dialogs),
      pump_(pump),
      folder_(std::move(app_folder)),
      addresses_(std::move(addresses)),
      window_(window),
      popups_(popups),
      articles_(articles) {}

std::filesystem::path BrowserHost::settings_path() const {
    return folder_ / record_files::kSettings;
}

std::string BrowserHost::configured_start_page() const {
    return without_nul(field(split_fields(RecordFile(settings_path()).first_line()), 1));
}

void BrowserHost::set_visible(MainControl control, bool visible) {
    controls_[control].set_visible(visible);
}

void BrowserHost::show_pane(MainControl pane) {
    set_visible(pane, true);
    for (MainControl p : kPanes) {
        if (p != pane) set_visible(p, false);
    }
}

Browser& BrowserHost::active_browser() {
    return scrap_view_ ? browsers_.WebBrowser2 : browsers_.WebBrowser1;
}

std::string BrowserHost::caption() const {
    return "프레스레인 v" + addresses_.version + " [" + addresses_.domain +
           "] ::: " + browsers_.WebBrowser1.location_name();
}

void BrowserHost::start_page_click() {
    pump_.process_pending();
    RecordFile settings(settings_path());
    Record line{addresses_.default_start_page, "0"};
    // A first start on a full disk or a read-only folder still opens the default page.
    if (settings.exists()) {
        line = split_fields(settings.first_line());
    } else {
        settings.append(line);
    }
    browsers_.WebBrowser1.navigate(without_nul(field(line, 1)));
    browsers_.WebBrowser3.navigate(addresses_.visit_counter);
    popups_.set_from_settings(line.size() >= 2 ? &line[1] : nullptr);
}

void BrowserHost::WebBrowser1_ProgressChange(int progress, int progress_max) {
    pump_.process_pending();
    controls_[MainControl::Form1].set_caption(caption());
    // The bar keeps its state for values it rejects (a maximum of 0, the -1 of a finished load).
    progress_.set_max(progress_max);
    progress_.set_value(progress);
    if (const auto text = progress_text(progress, progress_max)) {
        controls_[MainControl::Label26].set_caption(*text);
    }
}

void BrowserHost::WebBrowser1_BeforeNavigate2() { browsers_.WebBrowser1.set_silent(true); }

void BrowserHost::WebBrowser1_DocumentComplete() { pump_.process_pending(); }

void BrowserHost::HTMLDoc_onmouseover() { window_.install_menu(); }

void BrowserHost::Combo1_Enter(const std::string& typed) { browsers_.WebBrowser1.navigate(typed); }

void BrowserHost::Combo1_Click(const std::string& title) {
    scrap_view_ = false;
    set_visible(MainControl::WebBrowser2, false);
    set_visible(MainControl::ListView1, false);
    set_visible(MainControl::WebBrowser1, true);
    show_pane(MainControl::Frame2);
    set_visible(MainControl::Picture11, false);

    std::string address;
    for (const auto& line : RecordFile(folder_ / record_files::kBookmarks).lines()) {
        pump_.process_pending();
        const Record fields = split_fields(line);
        if (field(fields, 1) == title) address = field(fields, 2);
    }
    browsers_.WebBrowser1.navigate(address);
}

void BrowserHost::Image1_Click() { active_browser().go_back(); }

void BrowserHost::Image2_Click() { active_browser().go_forward(); }

void BrowserHost::Image39_Click() { articles_.open_bookmarks(); }

void BrowserHost::Toolbar1_ButtonClick(int index) {
    if (index >= 1 && index <= 5) {
        if (index == 1) browsers_.WebBrowser1.navigate(configured_start_page());
        scrap_view_ = false;
        set_visible(MainControl::WebBrowser2, false);
        set_visible(MainControl::ListView1, false);
        show_pane(kPanes[index - 1]);
    } else if (index == 6) {
        scrap_view_ = true;
        set_visible(MainControl::WebBrowser2, true);
        set_visible(MainControl::ListView1, true);
        show_pane(MainControl::Frame9);
        articles_.reload_scrapbook();
    } else if (index == 7) {
        popups_.Toolbar1_Button7_Click();
    }
}

void BrowserHost::Picture2_Click() {
    if (is_collected_page(browsers_.WebBrowser1.location_url())) {
        dialogs_.message(
            "신문사 모두 보기 페이지는 실시간으로 변하기 때문에 첫페이지로 설정할 수 없습니다",
            "알림");
        return;
    }
    if (!dialogs_.ask_yes_no("현재 페이지를 시작페이지로 설정하시겠습니까?", "시작페이지 설정")) {
        return;
    }
    pump_.process_pending();
    RecordFile settings(settings_path());
    const std::string old_line = settings.first_line();
    // Without an old second field the new line takes the one a new settings file has.
    std::string popup_field = "0";
    if (old_line.find('|') != std::string::npos) popup_field = field(split_fields(old_line), 2);
    const std::string address = address_field(browsers_.WebBrowser1.location_url());
    if (!settings.rewrite({{address, popup_field}})) {
        dialogs_.message(kSaveFailedText, kFileErrorTitle);
        return;
    }
    dialogs_.message("현재 페이지가 시작페이지로 설정되었습니다", address);
}

void BrowserHost::Picture9_Click() { articles_.open_mail(); }

void BrowserHost::Picture10_Click() { print_action(); }

void BrowserHost::Picture5_Click() { articles_.open_scrap(); }

void BrowserHost::print_action() {
    if (is_collected_page(browsers_.WebBrowser1.location_url())) {
        dialogs_.message("프레스레인가 수집한 신문사 정보는 프린트 할 수 없습니다", "알림");
        return;
    }
    window_.maximise_window();
    Browser& browser = active_browser();
    browser.print_preview();
    browser.print();
}

void BrowserHost::Picture4_MouseMove() {
    controls_[MainControl::Picture4].set_tooltip(
        "▶왼쪽버튼 더블클릭:전체화면 ▶왼쪽 버튼+드래그:화면이동 ▶오른쪽 버튼+전체화면 "
        "선택:정상화면");
}

void BrowserHost::Picture4_Click() {
    pump_.process_pending();
    set_visible(MainControl::Frame8, true);
    window_.install_menu();
    window_.anchor_media_pane();
}

void BrowserHost::Picture11_MouseMove() { set_visible(MainControl::Picture11, false); }

void BrowserHost::Label9_Click(const std::string& user_name, const std::string& system_directory) {
    std::string user = user_name.substr(0, std::min<std::size_t>(user_name.find('\0'), 100));
    dialogs_.message("My Favorite Directory Is " + system_directory.substr(0, 3) +
                         "Documents and settings\\" + user + "\\Favorites",
                     "프레스레인");
}

}  // namespace presslane
