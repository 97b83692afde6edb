#include "bookmarks/qt/form5.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/qt/click_label.h"

namespace presslane {

Form5::Form5(Browser& main, Dialogs& dialogs, EventPump& pump,
             const std::filesystem::path& app_folder, Hooks hooks, QWidget* parent)
    : QDialog(parent) {
    setObjectName("Form5");
    setWindowTitle("프레스레인 북마크");
    setModal(true);

    auto* entry = controls_.add("Frame1", new QGroupBox(" 자주가는 사이트를 북마크 합니다 "));
    auto* name_label = controls_.add("Label2", new QLabel("사이트명"));
    auto* name = controls_.add(BookmarksControl::Text1, new QLineEdit);
    auto* address_label = controls_.add("Label3", new QLabel("주소"));
    auto* address = controls_.add(BookmarksControl::Text2, new QLineEdit);
    address->setToolTip("열어보고 싶은 사이트 주소를 입력해 주세요");
    auto* add_button = controls_.add("Command1", new QPushButton("북마크하기"));
    auto* cancel = controls_.add("Command2", new QPushButton("취소"));
    auto* search = controls_.add("Command3", new QPushButton("URL검색"));
    search->setToolTip("URL을 적어주시고 검색버튼을 클릭하시면 해당 사이트로 이동합니다");
    auto* picture = controls_.add(BookmarksControl::Picture11, new ClickLabel);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogYesButton).pixmap(32, 32));
    picture->setFixedSize(40, 40);

    auto* entry_grid = new QGridLayout(entry);
    entry_grid->addWidget(picture, 0, 0, 2, 1);
    entry_grid->addWidget(name_label, 0, 1);
    entry_grid->addWidget(name, 0, 2);
    entry_grid->addWidget(address_label, 1, 1);
    entry_grid->addWidget(address, 1, 2);
    auto* entry_buttons = new QHBoxLayout;
    entry_buttons->addStretch();
    entry_buttons->addWidget(add_button);
    entry_buttons->addWidget(cancel);
    entry_buttons->addWidget(search);
    entry_grid->addLayout(entry_buttons, 2, 0, 1, 3);

    auto* manage = controls_.add("Frame2", new QGroupBox(" 북마크 관리 "));
    auto* heading = controls_.add("Label1", new QLabel("저장된 북마크"));
    auto* list = controls_.add("List1", new QListWidget);
    list->setMinimumHeight(220);
    auto* count = controls_.add(BookmarksControl::Label4, new QLabel("0 개"));
    auto* remove_one = controls_.add("Command4", new QPushButton("선택한 북마크 삭제"));
    remove_one->setToolTip("선택한 북마크를 삭제합니다");
    auto* remove_all = controls_.add("Command5", new QPushButton("전체 북마크 삭제"));
    remove_all->setToolTip("전체 북마크를 삭제합니다");
    auto* manage_layout = new QVBoxLayout(manage);
    auto* manage_top = new QHBoxLayout;
    manage_top->addWidget(heading);
    manage_top->addStretch();
    manage_top->addWidget(count);
    manage_layout->addLayout(manage_top);
    manage_layout->addWidget(list);
    auto* manage_buttons = new QHBoxLayout;
    manage_buttons->addStretch();
    manage_buttons->addWidget(remove_one);
    manage_buttons->addWidget(remove_all);
    manage_layout->addLayout(manage_buttons);

    for (QPushButton* b : {add_button, cancel, search, remove_one, remove_all}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entry);
    layout->addWidget(manage);
    resize(560, sizeHint().height());

    list_ = std::make_unique<WidgetListBox>(list);
    controller_ = std::make_unique<BookmarksController>(
        Controls<BookmarksControl>(controls_), *list_, main, dialogs, pump, app_folder,
        BookmarksController::Hooks{[address] { address->setFocus(); },
                                   std::move(hooks.show_browsing_view),
                                   std::move(hooks.load_bookmark_titles), [this] { close(); }});
    connect(add_button, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { controller_->Command2_Click(); });
    connect(search, &QPushButton::clicked, this, [this] { controller_->Command3_Click(); });
    connect(remove_one, &QPushButton::clicked, this, [this] { controller_->Command4_Click(); });
    connect(remove_all, &QPushButton::clicked, this, [this] { controller_->Command5_Click(); });
    connect(list, &QListWidget::itemClicked, this, [this] { controller_->List1_Click(); });
    connect(picture, &ClickLabel::mouseMoved, this, [this] { controller_->Picture11_MouseMove(); });
}

Form5::~Form5() = default;

void Form5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The list is read when the window first shows; later activations (after a message box)
    // keep what the user has changed in it.
    if (activated_) return;
    activated_ = true;
    controller_->Form_Activate();
}

void Form5::done(int result) {
    controller_->Form_Unload();
    QDialog::done(result);
}

void Form5::open(Browser& main, Dialogs& dialogs, EventPump& pump,
                 const std::filesystem::path& app_folder, Hooks hooks, QWidget* parent) {
    Form5 form(main, dialogs, pump, app_folder, std::move(hooks), parent);
    form.exec();
}

}  // namespace presslane
