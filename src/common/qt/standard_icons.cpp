#include "common/qt/standard_icons.h"

#include <map>

#include <QApplication>

namespace presslane {

QIcon StandardIcons::icon(QStyle::StandardPixmap which) {
    static std::map<QStyle::StandardPixmap, QIcon> found;
    auto it = found.find(which);
    if (it == found.end())
        it = found.emplace(which, QApplication::style()->standardIcon(which)).first;
    return it->second;
}

}  // namespace presslane
