#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include <QDialog>
#include <QSize>
#include <QString>

#include "common/qt/widget_control_set.h"

class QComboBox;
class QVBoxLayout;

namespace presslane {

// What the two search windows share: their controls by name (the window itself under its own
// name, gathered by each window for its controller), the editable list of sites, the sites' logos
// with the ribbon under them, a placement that runs again the first time the window manager has
// framed the window, and a step that runs at every activation.
class SearchForm : public QDialog {
    Q_OBJECT
protected:
    SearchForm(const char* caption, QWidget* parent);

    // The sites' logos: one clickable tile a site, named names[i] and showing captions[i],
    // `columns` to a row, and under them a ribbon named `ribbon`, as wide as a row. A click on tile
    // i runs click(i).
    struct Logos {
        std::vector<const char*> names;
        std::vector<QString> captions;
        QSize tile;
        int columns;
        const char* ribbon;
        std::function<void(std::size_t)> click;
    };

    // Editable: the user may type a site that is not in the list; the search then opens nothing.
    static QComboBox* site_list();
    // Stacks `sections` over the logos, fixes the window's size to them, and runs the controller's
    // load step, `place`; it runs again the first time the window is framed, and `activate` at
    // every activation.
    void finish(QVBoxLayout* sections, const Logos& logos, std::function<void()> place,
                std::function<void()> activate);
    bool event(QEvent* event) override;

    WidgetControlSet controls_;

private:
    std::function<void()> place_;
    std::function<void()> activate_;
    bool framed_ = false;
};

}  // namespace presslane
