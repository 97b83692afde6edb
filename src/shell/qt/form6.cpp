#include "shell/qt/form6.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "shell/qt/program_icon.h"

namespace presslane {
Form6::Form6(std::string version, std::string home_page, QWidget* parent) : QDialog(parent) {
    setObjectName("Form6");
    setWindowTitle(AboutController::kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(px(5775), px(6600));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    auto* logo = controls_.add("Picture1", new QLabel(this), 120, 120, 600, 600);
    logo->setPixmap(program_icon().pixmap(px(480), px(480)));
    logo->setAlignment(Qt::AlignCenter);
    auto* slogan = controls_.add(AboutControl::Label1, new QLabel(this), 840, 240, 4800, 240);
    QFont bold = slogan->font();
    bold.setBold(true);
    slogan->setFont(bold);
    controls_.add(AboutControl::Label2, new QLabel(this), 840, 480, 4800, 240);
    controls_.add(AboutControl::Label3, new QLabel(this), 360, 840, 5300, 240);
    controls_.add(AboutControl::Label4, new QLabel(this), 360, 1080, 5300, 240);
    controls_.add(AboutControl::Label5, new QLabel(this), 360, 1320, 5300, 240);
    controls_.add(AboutControl::Label6, new QLabel(this), 360, 1560, 5300, 240);
    const struct {
        AboutControl id;
        int top;
        int height;
    } boxes[] = {{AboutControl::Text1, 1920, 1095},
                 {AboutControl::Text2, 3120, 1575},
                 {AboutControl::Text3, 4800, 975}};
    for (const auto& box : boxes) {
        auto* text =
            controls_.add(box.id, new QPlainTextEdit(this), 360, box.top, 5175, box.height);
        text->setReadOnly(true);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    controls_.add(AboutControl::Label7, new QLabel(this), 360, 6000, 3800, 240);
    controls_.add(AboutControl::Label8, new QLabel(this), 360, 6240, 3800, 240);
    auto* ok = controls_.add(AboutControl::Command1, new QPushButton(this), 4200, 6000, 1215, 495);
    ok->setDefault(true);

    controller_ =
        std::make_unique<AboutController>(Controls<AboutControl>(controls_), std::move(version),
                                          std::move(home_page), [this] { close(); });
    connect(ok, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    controller_->Form_Load();

    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
}

Form6::~Form6() = default;

void Form6::open(std::string version, std::string home_page, QWidget* parent) {
    Form6 form(std::move(version), std::move(home_page), parent);
    form.exec();
}

}  // namespace presslane
