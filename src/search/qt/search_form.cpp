#include "search/qt/search_form.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/qt/click_label.h"
#include "search/qt/pictures.h"

namespace presslane {
namespace {

// The room between two logos, in pixels.
constexpr int kLogoSpacing = 6;

}  // namespace

SearchForm::SearchForm(const char* caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
}

QComboBox* SearchForm::site_list() {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void SearchForm::finish(QVBoxLayout* sections, const Logos& logos, std::function<void()> place,
                        std::function<void()> activate) {
    auto* tiles = new QGridLayout;
    for (std::size_t i = 0; i < logos.captions.size(); ++i) {
        auto* logo = controls_.add(logos.names[i], new ClickLabel);
        logo->setPixmap(name_tile(logos.captions[i], static_cast<int>(i), logos.tile));
        logo->setToolTip(logos.captions[i]);
        const int at = static_cast<int>(i);
        tiles->addWidget(logo, at / logos.columns, at % logos.columns);
        connect(logo, &ClickLabel::clicked, this, [click = logos.click, i] { click(i); });
    }
    auto* ribbon = controls_.add(logos.ribbon, new QLabel);
    const int row = logos.columns * logos.tile.width() + (logos.columns - 1) * kLogoSpacing;
    ribbon->setPixmap(ribbon_picture({row, 5}));

    sections->addLayout(tiles);
    sections->addWidget(ribbon);
    sections->setSizeConstraint(QLayout::SetFixedSize);
    // The layout fixes the window's size now, so the placement reads the height it will have.
    adjustSize();
    place_ = std::move(place);
    activate_ = std::move(activate);
    place_();
}

bool SearchForm::event(QEvent* event) {
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
