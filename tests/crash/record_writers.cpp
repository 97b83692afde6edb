#include "crash/record_writers.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "bookmarks/bookmarks_controller.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/record_file.h"
#include "common/record_files.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_control.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_item_list.h"
#include "fakes/fake_lists.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_media_player.h"
#include "fakes/fake_platform.h"
#include "mail/load_watch.h"
#include "mail/mail_controller.h"
#include "media/media_settings_controller.h"
#include "scrap/scrap_controller.h"
#include "scrap/scrapbook.h"
#include "settings/settings_controller.h"
#include "settings/xdg_auto_start.h"
#include "shell/main_controller.h"

namespace presslane::crash {
namespace fs = std::filesystem;

FileState file_state(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec))) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void set_file_state(const fs::path& file, const FileState& state) {
    std::error_code ec;
    fs::remove(file, ec);
    if (state) std::ofstream(file, std::ios::binary) << *state;
}

namespace {

constexpr char kProgram[] = "/opt/프레스 레인/lane_desk";

std::string join(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) out += p + "\n";
    return out;
}

// The settings dialog Form3 over a folder; the start-up entry is the real one, in the folder's
// "autostart".
struct SettingsDialog {
    SettingsDialog(Writer& w, const fs::path& folder)
        : auto_start(folder / "autostart"),
          dialog(window.controls,
                 SettingsController::Ports{combo1, check1, check2, w.dialogs, w.pump, screen,
                                           auto_start, browser, main_window},
                 {"http://home.test/", "http://shop.test/", "http://stand.test/"}, folder, kProgram,
                 [] {}) {
        dialog.Form_Load();
    }
    FakeControls<SettingsControl> window;
    FakeItemList combo1;
    FakeCheckBox check1, check2;
    FakeScreen screen;
    XdgAutoStart auto_start;
    FakeBrowser browser;
    FakeControl main_window;
    SettingsController dialog;
};

// The settings dialog's Apply: start page and popup default.
class SettingsWriter : public Writer {
public:
    explicit SettingsWriter(fs::path folder) : folder_(std::move(folder)) {}
    void step(std::size_t i) override {
        SettingsDialog d(*this, folder_);
        d.window[SettingsControl::Text1].text =
            i == 0 ? "http://a.test/" : "http://news.example.kr/정치/section?page=2|3&id=9";
        d.check1.value = i == 0;
        d.dialog.Command3_Click();
    }
    std::string read() override {
        SettingsDialog d(*this, folder_);
        return d.window[SettingsControl::Text1].text + (d.check1.value ? "|on" : "|off");
    }

private:
    fs::path folder_;
};

// The settings dialog's close: the channel played at start.
class AutoPlayWriter : public Writer {
public:
    explicit AutoPlayWriter(fs::path folder) : folder_(std::move(folder)) {}
    void step(std::size_t i) override {
        SettingsDialog d(*this, folder_);
        d.window[SettingsControl::Combo1].text = i == 0 ? "KBS 1라디오" : "MBC 표준FM 95.9 서울";
        d.dialog.Form_Unload();
    }
    std::string read() override {
        SettingsDialog d(*this, folder_);
        return d.window[SettingsControl::Combo1].text;
    }

private:
    fs::path folder_;
};

// The main window over a folder.
struct Desk {
    Desk(Writer& w, const fs::path& folder)
        : window(BrowserHost::Browsers{c.wb1, c.wb2, c.wb3}, c.controls, c.catalogue.controls,
                 c.progress, MainController::Ports{w.dialogs, w.pump, w.clock, shell, screen},
                 folder, {"4.47", "www.example.kr", "http://start.test/", "http://count.test/"},
                 peers.peers()) {}
    FakeMainWindowControls c;
    FakeMainWindowPeers peers;
    FakeShell shell;
    FakeScreen screen;
    MainController window;
};

// "Set as start page" on the main window, which keeps the popup field.
class StartPageWriter : public Writer {
public:
    explicit StartPageWriter(fs::path folder) : folder_(std::move(folder)) {}
    void step(std::size_t i) override {
        Desk d(*this, folder_);
        d.c.wb1.url = i == 0 ? "http://b.test/" : "http://신문.example.kr/오늘?a=1|2";
        d.window.host().Picture2_Click();
    }
    std::string read() override {
        return RecordFile(folder_ / record_files::kSettings).first_line();
    }

private:
    fs::path folder_;
};

