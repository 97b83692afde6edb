#include "scrap/qt/form2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace presslane {

Form2::Form2(ArticleSource source, Dialogs& dialogs, const Clock& clock,
             const std::filesystem::path& app_folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName("Form2");
    setWindowTitle("프레스레인 스크랩북");
    setModal(true);

    auto* heading = controls_.add("Label1", new QLabel("현재 기사를 스크랩합니다"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* title_label = controls_.add("Label2", new QLabel("제목 (저장될 제목)"));
    auto* title = controls_.add(ScrapControl::Text1, new QLineEdit);
    title->setToolTip("기사의 제목을 블럭복사 하신 후 붙여넣어주시면 편리합니다");
    auto* address_label = controls_.add("Label3", new QLabel("URL (스크랩된 주소)"));
    auto* address = controls_.add(ScrapControl::Text2, new QLineEdit);
    auto* save = controls_.add("Command1", new QPushButton("스크랩하기"));
    auto* cancel = controls_.add("Command2", new QPushButton("취소"));
    // Enter in a box saves through the box's own handler; a default button would save twice.
    for (QPushButton* b : {save, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(title_label, 0, 0);
    grid->addWidget(title, 0, 1);
    grid->addWidget(address_label, 1, 0);
    grid->addWidget(address, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());

    controller_ =
        std::make_unique<ScrapController>(Controls<ScrapControl>(controls_), std::move(source),
                                          dialogs, clock, app_folder, [this] { close(); });
    connect(save, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { controller_->Command2_Click(); });
    for (QLineEdit* box : {title, address}) {
        connect(box, &QLineEdit::returnPressed, this, [this] { controller_->Text_KeyPress(13); });
    }
    controller_->Form_Load();
}

Form2::~Form2() = default;

void Form2::open(ArticleSource source, Dialogs& dialogs, const Clock& clock,
                 const std::filesystem::path& app_folder, QWidget* parent) {
    Form2 form(std::move(source), dialogs, clock, app_folder, parent);
    form.exec();
}

}  // namespace presslane
