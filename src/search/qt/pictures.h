#pragma once

#include <QPixmap>
#include <QString>

namespace presslane {

// The search windows' pictures, drawn by the program: a portal's logo is its name on a tile of
// its own colour; the decorations are small drawings.
QPixmap name_tile(const QString& name, int index, QSize size = {76, 30});
QPixmap magnifier_picture(int side = 36);
QPixmap envelope_picture(int side = 36);
QPixmap key_picture(int side = 28);
QPixmap globe_picture(int side = 28);
QPixmap ribbon_picture(QSize size = {380, 6});

}  // namespace presslane