// The first start, which creates the settings file with the default start page.
class FirstStartWriter : public Writer {
public:
    explicit FirstStartWriter(fs::path folder) : folder_(std::move(folder)) {}
    // The file is removed first, as a user would to start afresh, so that every round creates it.
    void step(std::size_t) override {
        RecordFile(folder_ / record_files::kSettings).remove();
        Desk d(*this, folder_);
        d.window.host().start_page_click();
    }
    std::string read() override {
        Desk d(*this, folder_);
        // Reading a missing file would create it: the reader runs only on a file that is there.
        if (!RecordFile(folder_ / record_files::kSettings).exists()) return "(missing)";
        d.window.host().start_page_click();
        return d.c.wb1.navigations.back() + " " + d.peers.log.back();
    }

private:
    fs::path folder_;
};

// The main window's geometry: saved on closing, forgotten by the settings dialog's reset.
class GeometryWriter : public Writer {
public:
    explicit GeometryWriter(fs::path folder) : folder_(std::move(folder)) {}
    void step(std::size_t i) override {
        if (i == 2) {
            SettingsDialog(*this, folder_).dialog.Command9_Click();
            return;
        }
        Desk d(*this, folder_);
        FakeControl& form = d.c[MainControl::Form1];
        form.x = i == 0 ? 1500 : -60;
        form.y = i == 0 ? 300 : -60;
        form.w = i == 0 ? 15000 : 28920;
        form.h = i == 0 ? 9000 : 15720;
        d.window.save_width();
    }
    std::string read() override {
        Desk d(*this, folder_);
        d.window.call_width();
        const FakeControl& form = d.c[MainControl::Form1];
        return std::to_string(form.x) + "," + std::to_string(form.y) + "," +
               std::to_string(form.w) + "," + std::to_string(form.h);
    }

private:
    fs::path folder_;
};

struct IdleWatch : LoadWatch {
    void watch(const std::string&) override {}
    State state() const override { return State::Idle; }
};

// The article mail window Form4 over a folder.
struct MailWindow {
    MailWindow(Writer& w, const fs::path& folder)
        : window(
              controls.controls,
              MailController::Ports{own, watch, progress, w.dialogs, w.pump, w.clock},
              ArticleSource{main, [this]() -> const Browser& { return main; }, "http://home.test/"},
              "http://s.test/soft/lane_desk/sendmail.php", folder, [] {}) {
        window.Form_Load();
    }
    FakeControls<MailControl> controls;
    FakeBrowser own, main;
    IdleWatch watch;
    FakeProgressBar progress;
    MailController window;
};

// The mail window's close: recipient and sender in "info.res".
class MailInfoWriter : public Writer {
public:
    explicit MailInfoWriter(fs::path folder) : folder_(std::move(folder)) {}
    void step(std::size_t i) override {
        MailWindow m(*this, folder_);
        m.controls[MailControl::Text1].text = i == 0 ? "to@x.kr" : "editor@news.example.kr";
        m.controls[MailControl::Text2].text = i == 0 ? "홍 길동" : "김 | 기자";
        m.controls[MailControl::Text3].text = i == 0 ? "me@y.kr" : "reader.kim@mail.example.kr";
        m.window.Form_Unload();
    }
    std::string read() override {
        MailWindow m(*this, folder_);
        return m.controls[MailControl::Text1].text + "|" + m.controls[MailControl::Text2].text +
               "|" + m.controls[MailControl::Text3].text;
    }

private:
    fs::path folder_;
};

struct ScrapArticle {
    std::string title, address;
};

ScrapArticle scrap_article(std::size_t i) {
    return {"오늘의 기사 " + std::to_string(i) + " | 사설",
            "http://news.example.kr/article?id=" + std::to_string(i)};
}

