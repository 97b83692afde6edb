#pragma once

#include <QWidget>

namespace presslane {

// The settings dialog's help picture: how to set up one's own media channel and have it play at
// start. Drawn by the program, so it follows the font and scale of the desktop.
class HelpPicture : public QWidget {
    Q_OBJECT
public:
    explicit HelpPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace presslane
