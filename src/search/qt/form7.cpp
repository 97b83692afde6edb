#include "search/qt/form7.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "search/qt/pictures.h"

namespace presslane {

Form7::Form7(const Control& form1, const Control& frame10, WebmailController::Ports ports,
             WebmailController::Sites sites, QWidget* parent)
    : SearchForm(WebmailController::kCaption, parent) {
    controls_.add(WebmailControl::Form7, this);
    auto* banner = controls_.add("Image1", new QLabel);
    banner->setPixmap(envelope_picture());
    auto* top = new QHBoxLayout;
    top->addWidget(banner);
    top->addWidget(controls_.add("Label1", new QLabel("검색할 메일을 선택하신 후 로그인하세요")),
                   1);

    auto* frame = controls_.add("Frame1", new QGroupBox("메일계정 로그인"));
    auto* grid = new QGridLayout(frame);
    auto* combo = controls_.add(WebmailControl::Combo1, site_list());
    auto* id = controls_.add(WebmailControl::Text1, new QLineEdit);
    auto* password = controls_.add(WebmailControl::Text2, new QLineEdit);
    password->setEchoMode(QLineEdit::Password);
    auto* login = controls_.add("Command1", new QPushButton("로그인"));
    grid->addWidget(controls_.add("Label2", new QLabel("메일")), 0, 0);
    grid->addWidget(combo, 0, 1, 1, 2);
    grid->addWidget(controls_.add("Label3", new QLabel("아이디")), 1, 0);
    grid->addWidget(id, 1, 1);
    grid->addWidget(controls_.add("Label4", new QLabel("암호")), 2, 0);
    grid->addWidget(password, 2, 1);
    grid->addWidget(login, 1, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    login->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto* key = controls_.add("Image3", new QLabel);
    key->setPixmap(key_picture());
    auto* wait_login = controls_.add("Command2", new QPushButton("다음로긴"));
    auto* side = new QHBoxLayout;
    side->addStretch();
    side->addWidget(key);
    side->addWidget(wait_login);
    for (QPushButton* b : {login, wait_login}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame);
    layout->addLayout(side);

    providers_ = std::make_unique<ComboItems>(combo);
    controller_ = std::make_unique<WebmailController>(
        Controls<WebmailControl>(controls_), *providers_, form1, frame10, ports,
        [id] { id->setFocus(); }, std::move(sites));
    connect(login, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    connect(password, &QLineEdit::returnPressed, this,
            [this] { controller_->Text2_KeyPress(WebmailController::kEnterKey); });
    connect(wait_login, &QPushButton::clicked, this, [this] { controller_->Command2_Click(); });

    static void (WebmailController::*const clicks[])() = {
        &WebmailController::Image2_Click,  &WebmailController::Image4_Click,
        &WebmailController::Image5_Click,  &WebmailController::Image6_Click,
        &WebmailController::Image7_Click,  &WebmailController::Image8_Click,
        &WebmailController::Image9_Click,  &WebmailController::Image10_Click,
        &WebmailController::Image11_Click, &WebmailController::Image12_Click,
        &WebmailController::Image13_Click};
    Logos logos{{"Image2", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10",
                 "Image11", "Image12", "Image13"},
                {},
                {100, 30},
                4,
                "Image14",
                [this](std::size_t i) { (controller_.get()->*clicks[i])(); }};
    for (const char* provider : WebmailController::kProviders)
        logos.captions.push_back(QString::fromUtf8(provider));
    finish(
        layout, logos, [this] { controller_->Form_Load(); },
        [this] { controller_->Form_Activate(); });
}

Form7::~Form7() = default;

void Form7::done(int result) {
    controller_->Form_Unload();
    QDialog::done(result);
}

}  // namespace presslane
