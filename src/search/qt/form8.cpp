#include "search/qt/form8.h"

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

Form8::Form8(const Control& form1, const Control& frame10, Browser& web1, EventPump& pump,
             std::vector<PortalSearchController::Site> sites, QWidget* parent)
    : SearchForm(PortalSearchController::kCaption, parent) {
    controls_.add(PortalSearchControl::Form8, this);
    auto* banner = controls_.add("Image1", new QLabel);
    banner->setPixmap(magnifier_picture());
    auto* hint = controls_.add("Label1", new QLabel("검색할 정보를 입력하세요.."));
    auto* globe = controls_.add("Image3", new QLabel);
    globe->setPixmap(globe_picture());
    auto* top = new QHBoxLayout;
    top->addWidget(banner);
    top->addWidget(hint, 1);
    top->addWidget(globe);

    auto* frame = controls_.add("Frame1", new QGroupBox("검색"));
    auto* grid = new QGridLayout(frame);
    auto* combo = controls_.add(PortalSearchControl::Combo1, site_list());
    auto* query = controls_.add(PortalSearchControl::Text1, new QLineEdit);
    auto* search = controls_.add("Command1", new QPushButton("검색"));
    search->setAutoDefault(false);
    grid->addWidget(controls_.add("Label2", new QLabel("검색사이트")), 0, 0);
    grid->addWidget(combo, 0, 1);
    grid->addWidget(controls_.add("Label3", new QLabel("검색내용")), 1, 0);
    grid->addWidget(query, 1, 1);
    grid->addWidget(search, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame);

    engines_ = std::make_unique<ComboItems>(combo);
    controller_ = std::make_unique<PortalSearchController>(
        Controls<PortalSearchControl>(controls_), *engines_, form1, frame10, web1, pump,
        [query] { query->setFocus(); }, std::move(sites));
    connect(search, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    connect(query, &QLineEdit::returnPressed, this,
            [this] { controller_->Text1_KeyPress(PortalSearchController::kEnterKey); });

    static void (PortalSearchController::*const clicks[])() = {
        &PortalSearchController::Image2_Click, &PortalSearchController::Image4_Click,
        &PortalSearchController::Image5_Click, &PortalSearchController::Image6_Click,
        &PortalSearchController::Image7_Click, &PortalSearchController::Image8_Click};
    Logos logos{
        {"Image2", "Image4", "Image5", "Image6", "Image7", "Image8"}, {}, {76, 30}, 6, "Image9",
        [this](std::size_t i) { (controller_.get()->*clicks[i])(); }};
    for (const auto& engine : PortalSearchController::kEngines)
        logos.captions.push_back(QString::fromUtf8(engine.name));
    finish(
        layout, logos, [this] { controller_->Form_Load(); },
        [this] { controller_->Form_Activate(); });
}

Form8::~Form8() = default;

}  // namespace presslane