// The scrap dialog Form2 and the scrapbook pane over a folder.
class ScrapWriter : public Writer {
public:
    ScrapWriter(fs::path folder, bool appends) : folder_(std::move(folder)), appends_(appends) {}
    void step(std::size_t i) override {
        if (appends_) return save(scrap_article(i));
        switch (i) {
            case 0:
            case 1:
            case 2:
                return save(scrap_article(i));
            case 3:
                return delete_one(scrap_article(2).title);
            default:
                return delete_all();
        }
    }
    std::string read() override {
        FakeListView list;
        FakeBrowser preview;
        Scrapbook(list, preview, dialogs, pump, folder_).Image35_Click();
        std::vector<std::string> rows;
        for (const ScrapRow& r : list.rows)
            rows.push_back(r.date + "|" + r.title + "|" + r.address);
        return join(rows);
    }

private:
    void save(const ScrapArticle& a) {
        FakeControls<ScrapControl> form;
        FakeBrowser main;
        main.url = a.address;
        ScrapController c(
            form.controls,
            ArticleSource{main, [&]() -> const Browser& { return main; }, "http://home.test/"},
            dialogs, clock, folder_, [] {});
        c.Form_Load();
        form[ScrapControl::Text1].text = a.title;
        c.Command1_Click();
    }
    void delete_one(const std::string& title) {
        FakeListView list;
        FakeBrowser preview;
        Scrapbook book(list, preview, dialogs, pump, folder_);
        book.Image35_Click();
        for (int r = 0; r < list.count(); ++r)
            if (list.rows[r].title == clean_field(title)) list.sel = r;
        book.Image36_Click();
    }
    void delete_all() {
        FakeListView list;
        FakeBrowser preview;
        Scrapbook(list, preview, dialogs, pump, folder_).Image38_Click();
    }

    fs::path folder_;
    bool appends_;
};

// The bookmarks window Form5 over a folder.
class BookmarksWriter : public Writer {
public:
    BookmarksWriter(fs::path folder, bool appends)
        : folder_(std::move(folder)), appends_(appends) {}
    void step(std::size_t i) override {
        if (appends_) return add(i);
        switch (i) {
            case 0:
            case 1:
            case 2:
                return add(i);
            case 3:
                return delete_one(name(2));
            default:
                return delete_all();
        }
    }
    std::string read() override {
        Window w(*this, folder_);
        w.form.Form_Activate();
        return join(w.list.items);
    }

private:
    struct Window {
        Window(BookmarksWriter& b, const fs::path& folder)
            : form(controls.controls, list, main, b.dialogs, b.pump, folder, {}) {}
        FakeControls<BookmarksControl> controls;
        FakeListBox list;
        FakeBrowser main;
        BookmarksController form;
    };
    static std::string name(std::size_t i) { return "경제 | 신문 " + std::to_string(i); }
    void add(std::size_t i) {
        Window w(*this, folder_);
        w.controls[BookmarksControl::Text1].text = name(i);
        w.controls[BookmarksControl::Text2].text =
            "http://paper.example.kr/?p=" + std::to_string(i);
        w.form.Command1_Click();
    }
    void delete_one(const std::string& bookmark) {
        Window w(*this, folder_);
        w.form.Form_Activate();
        const std::string shown = clean_field(bookmark);
        for (int r = 0; r < w.list.count(); ++r)
            if (w.list.items[r].starts_with(shown + " ")) w.list.sel = r;
        w.form.Command4_Click();
        w.form.Form_Unload();
    }
    void delete_all() {
        Window w(*this, folder_);
        w.form.Command5_Click();
        w.form.Form_Unload();
    }

    fs::path folder_;
    bool appends_;
};

// The media settings window Form10 over a folder: the user's channel book.
class ChannelWriter : public Writer {
public:
    ChannelWriter(fs::path folder, bool appends) : folder_(std::move(folder)), appends_(appends) {}
    void step(std::size_t i) override {
        if (appends_) return add(i);
        switch (i) {
            case 0:
            case 1:
                return add(i);
            case 2:
                return remove(name(1));
            default:
                return remove(name(0));
        }
    }
    std::string read() override {
        Window w(*this, folder_);
        w.form.list_channels();
        return join(w.items.entries);
    }

private:
    struct Window {
        Window(ChannelWriter& c, const fs::path& folder)
            : form(controls.controls,
                   {c.dialogs, c.pump, c.clock, items, board1, board2, main, player, frame8,
                    label26, screen},
                   folder, {"about:ready", "http://srv/b1", "http://srv/b2", "http://portal/"}) {}
        FakeControls<MediaSettingsControl> controls;
        FakeItemList items;
        FakeBrowser board1, board2, main;
        FakeMediaPlayer player;
        FakeControl frame8, label26;
        FakeScreen screen;
        MediaSettingsController form;
    };
    static std::string name(std::size_t i) { return "라디오 " + std::to_string(i) + " FM"; }
    void add(std::size_t i) {
        Window w(*this, folder_);
        w.controls[MediaSettingsControl::Text1].text = name(i);
        w.controls[MediaSettingsControl::Text2].text =
            "mms://radio.example.kr/live" + std::to_string(i) + "?q=a|b";
        w.form.Command1_Click();
    }
    void remove(const std::string& channel) {
        Window w(*this, folder_);
        w.controls[MediaSettingsControl::Combo1].text = channel;
        w.form.Command3_Click();
    }

