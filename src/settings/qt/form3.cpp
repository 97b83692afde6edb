#include "settings/qt/form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/endpoints.h"
#include "common/qt/click_label.h"
#include "settings/qt/help_picture.h"

namespace presslane {
Form3::Form3(Context context, QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("프레스레인 환경설정");
    setModal(true);
    setFixedSize(px(7200), px(7260));

    auto frame = [this](const char* name, const char* caption, int top, int height) {
        return controls_.add(name, new QGroupBox(caption, this), 120, top, 6960, height);
    };
    auto label = [this](const char* name, const char* text, QWidget* parent, int l, int t, int w) {
        return controls_.add(name, new QLabel(text, parent), l, t, w, 255);
    };
    // Named by a string, or by its SettingsControl when the controller reaches it.
    auto button = [this](auto name, const char* text, QWidget* parent, int l, int t, int w, int h) {
        auto* b = controls_.add(name, new QPushButton(text, parent), l, t, w, h);
        b->setAutoDefault(false);
        return b;
    };
    // A box without text of its own: the label beside it carries the text. The label's access key
    // clicks the box, as a box's own access key would; a mouse click on the label does nothing.
    auto check = [this, &label](const char* box_name, const char* label_name, const char* text,
                                QWidget* parent) {
        auto* box = controls_.add(box_name, new QCheckBox(parent), 150, 330, 270, 255);
        label(label_name, text, parent, 450, 330, 6300)->setBuddy(box);
        return box;
    };

    auto* frame1 = frame("Frame1", " 시작페이지 설정 ", 90, 1560);
    auto* label1 = label("Label1", "프레스레인 실행시 시작페이지 셋팅(&H)", frame1, 150, 300, 6600);
    auto* text1 = controls_.add(SettingsControl::Text1, new QLineEdit(frame1), 150, 600, 6660, 345);
    label1->setBuddy(text1);
    auto* home = button("Command4", "프레스레인홈", frame1, 150, 1050, 1260, 390);
    auto* shop = button("Command5", "신문가게", frame1, 1470, 1050, 1260, 390);
    auto* stand = button("Command6", "가판대", frame1, 2790, 1050, 1260, 390);
    auto* blank = button("Command7", "널", frame1, 4110, 1050, 1260, 390);
    auto* current = button(SettingsControl::Command8, "현재배경", frame1, 5430, 1050, 1380, 390);

    auto* frame2 = frame("Frame2", " 팝업광고 금지 설정 ", 1740, 720);
    auto* check1 = check("Check1", "Label2", "서핑 중 팝업창(광고) 띄우지 않기(&P)", frame2);

    auto* frame3 = frame("Frame3", " 자동실행 설정 ", 2550, 720);
    auto* check2 = check("Check2", "Label3", "Window 시작할 때 자동으로 실행(&S)", frame3);

    auto* frame4 = frame("Frame4", " 창크기 재설정 ", 3360, 780);
    label("Label4", "프레스레인 기본 크기로 재 설정", frame4, 150, 360, 5000);
    auto* reset = button("Command9", "적용", frame4, 5430, 270, 1380, 390);
    reset->setToolTip("프레스레인의 초기크기로 설정합니다");

    auto* frame5 = frame("Frame5", " 방송채널(나만의미디어) 자동실행 설정 ", 4230, 2280);
    label("Label5", "프로그램 시작할 때", frame5, 150, 330, 2200);
    auto* label6 = label("Label6", "미디어 자동 실행(&M)", frame5, 150, 630, 2200);
    // Editable, so that emptying the text turns auto-play off.
    auto* combo1 =
        controls_.add(SettingsControl::Combo1, new QComboBox(frame5), 2400, 420, 4410, 345);
    combo1->setEditable(true);
    combo1->setInsertPolicy(QComboBox::NoInsert);
    label6->setBuddy(combo1);
    auto* how_to =
        button("Command10", "▶ 나만의 미디어 설정 방법      ", frame5, 150, 1080, 6660, 420);
    how_to->setToolTip("나만의 라디오 방송국 만들기");
    auto* verified =
        button("Command11", "▶ 검증된 방송채널 한번에 받기", frame5, 150, 1620, 6660, 420);
    verified->setToolTip("검증된 채널을 다운로드 합니다");

    auto* ok = button("Command1", "확인", this, 3000, 6660, 1200, 420);
    auto* cancel = button("Command2", "취소", this, 4290, 6660, 1200, 420);
    auto* apply = button("Command3", "적용", this, 5580, 6660, 1200, 420);

    // Made last so that, once shown, it lies over the sections it explains.
    auto* picture =
        controls_.add(SettingsControl::Picture1, new HelpPicture(this), 120, 90, 6960, 6420);
    picture->hide();
    auto* close_help =
        controls_.add("Label7", new ClickLabel("X", picture), 6960 - 420, 90, 300, 300);
    close_help->setAlignment(Qt::AlignCenter);
    close_help->setToolTip("도움말 닫기");
    QFont bold = close_help->font();
    bold.setBold(true);
    close_help->setFont(bold);

    combo1_items_ = std::make_unique<ComboItems>(combo1);
    check1_ = std::make_unique<CheckBoxControl>(check1);
    check2_ = std::make_unique<CheckBoxControl>(check2);
    controller_ = std::make_unique<SettingsController>(
        Controls<SettingsControl>(controls_),
        SettingsController::Ports{*combo1_items_, *check1_, *check2_, context.dialogs, context.pump,
                                  context.screen, context.auto_start, context.main_browser,
                                  context.main_window},
        SettingsController::Addresses{endpoints::home_page(), endpoints::newspaper_shop(),
                                      endpoints::newsstand()},
        // Nobody reads the dialog's result: OK and Cancel both just close it.
        context.app_folder, context.program_path, [this] { accept(); });

    SettingsController* c = controller_.get();
    connect(home, &QPushButton::clicked, this, [c] { c->Command4_Click(); });
    connect(shop, &QPushButton::clicked, this, [c] { c->Command5_Click(); });
    connect(stand, &QPushButton::clicked, this, [c] { c->Command6_Click(); });
    connect(blank, &QPushButton::clicked, this, [c] { c->Command7_Click(); });
    connect(current, &QPushButton::clicked, this, [c] { c->Command8_Click(); });
    connect(check2, &QCheckBox::clicked, this, [c] { c->Check2_Click(); });
    connect(reset, &QPushButton::clicked, this, [c] { c->Command9_Click(); });
    connect(how_to, &QPushButton::clicked, this, [c] { c->Command10_Click(); });
    connect(verified, &QPushButton::clicked, this, [c] { c->Command11_Click(); });
    connect(close_help, &ClickLabel::clicked, this, [c] { c->Label7_Click(); });
    connect(ok, &QPushButton::clicked, this, [c] { c->Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [c] { c->Command2_Click(); });
    connect(apply, &QPushButton::clicked, this, [c] { c->Command3_Click(); });

    controller_->Form_Load();
}

Form3::~Form3() = default;

void Form3::done(int result) {
    controller_->Form_Unload();
    QDialog::done(result);
}

void Form3::open(Context context, QWidget* parent) {
    Form3 form(std::move(context), parent);
    form.exec();
}

}  // namespace presslane
