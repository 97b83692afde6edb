#include "search/qt/search_dialog.h"

#include <QEvent>

namespace presslane {

SearchDialog::SearchDialog(const char* name, const char* caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    controls_.add(name, this);
}

void SearchDialog::set_steps(std::function<void()> place, std::function<void()> activate) {
    place_ = std::move(place);
    activate_ = std::move(activate);
}

bool SearchDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // The window manager's frame exists only once the window is on screen, and the placement
        // counts the outer height: place it again the first time it has one.
        if (!framed_ && frameGeometry().height() > height()) {
            framed_ = true;
            if (place_) place_();
        }
        if (activate_) activate_();
    }
    return handled;
}

}  // namespace presslane
