#pragma once

#include <array>
#include <vector>

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>

#include "common/qt/widget_control_set.h"

class QWidget;

namespace presslane {

class BrowserHost;
class ClickLabel;
class SiteCatalogue;
class SpecialPages;

// The catalogue on the main window: the category labels in their bars, the 22 drop-down menus of
// drawn logo tiles and the start-page pane's commands. Widgets are named after their controls and
// registered in the window's control set; once connected, their events go to the toolkit-free
// catalogue and special-page controllers.
class CatalogueView : public QObject {
    Q_OBJECT
public:
    // The window's panes the catalogue fills.
    struct Bars {
        QWidget* start_pane;                    // Frame1
        std::array<QWidget*, 4> category_bars;  // Frame2 .. Frame5, as catalogue::bars()
    };

    // `client` is the window's client area, which holds the menus.
    CatalogueView(QWidget* client, WidgetControlSet& controls, Bars bars);
    ~CatalogueView() override;

    void connect_to(SiteCatalogue& catalogue, SpecialPages& special, BrowserHost& host);

    // Looks up the standard icons the start pane shows, so that building it finds them ready.
    static void preload_icons();

    // A logo: the site's name in white on a tint of the menu's colour, shrunk to fit.
    static QPixmap logo_tile(const QString& name, const QColor& colour, int width, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Logo {
        ClickLabel* label;
        int array;
        int member;
        // Drawn when its menu is first shown: most menus are never opened in a session.
        QWidget* menu;
        QString name;
        QColor colour;
        bool drawn = false;
    };

    void build_bars(const Bars& bars);
    void build_menus(QWidget* client);
    void build_start_pane(QWidget* frame);
    void draw_logos(QObject* menu);

    WidgetControlSet& controls_;
    // The category labels by the position of their menu in catalogue::menus().
    std::vector<QWidget*> labels_;
    std::vector<Logo> logos_;
    ClickLabel* all_newspapers_ = nullptr;  // Label1000
    // Image34, Image32, Image30, Image31.
    std::array<ClickLabel*, 4> commands_{};
    SiteCatalogue* catalogue_ = nullptr;  // set by connect_to
};

}  // namespace presslane
