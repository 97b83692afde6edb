#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QPixmap>

#include "browse/popup_blocker.h"
#include "browse/site_catalogue.h"
#include "browse/page_actions.h"
#include "common/qt/widget_control_set.h"

class QColor;
class QWidget;

namespace presslane {

class Browser;
class Dialogs;
class EventPump;
class Shell;

// The catalogue on the main window: the category labels in their bars, the 22 drop-down menus of
// drawn logo tiles, the start-page pane's commands and the clicks of the partner banners. Widgets
// are named after their controls and registered in the window's control set; their events go to
// the toolkit-free catalogue, special-page and popup controllers, which this view owns.
class CatalogueView : public QObject {
    Q_OBJECT
public:
    struct Ports {
        Browser& main_browser;
        Browser& popup_sink;
        Dialogs& dialogs;
        EventPump& pump;
        Shell& shell;
    };
    struct Hooks {
        std::function<void()> install_menu;
        std::function<void()> start_page_click;
        std::function<void()> show_progress_window;
    };

    // `client` is the window's client area holding the category bars Frame1 .. Frame5 and the
    // banners Picture8, Picture7, Picture20, Picture1, Picture16 (as registered in `controls`).
    CatalogueView(QWidget* client, WidgetControlSet& controls, Ports ports, Hooks hooks);
    ~CatalogueView() override;

    SiteCatalogue& catalogue() { return catalogue_; }
    SpecialPages& special() { return special_; }
    PopupBlocker& popups() { return popups_; }

    // A logo: the site's name in white on a tint of the menu's colour, shrunk to fit.
    static QPixmap logo_tile(const QString& name, const QColor& colour, int width, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_bars();
    void build_menus(QWidget* client);
    void build_start_pane(QWidget* client);
    void connect_pictures();

    WidgetControlSet& controls_;
    Hooks hooks_;
    SpecialPages special_;
    SiteCatalogue catalogue_;
    PopupBlocker popups_;
};

}  // namespace presslane
