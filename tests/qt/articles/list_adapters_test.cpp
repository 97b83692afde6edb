#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "bookmarks/qt/form5.h"
#include "bookmarks/qt/widget_list_box.h"
#include "common/qt/qt_event_pump.h"
#include "fakes/fake_browser.h"
#include "fakes/fake_dialogs.h"
#include "fakes/temp_dir.h"
#include "scrap/qt/tree_list_view.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(WidgetListBox, RefillingAComboBoxKeepsWhatIsTypedInTheBox) {
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText("typed address");
    WidgetListBox list(&combo);
    list.clear();
    list.add_item("뉴스");
    list.add_item("두 단어");
    EXPECT_EQ(combo.currentText(), "typed address");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1), "두 단어");
    EXPECT_EQ(list.item(2), "");
}

TEST(TreeListView, RowsSelectionAndRemovalFollowTheWidget) {
    QTreeWidget tree;
    tree.setColumnCount(3);
    TreeListView list(&tree);
    list.add_row({"d1", "t1", "http://a"});
    list.add_row({"d2", "t2", "http://b"});
    EXPECT_EQ(list.selected(), -1);
    tree.topLevelItem(1)->setSelected(true);
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.row(1), (ScrapRow{"d2", "t2", "http://b"}));
    list.remove_row(0);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.selected(), 0);
    list.remove_row(5);
    EXPECT_EQ(list.row(5), ScrapRow{});
}

// Escape and the close box bypass the window's buttons: both must still save the list once.
TEST(BookmarksWindowOnScreen, EveryRouteOutSavesTheListOnce) {
    for (const bool escape : {true, false}) {
        TempDir dir;
        std::ofstream(dir.path() / "bookmark.res", std::ios::binary)
            << "A|http://a\r\n\r\nB|http://b\r\n";
        FakeBrowser main;
        FakeDialogs dialogs;
        QtEventPump pump;
        int reloads = 0;
        Form5 form(main, dialogs, pump, dir.path(), {{}, [&reloads] { ++reloads; }});
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        auto* list = form.findChild<QListWidget*>("List1");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(form.findChild<QLabel*>("Label4")->text(), "2 개");
        list->setCurrentRow(0);
        form.controller().Command4_Click();
        if (escape) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            form.close();
        }
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(bytes_of(dir.path() / "bookmark.res"), "B|http://b\r\n") << escape;
        EXPECT_EQ(reloads, 1);
    }
}

}  // namespace
}  // namespace presslane
