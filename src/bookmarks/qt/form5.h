#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include <QDialog>

#include "bookmarks/bookmarks_controller.h"
#include "bookmarks/qt/widget_list_box.h"
#include "common/qt/widget_control_set.h"

namespace presslane {

class Browser;
class Dialogs;
class EventPump;

// The bookmarks window on Qt: builds the controls of Form5 and forwards their events to the
// BookmarksController. Every route that closes it (buttons, close box, Escape) runs the
// controller's Form_Unload once. Built anew for every opening.
class Form5 : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> show_browsing_view;
        std::function<void()> load_bookmark_titles;
    };

    Form5(Browser& main, Dialogs& dialogs, EventPump& pump, const std::filesystem::path& app_folder,
          Hooks hooks, QWidget* parent = nullptr);
    ~Form5() override;

    BookmarksController& controller() { return *controller_; }

    void done(int result) override;

    // Opens the window modally and returns when it has closed.
    static void open(Browser& main, Dialogs& dialogs, EventPump& pump,
                     const std::filesystem::path& app_folder, Hooks hooks, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    WidgetControlSet controls_;
    std::unique_ptr<WidgetListBox> list_;
    std::unique_ptr<BookmarksController> controller_;
    bool activated_ = false;
};

}  // namespace presslane
