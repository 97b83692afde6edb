#include "mail/qt/article_tools.h"

#include <QComboBox>
#include <QFrame>
#include <QTreeWidget>

#include "bookmarks/bookmark_file.h"
#include "bookmarks/qt/form5.h"
#include "bookmarks/qt/widget_list_box.h"
#include "browse/qt/web_browser.h"
#include "mail/qt/form4.h"
#include "scrap/qt/form2.h"
#include "scrap/qt/scrap_pane.h"

namespace presslane {

ArticleTools::ArticleTools(Window window, Dialogs& dialogs, EventPump& pump, const Clock& clock,
                           std::filesystem::path app_folder, Endpoints endpoints)
    : window_(std::move(window)),
      dialogs_(dialogs),
      pump_(pump),
      clock_(clock),
      folder_(std::move(app_folder)),
      endpoints_(std::move(endpoints)) {
    QWidget* form1 = window_.form1;
    scrap_pane_ = new ScrapPane(form1->findChild<QFrame*>("Frame9"),
                                form1->findChild<QTreeWidget*>("ListView1"), window_.WebBrowser2,
                                dialogs_, pump_, folder_);
    combo_ = std::make_unique<WidgetListBox>(form1->findChild<QComboBox*>("Combo1"));
}

ArticleTools::~ArticleTools() = default;

void ArticleTools::install(BrowserHost::Hooks& browse,
                           std::function<void()>& load_bookmark_titles) {
    browse.reload_scrapbook = [this] { scrap_pane_->controller().Image35_Click(); };
    browse.open_scrap = [this] { open_scrap(); };
    browse.open_bookmarks = [this] { open_bookmarks(); };
    browse.open_mail = [this] { open_mail(); };
    load_bookmark_titles = [this] { this->load_bookmark_titles(); };
}

ArticleSource ArticleTools::source() const {
    return {window_.WebBrowser1,
            [active = window_.active_browser]() -> const Browser& { return active(); },
            endpoints_.home_page};
}

void ArticleTools::load_bookmark_titles() { presslane::load_bookmark_titles(*combo_, folder_); }

void ArticleTools::open_scrap() { Form2::open(source(), dialogs_, clock_, folder_, window_.form1); }

void ArticleTools::open_bookmarks() {
    Form5::open(window_.WebBrowser1, dialogs_, pump_, folder_,
                {window_.show_browsing_view, [this] { load_bookmark_titles(); }}, window_.form1);
}

void ArticleTools::open_mail() {
    Form4::open(source(), endpoints_.mail_form, dialogs_, pump_, clock_, folder_, window_.form1);
}

}  // namespace presslane
