#pragma once

#include <QIcon>
#include <QStyle>

namespace presslane {

// The application style's standard icons, each looked up once. A lookup first searches the icon
// theme; where the theme's cache is missing or older than its folders, that is a probe of every
// folder of the theme for several names (some hundreds of file checks per icon), tens of
// milliseconds for a window's worth; asking for them early lets that happen while the program waits
// anyway. Only the UI thread uses these.
class StandardIcons {
public:
    static QIcon icon(QStyle::StandardPixmap which);
};

}  // namespace presslane