    fs::path folder_;
    bool appends_;
};

// The start-up entry, as the settings dialog's check box sets and clears it.
class AutoStartWriter : public Writer {
public:
    explicit AutoStartWriter(fs::path folder) : entry_(folder / "autostart") {}
    void step(std::size_t i) override {
        if (i == 2) return entry_.unregister_program(AutoStart::kValueName);
        entry_.register_program(AutoStart::kValueName,
                                i == 0 ? kProgram : "/usr/local/lib/presslane/lane_desk");
    }
    std::string read() override { return entry_.ReadKey(AutoStart::kValuePath); }

private:
    XdgAutoStart entry_;
};

template <typename W, typename... Args>
std::function<std::unique_ptr<Writer>(const fs::path&)> maker(Args... args) {
    return [=](const fs::path& folder) { return std::make_unique<W>(folder, args...); };
}

}  // namespace

const std::vector<WriterKind>& writer_kinds() {
    using namespace record_files;
    static const std::vector<WriterKind> kinds = {
        {"settings apply",
         kSettings,
         std::nullopt,
         false,
         {{"apply a", kSaveFailedText}, {"apply b", kSaveFailedText}},
         maker<SettingsWriter>()},
        {"start page",
         kSettings,
         cp949::encode("http://old.test/|1\r\n"),
         false,
         {{"set b", kSaveFailedText}, {"set c", kSaveFailedText}},
         maker<StartPageWriter>()},
        {"first start",
         kSettings,
         std::nullopt,
         false,
         {{"create", nullptr}},
         maker<FirstStartWriter>()},
        {"channel at start",
         kAutoPlayChannel,
         std::nullopt,
         false,
         {{"close a", nullptr}, {"close b", nullptr}},
         maker<AutoPlayWriter>()},
        {"geometry",
         kGeometry,
         std::nullopt,
         false,
         {{"save a", nullptr}, {"save b", nullptr}, {"reset", nullptr}},
         maker<GeometryWriter>()},
        {"info.res",
         kMailInfo,
         std::nullopt,
         false,
         {{"close a", nullptr}, {"close b", nullptr}},
         maker<MailInfoWriter>()},
        {"scrapbook",
         kScrapbook,
         std::nullopt,
         false,
         {{"save 0", kSaveFailedText},
          {"save 1", kSaveFailedText},
          {"save 2", kSaveFailedText},
          {"delete 2", kDeleteFailedText},
          {"delete all", kDeleteFailedText}},
         maker<ScrapWriter>(false)},
        {"scrapbook appends",
         kScrapbook,
         // A last line a hand edit left without its line end.
         cp949::encode("2026-12-01|손으로 고친 기사|http://x.test/"),
         true,
         {{"save", kSaveFailedText}},
         maker<ScrapWriter>(true)},
        {"bookmarks",
         kBookmarks,
         std::nullopt,
         false,
         {{"add 0", kSaveFailedText},
          {"add 1", kSaveFailedText},
          {"add 2", kSaveFailedText},
          {"delete 2 and close", kDeleteFailedText},
          {"delete all", kDeleteFailedText}},
         maker<BookmarksWriter>(false)},
        {"bookmark appends",
         kBookmarks,
         std::nullopt,
         true,
         {{"add", kSaveFailedText}},
         maker<BookmarksWriter>(true)},
        {"channel book",
         kChannels,
         std::nullopt,
         false,
         {{"add 0", kSaveFailedText},
          {"add 1", kSaveFailedText},
          {"delete 1", kDeleteFailedText},
          {"delete 0", kDeleteFailedText}},
         maker<ChannelWriter>(false)},
        {"channel appends",
         kChannels,
         std::nullopt,
         true,
         {{"add", kSaveFailedText}},
         maker<ChannelWriter>(true)},
        {"start-up entry",
         fs::path("autostart") / XdgAutoStart::kEntryFile,
         std::nullopt,
         false,
         {{"register a", nullptr}, {"register b", nullptr}, {"unregister", nullptr}},
         maker<AutoStartWriter>()},
    };
    return kinds;
}

}  // namespace presslane::crash
