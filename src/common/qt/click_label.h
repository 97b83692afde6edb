#pragma once

#include <QLabel>

namespace presslane {

// A picture or label control that reports clicks and mouse moves, as the window's pictures,
// images and labels do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace presslane
