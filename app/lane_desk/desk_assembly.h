#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "browse/browser_host.h"
#include "browse/browser_keys.h"
#include "browse/catalogue_controls.h"
#include "browse/page_actions.h"
#include "browse/page_zoom.h"
#include "browse/popup_blocker.h"
#include "browse/site_catalogue.h"
#include "filedown/qt/qt_inet.h"
#include "media/media_pane_controller.h"
#include "shell/main_controller.h"
#include "shell/qt/form1.h"

namespace presslane {

class AutoStart;
class WidgetListBox;
class ScrapPane;
class SearchForms;
class TrayController;
struct ArticleSource;

// Puts the main window together: builds Form1's widgets, then each collaborator in the order
// they need one another, the controller last, and connects the widgets' events to them. This is
// the one place that knows who answers whom; the windows opened from the main window (settings,
// media settings, about, scrap, bookmarks and mail) are opened from here.
class DeskAssembly final : private MainController::Steps,
                           private MainController::MenuTargets,
                           private BrowserHost::Articles,
                           private MediaPaneController::Window {
public:
    // version_check: runs each time the main window is activated.
    DeskAssembly(MainController::Ports ports, std::filesystem::path app_folder,
                 BrowserHost::Addresses addresses, std::function<void()> version_check);
    ~DeskAssembly();

    Form1& form() { return *form_; }
    MainController& controller() { return *controller_; }
    const MainControls& controls() const { return form_->controls(); }
    TrayController& tray() { return *tray_; }

private:
    void connect_pictures();
    ArticleSource article_source();
    // MediaPaneController::Window
    ViewMode view_mode() const override;
    void open_media_window() override;

    // MainController::Steps
    void add_tray_icon() override;
    void remove_tray_icon() override;
    void load_bookmark_titles() override;
    void load_verified_radio() override;
    void load_my_radio() override;
    void radio_on() override;
    void version_check() override;
    // MainController::MenuTargets, and MediaPaneController::Window
    void open_settings() override;
    void open_about() override;
    void open_media_settings() override;
    void open_home_page() override;
    // BrowserHost::Articles
    void reload_scrapbook() override;
    void open_bookmarks() override;
    void open_mail() override;
    void open_scrap() override;

    MainController::Ports ports_;
    std::filesystem::path folder_;
    std::string version_;
    std::function<void()> version_check_;
    std::unique_ptr<Form1> form_;
    CatalogueControls catalogue_controls_;
    QtInet inet_;
    MediaPaneController media_;
    PopupBlocker popups_;
    SpecialPages special_;
    SiteCatalogue catalogue_;
    ScrapPane* scrap_pane_;  // owned by Frame9
    std::unique_ptr<WidgetListBox> bookmark_titles_;
    std::unique_ptr<TrayController> tray_;
    std::unique_ptr<AutoStart> auto_start_;
    std::unique_ptr<SearchForms> searches_;
    std::unique_ptr<MainController> controller_;
    PageZoom zoom_;
    std::unique_ptr<BrowserKeys> keys_;
};

}  // namespace presslane
