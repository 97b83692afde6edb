#pragma once

#include <QAbstractButton>

namespace presslane {

// A button of the player's control strip: a white sign on the pane's blue-grey, lighter under the
// mouse, with a yellow frame while it has the keyboard focus. Space presses it.
class StripButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Sign { Play, Pause, Stop, Sound, Muted };

    StripButton(Sign sign, QWidget* parent = nullptr);
    void set_sign(Sign sign);
    Sign sign() const { return sign_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void draw_sign(QPainter& painter, const QColor& ink) const;

    Sign sign_;
    bool hovered_ = false;
};

}  // namespace presslane
