#include "lane_desk/desk_assembly.h"

#include <QCoreApplication>
#include <QDir>
#include <QWebEngineProfile>

#include "bookmarks/bookmark_file.h"
#include "bookmarks/qt/form5.h"
#include "bookmarks/qt/widget_list_box.h"
#include "browse/article_source.h"
#include "browse/qt/catalogue_view.h"
#include "browse/qt/download_saver.h"
#include "browse/qt/web_browser.h"
#include "common/endpoints.h"
#include "common/shell.h"
#include "common/qt/click_label.h"
#include "mail/qt/form4.h"
#include "media/qt/form10.h"
#include "media/qt/media_pane_widget.h"
#include "media/qt/mpv_player.h"
#include "scrap/qt/form2.h"
#include "scrap/qt/scrap_pane.h"
#include "search/qt/search_forms.h"
#include "settings/qt/form3.h"
#ifdef _WIN32
#include "settings/win/registry_auto_start.h"
#else
#include "settings/xdg_auto_start.h"
#endif
#include "shell/qt/form6.h"
#include "shell/qt/form9.h"
#include "shell/qt/qt_tray_icon.h"
#include "shell/tray_controller.h"

namespace presslane {

DeskAssembly::DeskAssembly(MainController::Ports ports, std::filesystem::path app_folder,
                           BrowserHost::Addresses addresses, std::function<void()> version_check)
    : ports_(ports),
      folder_(std::move(app_folder)),
      version_(addresses.version),
      version_check_(std::move(version_check)),
      form_(std::make_unique<Form1>(addresses.domain)),
      catalogue_controls_(form_->control_set()),
      media_(
          form_->controls(),
          MediaPaneController::Ports{ports.dialogs, ports.pump, inet_, form_->media_pane().player(),
                                     form_->media_pane().Combo2_items(), form_->WebBrowser1()},
          folder_,
          MediaPaneController::Addresses{endpoints::verified_radio_list(),
                                         endpoints::radio_guide()},
          form_->media_pane(), *this),
      popups_(form_->WebBrowser1(), form_->WebBrowser3(),
              form_->controls()[MainControl::Toolbar1_Button7], ports.dialogs, ports.pump),
      special_(
          form_->WebBrowser1(), ports.dialogs, ports.pump,
          {endpoints::translation_gateway(), endpoints::all_newspapers(), endpoints::home_page(),
           endpoints::ranking(), endpoints::breaking_news(), endpoints::article_search()},
          {[this] { controller_->install_menu(); },
           [this] { Form9::show_modal(ports_.pump, ports_.clock, form_.get()); }}),
      catalogue_(catalogue_controls_, {form_->WebBrowser1(), ports.pump, ports.shell, special_},
                 endpoints::home_page(), {[this] { controller_->install_menu(); }}),
      scrap_pane_(new ScrapPane(&form_->Frame9(), &form_->ListView1(), form_->WebBrowser2(),
                                ports.dialogs, ports.pump, folder_)),
      bookmark_titles_(std::make_unique<WidgetListBox>(&form_->Combo1())),
#ifdef _WIN32
      auto_start_(std::make_unique<RegistryAutoStart>()),
#else
      auto_start_(std::make_unique<XdgAutoStart>(default_autostart_folder())),
#endif
      searches_(std::make_unique<SearchForms>(
          form_->controls()[MainControl::Form1], form_->controls()[MainControl::Frame10],
          form_->WebBrowser1(), ports.dialogs, ports.pump, ports.clock, form_.get())),
      zoom_(folder_) {
    Form1& form = *form_;
    tray_ = std::make_unique<TrayController>(
        form.tray_icon(), ports.clock,
        TrayController::Window{[&form] {
                                   if (!form.isVisible())
                                       return TrayController::WindowState::Hidden;
                                   if (form.isMinimized())
                                       return TrayController::WindowState::Minimised;
                                   if (form.isMaximized())
                                       return TrayController::WindowState::Maximised;
                                   return TrayController::WindowState::Normal;
                               },
                               [&form] {
                                   form.showMinimized();
                                   form.hide();
                               },
                               [&form] {
                                   form.showNormal();
                                   form.raise();
                                   form.activateWindow();
                               }});
    form.tray_icon().on_message = [this](int message) { tray_->pichook_MouseMove(message); };
    form.WebBrowser1().on_new_window = [this](bool by_user) {
        return popups_.WebBrowser1_NewWindow2(by_user);
    };

    controller_ = std::make_unique<MainController>(
        BrowserHost::Browsers{form.WebBrowser1(), form.WebBrowser2(), form.WebBrowser3()},
        form.controls(), catalogue_controls_, form.progress(), ports, folder_, std::move(addresses),
        MainController::Peers{form, *this, *this, popups_, *this});
    form.connect_to(*controller_);
    form.media_pane().connect_to(media_, form.WebBrowser1());
    form.catalogue().connect_to(catalogue_, special_, controller_->host());
    connect_pictures();

    keys_ = std::make_unique<BrowserKeys>(controller_->host(), form, zoom_, ports.dialogs);
    form.connect_keys(*keys_);
    for (WebBrowser* browser : {&form.WebBrowser1(), &form.WebBrowser2()}) {
        browser->on_open_elsewhere = [this](const std::string& address) {
            ports_.shell.open_in_default_browser(address);
        };
    }
    // Files the pages offer, in any browser of the program; their progress and end show where
    // the load progress does.
    new DownloadSaver(
        QWebEngineProfile::defaultProfile(),
        [&form](const std::string& text) {
            form.controls()[MainControl::Label26].set_caption(text);
        },
        &form);
}

DeskAssembly::~DeskAssembly() = default;

ViewMode DeskAssembly::view_mode() const { return controller_->layout_state().view_mode; }

void DeskAssembly::add_tray_icon() { tray_->add_tray_icon(); }

void DeskAssembly::remove_tray_icon() { tray_->remove_tray_icon(); }

void DeskAssembly::load_verified_radio() { media_.load_verified_radio(); }

void DeskAssembly::load_my_radio() { media_.load_my_radio(); }

void DeskAssembly::radio_on() { media_.radio_on(); }

void DeskAssembly::version_check() {
    if (version_check_) version_check_();
}

void DeskAssembly::open_about() { Form6::open(version_, endpoints::home_page(), form_.get()); }

void DeskAssembly::open_media_settings() { media_.menu02_8_Click(); }

void DeskAssembly::open_home_page() { catalogue_.open_home_page(); }

void DeskAssembly::reload_scrapbook() { scrap_pane_->controller().Image35_Click(); }

// The pictures of the toolbar and the bottom bar that other collaborators than the controller
// answer.
void DeskAssembly::connect_pictures() {
    Form1& form = *form_;
    auto on_click = [&form](MainControl id, std::function<void()> handler) {
        QObject::connect(&form.click_label(id), &ClickLabel::clicked, &form, std::move(handler));
    };
    for (MainControl banner :
         {MainControl::Picture8, MainControl::Picture7, MainControl::Picture20}) {
        on_click(banner, [this, banner] { catalogue_.banner_click(banner); });
    }
    on_click(MainControl::Picture1, [this] { catalogue_.open_home_page(); });
    on_click(MainControl::Picture16, [this] { special_.Picture16_Click(); });
    on_click(MainControl::Picture15, [this] { searches_->open_portal_search(); });
    on_click(MainControl::Picture14, [this] { searches_->open_webmail(); });
    on_click(MainControl::Image4, [this] { media_.Image4_Click(); });
    on_click(MainControl::Image3, [this] { media_.Image3_Click(); });
}

ArticleSource DeskAssembly::article_source() {
    return {form_->WebBrowser1(),
            [this]() -> const Browser& { return controller_->host().active_browser(); },
            endpoints::home_page()};
}

void DeskAssembly::load_bookmark_titles() {
    presslane::load_bookmark_titles(*bookmark_titles_, folder_);
}

void DeskAssembly::open_settings() {
    Form3::open({ports_.dialogs, ports_.pump, ports_.screen, *auto_start_, form_->WebBrowser1(),
                 form_->controls()[MainControl::Form1], folder_,
                 // The path as the platform writes it: "C:\\...\\lane_desk.exe" on Windows.
                 QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString()},
                form_.get());
}

void DeskAssembly::open_media_window() {
    Form10 window(
        Form10::Context{ports_.dialogs, ports_.pump, ports_.clock, form_->WebBrowser1(),
                        form_->media_pane().player(), form_->controls()[MainControl::Frame8],
                        form_->controls()[MainControl::Label26], folder_},
        form_.get());
    window.run();
}

void DeskAssembly::open_scrap() {
    Form2::open(article_source(), ports_.dialogs, ports_.clock, folder_, form_.get());
}

void DeskAssembly::open_bookmarks() {
    Form5::open(form_->WebBrowser1(), ports_.dialogs, ports_.pump, folder_,
                {[this] {
                     controller_->host().Toolbar1_ButtonClick(2);
                     form_->WebBrowser1().show();
                 },
                 [this] { load_bookmark_titles(); }},
                form_.get());
}

void DeskAssembly::open_mail() {
    Form4::open(article_source(), endpoints::mail_form(), ports_.dialogs, ports_.pump, ports_.clock,
                folder_, form_.get());
}

}  // namespace presslane
