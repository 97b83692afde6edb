#pragma once

#include <filesystem>

#include <QObject>

#include "scrap/qt/tree_list_view.h"
#include "scrap/scrapbook.h"

class QFrame;
class QTreeWidget;

namespace presslane {

class Browser;
class Dialogs;
class EventPump;

// The scrapbook pane of the main window on Qt: sets up ListView1 as the three-column scrap list,
// puts the buttons Image35 to Image38 into Frame9 and forwards their clicks and the list's
// double-click to the Scrapbook controller.
class ScrapPane : public QObject {
    Q_OBJECT
public:
    ScrapPane(QFrame* frame9, QTreeWidget* list_view1, Browser& preview, Dialogs& dialogs,
              EventPump& pump, const std::filesystem::path& app_folder);

    Scrapbook& controller() { return scrapbook_; }

private:
    TreeListView list_;
    Scrapbook scrapbook_;
};

}  // namespace presslane
