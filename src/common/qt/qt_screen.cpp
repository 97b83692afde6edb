#include "common/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/qt/widget_control.h"

namespace presslane {

Size QtScreen::work_area() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {WidgetControl::to_twips(area.width()), WidgetControl::to_twips(area.height())};
}

Size QtScreen::screen_size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->geometry();
    return {WidgetControl::to_twips(area.width()), WidgetControl::to_twips(area.height())};
}

}  // namespace presslane
