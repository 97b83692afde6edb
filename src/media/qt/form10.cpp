#include "media/qt/form10.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "browse/qt/web_browser.h"
#include "common/endpoints.h"

namespace presslane {
namespace {

constexpr const char* kPlaceholder =
    "about:blank#%EB%B0%A9%EC%86%A1%20%EA%B2%8C%EC%8B%9C%ED%8C%90%EC%9D%84%20%EB%B6%88%EB%9F%AC%"
    "EC%98%A4%EB%8A%94%20%EC%A4%91%EC%9E%85%EB%8B%88%EB%8B%A4";

}  // namespace

Form10::Form10(Context context, QWidget* parent) : QDialog(parent) {
    setWindowTitle("프레스레인 미디어 설정");
    setModal(true);
    // The designed size; show_boards widens the window to take in the boards.
    resize(px(5880), px(7860));
    controls_.add(MediaSettingsControl::Form10, this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(x(), (screen->geometry().height() - height()) / 2);
    }

    auto label = [this](const char* name, const char* text, QWidget* parent, int l, int t, int w,
                        int h = 255) {
        return controls_.add(name, new QLabel(text, parent), l, t, w, h);
    };
    auto button = [this](const char* name, const char* text, const char* tip, QWidget* parent,
                         int l, int t, int w, int h = 360) {
        auto* b = controls_.add(name, new QPushButton(text, parent), l, t, w, h);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };

    auto* frame5 = controls_.add("Frame5", new QGroupBox("나만의 방송국 환경 설정", this), 120, 90,
                                 5640, 4320);
    auto* label1 = label("Label1", "새로 추가할 마이 라디오:TV(&N)", frame5, 150, 300, 5300);
    label("Label2", "이름", frame5, 150, 660, 600);
    auto* text1 =
        controls_.add(MediaSettingsControl::Text1, new QLineEdit(frame5), 780, 600, 2700, 345);
    label1->setBuddy(text1);
    auto* add_button =
        button("Command1", "미디어추가", "새로운 라디오를 추가합니다", frame5, 3600, 600, 1860);
    label("Label8", "이름 입력 예) SBS 파워FM", frame5, 780, 975, 4680);
    label("Label3", "주소", frame5, 150, 1320, 600);
    controls_.add(MediaSettingsControl::Text2, new QLineEdit(frame5), 780, 1260, 2700, 345);
    auto* play_typed =
        button("Command2", "미디어재생 ▶", "입력한 라디오를 재생합니다", frame5, 3600, 1260, 1860);
    label("Label9", "주소 입력 예) mms://radio.example.co.kr/powerfm", frame5, 780, 1635, 4680);
    auto* label6 = label("Label6", "현재 기록된 미디어(&R)", frame5, 150, 2040, 5300);
    combo1_ =
        controls_.add(MediaSettingsControl::Combo1, new QComboBox(frame5), 150, 2340, 3300, 345);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    label6->setBuddy(combo1_);
    items_ = std::make_unique<ComboItems>(combo1_);
    auto* play_chosen =
        button("Command4", "▶", "선택한 라디오방송국을 재생합니다", frame5, 3540, 2340, 480, 345);
    auto* remove = button("Command3", "선택 미디어 삭제", "선택한 라디오방송국을 삭제합니다",
                          frame5, 4080, 2340, 1380, 345);
    controls_.add(MediaSettingsControl::Text3, new QLineEdit(frame5), 150, 2760, 5310, 345)->hide();
    auto* notice = button("Command11", "▶ 검증된 방송채널 한번에 받기",
                          "검증된 채널을 다운로드 합니다", frame5, 150, 3300, 5310, 450);

    auto* frame1 = controls_.add("Frame1", new QGroupBox("도움말", this), 120, 4500, 5640, 3240);
    label("Label13", "직접 구하신 방송들을 입력하셔서 나만의 미디어", frame1, 150, 330, 5300);
    label("Label7", "채널 방송국을 만드시기 바랍니다. ^L^;", frame1, 150, 600, 5300);
    label("Label10", "방송채널은 프레스레인가 제공하지 않습니다", frame1, 150, 960, 5300);
    label("Label12", "라디오나 TV를 설정하신 후 사용하세요", frame1, 150, 1320, 5300);
    label("Label5", "해당 방송국 URL들은 인터넷에서 쉽게 구하실 수 있습니다", frame1, 150, 1590,
          5300);
    const char* everyone = " 클릭하시면 대한민국의 모든 방송사를 볼 수 있습니다 ";
    auto* find_tip = button("Command5", "방송URL찾기", everyone, frame1, 150, 2100, 2100, 450);
    auto* search =
        button("Command88", "대한민국 방송사 모두 보기", everyone, frame1, 2370, 2100, 3090, 450);

    frame2_ = controls_.add(MediaSettingsControl::Frame2,
                            new QGroupBox("방송채널에 대한 게시판", this), 5880, 90, 5160, 7650);
    frame2_->setEnabled(false);
    frame2_->hide();
    board1_ = new WebBrowser(frame2_);
    board1_->setObjectName("WebBrowser1");
    board1_->setGeometry(px(90), px(300), px(4980), px(3600));
    controls_.add("WebBrowser1", board1_->control());
    board2_ = new WebBrowser(frame2_);
    board2_->setObjectName("WebBrowser2");
    board2_->setGeometry(px(90), px(3960), px(4980), px(3600));
    controls_.add("WebBrowser2", board2_->control());

    controller_ = std::make_unique<MediaSettingsController>(
        Controls<MediaSettingsControl>(controls_),
        MediaSettingsController::Ports{context.dialogs, context.pump, context.clock, *items_,
                                       *board1_, *board2_, context.main_browser, context.player,
                                       context.frame8, context.label26, screen_},
        context.app_folder,
        MediaSettingsController::Addresses{kPlaceholder, endpoints::radio_board("lane_desk02"),
                                           endpoints::radio_board("lane_desk01"),
                                           endpoints::broadcaster_search()});

    MediaSettingsController* c = controller_.get();
    connect(add_button, &QPushButton::clicked, this, [c] { c->Command1_Click(); });
    connect(play_typed, &QPushButton::clicked, this, [c] { c->Command2_Click(); });
    connect(play_chosen, &QPushButton::clicked, this, [c] { c->Command4_Click(); });
    connect(remove, &QPushButton::clicked, this, [c] { c->Command3_Click(); });
    connect(notice, &QPushButton::clicked, this, [c] { c->Command11_Click(); });
    connect(find_tip, &QPushButton::clicked, this, [c] { c->Command5_Click(); });
    connect(search, &QPushButton::clicked, this, [c] { c->Command88_Click(); });
    connect(combo1_, &QComboBox::activated, this, [c] { c->Combo1_Click(); });
}

Form10::~Form10() = default;

int Form10::run() {
    controller_->Form_Load();
    // Controls carry no enabled state, so the boards' frame is enabled here with show_boards.
    frame2_->setEnabled(true);
    return exec();
}

void Form10::keyPressEvent(QKeyEvent* event) {
    // The window closes by its close box only; Escape would reject the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form10::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) controller_->Form_Activate();
}

}  // namespace presslane
