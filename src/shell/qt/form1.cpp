#include "shell/qt/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QShortcut>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>

#include "browse/qt/catalogue_view.h"
#include "browse/qt/find_bar.h"
#include "browse/qt/web_browser.h"
#include "common/qt/click_label.h"
#include "common/qt/standard_icons.h"
#include "media/qt/media_controls_widget.h"
#include "media/qt/media_pane_widget.h"
#include "shell/main_menu.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/qt_tray_icon.h"

namespace presslane {
namespace {

// The icons of the toolbar's buttons, in their order.
constexpr QStyle::StandardPixmap kToolbarIcons[] = {
    QStyle::SP_DirHomeIcon,        QStyle::SP_FileDialogDetailedView,
    QStyle::SP_FileDialogListView, QStyle::SP_DesktopIcon,
    QStyle::SP_MediaPlay,          QStyle::SP_DialogSaveButton,
    QStyle::SP_MessageBoxWarning};

void paint_background(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

// A partner tile of the toolbar: the site's name on a white card with its vertical tag.
QPixmap partner_tile(int w, int h, const QString& name, const QString& tag, const QColor& ink) {
    QPixmap tile(w, h);
    tile.fill(Qt::white);
    QPainter p(&tile);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(0, 0, 14, h, ink);
    p.setPen(Qt::white);
    QFont small = p.font();
    small.setPixelSize(9);
    p.setFont(small);
    p.save();
    p.translate(11, h - 2);
    p.rotate(-90);
    p.drawText(QRect(0, -11, h - 4, 12), Qt::AlignCenter, tag);
    p.restore();
    QFont bold = p.font();
    bold.setPixelSize(13);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(ink);
    p.drawText(QRect(16, 0, w - 18, h), Qt::AlignCenter, name);
    p.setPen(QColor(180, 180, 180));
    p.drawRect(0, 0, w - 1, h - 1);
    return tile;
}

constexpr MainControl kPanes[] = {MainControl::Frame1, MainControl::Frame2, MainControl::Frame3,
                                  MainControl::Frame4, MainControl::Frame5, MainControl::Frame9};

// The toolbar's buttons, left to right.
constexpr MainControl kToolbarButtons[] = {
    MainControl::Toolbar1_Button1, MainControl::Toolbar1_Button2, MainControl::Toolbar1_Button3,
    MainControl::Toolbar1_Button4, MainControl::Toolbar1_Button5, MainControl::Toolbar1_Button6,
    MainControl::Toolbar1_Button7};

}  // namespace

void Form1::preload_icons() {
    for (QStyle::StandardPixmap icon : kToolbarIcons) StandardIcons::icon(icon);
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_ArrowBack, QStyle::SP_ArrowForward, QStyle::SP_DriveNetIcon}) {
        StandardIcons::icon(icon);
    }
    CatalogueView::preload_icons();
}

Form1::Form1(const std::string& domain) : QMainWindow(nullptr), client_(new QWidget(this)) {
    setObjectName("Form1");
    setWindowTitle(QString::fromStdString("프레스레인 [" + domain + "]"));
    setCentralWidget(client_);
    client_->setObjectName("Form1Client");
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    paint_background(client_, QColor(236, 236, 236));
    // The designed client area; call_width gives the real size before the window is shown.
    resize(px(18810), px(13065));

    controls_.add(MainControl::Form1, this);
    // Panes stack in the order they are built, each later one on top. The toolbar lies under all
    // of them: the wide view lays the category row, the address row, the browser and the bottom
    // bar over it. The address row lies over the left end of the category row.
    build_toolbar();
    build_browsers();
    build_category_row();
    build_address_bar();
    build_bottom_bar();
    build_tool_strip();
    build_media_pane();
    media_ = new MediaPaneWidget(frame8_, controls_);
    catalogue_ = std::make_unique<CatalogueView>(
        client_, controls_,
        CatalogueView::Bars{panes_[0], {panes_[1], panes_[2], panes_[3], panes_[4]}});
    build_tray();
    typed_.emplace(controls_);
}

Form1::~Form1() = default;

ClickLabel& Form1::click_label(MainControl id) const {
    auto* label = qobject_cast<ClickLabel*>(static_cast<WidgetControl&>((*typed_)[id]).widget());
    if (label == nullptr) throw MissingControl(MainControls::name(id));
    return *label;
}

ClickLabel* Form1::picture(MainControl id, const QString& text, QWidget* parent,
                           const QString& tooltip, int left, int top, int width, int height) {
    auto* label = controls_.add(id, new ClickLabel(text, parent));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(tooltip);
    place(label, left, top, width, height);
    return label;
}

void Form1::build_browsers() {
    web1_ = new WebBrowser(client_);
    web1_->setObjectName("WebBrowser1");
    controls_.add(MainControl::WebBrowser1, web1_->control());
    place(web1_, 0, 1300, 18660, 10575);

    list_view1_ = controls_.add(MainControl::ListView1, new QTreeWidget(client_));
    list_view1_->setHeaderLabels({"스크랩시간", "기사제목", "원본 URL"});
    list_view1_->setRootIsDecorated(false);
    list_view1_->hide();

    // The scrap preview is seen only with the scrapbook pane: its page process waits for that.
    web2_ = new WebBrowser(client_);
    web2_->setObjectName("WebBrowser2");
    web2_->defer_blank_until_shown();
    controls_.add(MainControl::WebBrowser2, web2_->control());
    web2_->hide();

    // Never shown: the visit counter and the sink for blocked popups. Muted, so that no sound
    // plays without a page to show where it comes from.
    web3_ = new WebBrowser(client_);
    web3_->setObjectName("WebBrowser3");
    controls_.add(MainControl::WebBrowser3, web3_->control());
    web3_->set_audio_muted(true);
    web3_->hide();

    find_bar_ = new FindBar(client_);
}

void Form1::build_toolbar() {
    auto* bar = controls_.add(MainControl::Toolbar1, new QFrame(client_));
    toolbar_ = bar;
    place(bar, 0, 0, 18810, 795);
    paint_background(bar, QColor(246, 246, 246));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setMouseTracking(true);
    bar->installEventFilter(this);

    const char* captions[] = {"프레스레인", "종합신문", "생활전문지", "워킹라이프",
                              "엔터테인",   "MY스크랩", "팝업허용"};
    for (int i = 0; i < 7; ++i) {
        auto* button = new QToolButton(bar);
        toolbar_buttons_[i] = button;
        controls_.add(kToolbarButtons[i], button);
        button->setText(captions[i]);
        button->setIcon(StandardIcons::icon(kToolbarIcons[i]));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        // The pointer on a button is on the toolbar: it closes the catalogue menus too.
        button->setMouseTracking(true);
        button->installEventFilter(this);
        place(button, 60 + i * 1140, 30, 1110, 735);
    }

    struct Partner {
        MainControl id;
        const char* site;
        const char* tag;
        int width;
        QColor ink;
        const char* tooltip;
    };
    const Partner partners[] = {{MainControl::Picture8, "연합뉴스", "제휴언론", 1500,
                                 QColor(0, 84, 166), "바른언론 빠른뉴스 인터넷 연합뉴스"},
                                {MainControl::Picture7, "오마이뉴스", "참여언론", 1500,
                                 QColor(220, 90, 0), "뉴스게릴라들의 뉴스연대 - 오마이뉴스"},
                                {MainControl::Picture20, "대자보", "제휴언론", 1500,
                                 QColor(30, 130, 60), "대자보는 프레스레인 협찬 언론사입니다 ^L^"},
                                {MainControl::Picture1, "프레스레인", "홈", 1200,
                                 QColor(61, 74, 108), "프레스레인 홈페이지로 이동합니다 ^L^"}};
    for (const auto& p : partners) {
        auto* tile = picture(p.id, {}, bar, p.tooltip, 0, 105, p.width, 585);
        tile->setPixmap(partner_tile(tile->width(), tile->height(), p.site, p.tag, p.ink));
    }
}

void Form1::build_category_row() {
    const QColor colours[] = {QColor(61, 74, 108), QColor(40, 70, 140), QColor(30, 110, 90),
                              QColor(120, 80, 30), QColor(130, 40, 90), QColor(90, 90, 90)};
    for (int i = 0; i < 6; ++i) {
        auto* frame = controls_.add(kPanes[i], new QFrame(client_));
        panes_[i] = frame;
        place(frame, 0, 780, i == 1 ? 15135 : 13335, 520);
        paint_background(frame, colours[i]);
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
        frame->setVisible(i == 1);
    }
    // The clock lives in the newspaper bar.
    auto* clock = controls_.add(MainControl::Label7, new QLabel(panes_[1]));
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = clock->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    clock->setPalette(pal);
    place(clock, 14040, 165, 1095, 240);
    // The clock is rewritten every second. Filled with the bar's colour it is opaque, so a tick
    // repaints the label alone and not the bar beneath it; at a fixed size a new text never asks
    // the bar to lay itself out again.
    clock->setAutoFillBackground(true);
    clock->setFixedSize(clock->size());
}

void Form1::build_address_bar() {
    auto* bar = controls_.add(MainControl::Frame17, new QFrame(client_));
    place(bar, 0, 900, 3375, 370);
    paint_background(bar, QColor(246, 246, 246));

    combo1_ = controls_.add(MainControl::Combo1, new QComboBox(bar));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setToolTip(
        "사이트 주소를 입력하고 엔터를 눌러주세요 - 한글도메인, 영문도메인 모두 가능합니다!");
    place(combo1_, 15, 15, 1830, 340);
    // Enter navigates exactly what was typed: no inline completion may turn the start of a
    // bookmark title into the whole title. Only a pick from the list is a bookmark pick.
    combo1_->setCompleter(nullptr);
    // A key press reaches the combo box first, which hands it to its line edit directly (past any
    // filter there): Enter is taken here, before the box would match the text against its list.
    combo1_->installEventFilter(this);

    auto* back = picture(MainControl::Image1, {}, bar, " 뒤로가기 ", 1860, 15, 330, 340);
    back->setPixmap(StandardIcons::icon(QStyle::SP_ArrowBack).pixmap(18, 18));
    auto* forward = picture(MainControl::Image2, {}, bar, " 앞으로 가기 ", 2190, 15, 330, 340);
    forward->setPixmap(StandardIcons::icon(QStyle::SP_ArrowForward).pixmap(18, 18));
    picture(MainControl::Image39, "북마크", bar, " 자주 가는 사이트를 즐겨찾기 하세요 ", 2520, 15,
            630, 340);
    picture(MainControl::Label9, "#", bar, {}, 3165, 15, 195, 340);
    // The notice over the start of the address row hides for good once the mouse touches it.
    auto* notice = picture(MainControl::Picture11, "http://", bar, {}, 15, 15, 600, 340);
    notice->setPixmap(StandardIcons::icon(QStyle::SP_DriveNetIcon).pixmap(16, 16));
    paint_background(notice, Qt::white);
}

void Form1::build_bottom_bar() {
    auto* bar = controls_.add(MainControl::Frame10, new QFrame(client_));
    place(bar, 0, 11875, 18660, 390);
    paint_background(bar, QColor(226, 230, 238));
    bar->setMouseTracking(true);
    bar->installEventFilter(this);

    auto* media = picture(MainControl::Picture4, "▶ 프레스레인 미디어채널 ON", bar,
                          "클릭 - 도움말 보기", 45, 15, 2400, 360);
    paint_background(media, QColor(61, 74, 108));
    QPalette pal = media->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    media->setPalette(pal);

    ClickLabel* searches[] = {picture(MainControl::Picture16, "신문검색", bar,
                                      "모든 신문기사를 검색합니다", 2520, 15, 900, 360),
                              picture(MainControl::Picture15, "포털검색", bar,
                                      "모든 포털을 검색합니다", 3450, 15, 900, 360),
                              picture(MainControl::Picture14, "메일검색", bar,
                                      "모든 메일을 검색합니다", 4380, 15, 900, 360)};
    // Moving over the searches does nothing: the bar behind them, which closes the catalogue
    // menus, never hears of it.
    for (ClickLabel* search : searches) search->setAttribute(Qt::WA_NoMousePropagation);

    progress_ = controls_.add(MainControl::ProgressBar1, new QProgressBar(bar));
    progress_->setTextVisible(false);
    place(progress_, 5370, 90, 2400, 210);
    progress_port_ = std::make_unique<ProgressBarControl>(progress_);
    auto* status = controls_.add(MainControl::Label26, new QLabel("Media OFF", bar));
    place(status, 7860, 45, 2700, 300);
    picture(MainControl::Image4, "나만의 미디어", bar, "나만의 미디어 설정", 10620, 15, 1050, 360);
    picture(MainControl::Image3, "환경설정", bar, "환경/미디어 설정", 11700, 15, 900, 360);
}

void Form1::build_tool_strip() {
    auto* strip = controls_.add(MainControl::Frame7, new QFrame(client_));
    place(strip, 12045, 11880, 6615, 380);
    paint_background(strip, QColor(226, 230, 238));
    strip->setMouseTracking(true);
    strip->installEventFilter(this);

    struct Tool {
        MainControl id;
        const char* label;
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    const Tool tools[] = {
        {MainControl::Picture6, "넓게보기", "화면의 크기를 변경합니다",
         QStyle::SP_TitleBarMaxButton},
        {MainControl::Picture2, "시작페이지", "현재 페이지를 시작페이지로 설정합니다",
         QStyle::SP_DirHomeIcon},
        {MainControl::Picture12, "메뉴이동", "하단으로 메뉴 내리기", QStyle::SP_ArrowUp},
        {MainControl::Picture10, "기사 프린트", "현재 기사를 메일로 발송합니다",
         QStyle::SP_FileIcon},
        {MainControl::Picture5, "기사 스크랩", "현재 기사를 스크랩북에 저장합니다",
         QStyle::SP_DialogSaveButton},
        {MainControl::Picture9, "메일 보내기", "현재 기사를 프린터로 인쇄합니다",
         QStyle::SP_FileLinkIcon}};
    for (int i = 0; i < 6; ++i) {
        auto* tool = picture(tools[i].id, tools[i].label, strip, tools[i].tooltip, 15 + i * 1095,
                             15, 1080, 350);
        tool->setFrameShape(QFrame::StyledPanel);
    }
}

void Form1::build_media_pane() {
    frame8_ = controls_.add(MainControl::Frame8, new QFrame(client_));
    place(frame8_, 45, 11875, 2535, 3000);
    paint_background(frame8_, QColor(20, 20, 20));
    frame8_->setFrameShape(QFrame::Box);
    frame8_->hide();
}

void Form1::build_tray() {
    // The picture the tray notifications are addressed to; never shown.
    auto* hook = controls_.add(MainControl::pichook, new QLabel(client_));
    hook->setToolTip("트레이에 쓰임");
    hook->hide();
    tray_icon_ = new QtTrayIcon(program_icon(), this);
    // The player's commands, so that a stream playing with the media pane hidden can be stopped.
    auto* tray_menu = new QMenu(this);
    tray_menu->setObjectName("TrayMenu");
    connect(tray_menu, &QMenu::aboutToShow, this,
            [this, tray_menu] { media_->strip().fill_menu(tray_menu); });
    tray_icon_->set_menu(tray_menu);
}

void Form1::connect_to(MainController& controller) {
    controller_ = &controller;
    connect_toolbar(controller);
    connect_address_bar(controller);
    connect_tools(controller);
    connect_menu_bar(controller);
    connect_browser(controller);
    connect(&timer2_, &QTimer::timeout, this, [&controller] { controller.Timer2_Timer(); });
    timer2_.setInterval(1000);
    timer2_.start();
}

void Form1::connect_toolbar(MainController& controller) {
    BrowserHost& host = controller.host();
    for (int i = 0; i < 7; ++i) {
        connect(toolbar_buttons_[i], &QToolButton::clicked, this,
                [&host, i] { host.Toolbar1_ButtonClick(i + 1); });
    }
}

void Form1::connect_address_bar(MainController& controller) {
    BrowserHost& host = controller.host();
    connect(combo1_, qOverload<int>(&QComboBox::activated), this,
            [this, &host](int) { host.Combo1_Click(combo1_->currentText().toStdString()); });
    connect(&click_label(MainControl::Image1), &ClickLabel::clicked, this,
            [&host] { host.Image1_Click(); });
    connect(&click_label(MainControl::Image2), &ClickLabel::clicked, this,
            [&host] { host.Image2_Click(); });
    connect(&click_label(MainControl::Image39), &ClickLabel::clicked, this,
            [&host] { host.Image39_Click(); });
    connect(&click_label(MainControl::Label9), &ClickLabel::clicked, this, [&host] {
        host.Label9_Click(qEnvironmentVariable("USER").toStdString(),
                          QDir::rootPath().toStdString());
    });
    connect(&click_label(MainControl::Picture11), &ClickLabel::mouseMoved, this,
            [&host] { host.Picture11_MouseMove(); });
    ClickLabel& media = click_label(MainControl::Picture4);
    connect(&media, &ClickLabel::mouseMoved, this, [&host] { host.Picture4_MouseMove(); });
    connect(&media, &ClickLabel::clicked, this, [&host] { host.Picture4_Click(); });
}

void Form1::connect_tools(MainController& controller) {
    BrowserHost& host = controller.host();
    auto on_click = [this](MainControl id, auto handler) {
        connect(&click_label(id), &ClickLabel::clicked, this, handler);
    };
    on_click(MainControl::Picture6, [&controller] { controller.toggle_view(); });
    on_click(MainControl::Picture2, [&host] { host.Picture2_Click(); });
    on_click(MainControl::Picture12, [&controller] { controller.toggle_menu_position(); });
    on_click(MainControl::Picture10, [&host] { host.Picture10_Click(); });
    on_click(MainControl::Picture5, [&host] { host.Picture5_Click(); });
    on_click(MainControl::Picture9, [&host] { host.Picture9_Click(); });
}

void Form1::connect_menu_bar(MainController& controller) {
    QMenuBar* bar = menuBar();
    for (const Menu& menu : main_menu()) {
        const QString caption = QString::fromStdString(menu.caption);
        if (menu.items.empty()) {
            QAction* command = bar->addAction(caption);
            command->setObjectName(QString::fromStdString(menu.name));
            connect(command, &QAction::triggered, this,
                    [&controller, name = menu.name] { controller.menu_command(name); });
            continue;
        }
        QMenu* drop = bar->addMenu(caption);
        drop->setObjectName(QString::fromStdString(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = item.separator()
                                  ? drop->addSeparator()
                                  : drop->addAction(QString::fromStdString(item.caption));
            action->setObjectName(QString::fromStdString(item.name));
            if (item.separator()) continue;
            connect(action, &QAction::triggered, this,
                    [&controller, name = item.name] { controller.menu_command(name); });
        }
    }
}

void Form1::connect_browser(MainController& controller) {
    BrowserHost& host = controller.host();
    web1_->on_progress_change = [&host](int p, int m) { host.WebBrowser1_ProgressChange(p, m); };
    web1_->on_before_navigate = [&host](const std::string&) { host.WebBrowser1_BeforeNavigate2(); };
    web1_->on_document_complete = [&host] { host.WebBrowser1_DocumentComplete(); };
    web1_->on_document_mouse_over = [&host] { host.HTMLDoc_onmouseover(); };
}

void Form1::connect_keys(BrowserKeys& keys) {
    for (const KeyBinding& binding : key_bindings()) {
        for (const std::string& key : binding.keys) {
            // Window-wide: the keys work from the address box and from inside a page alike.
            auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(key)), this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this,
                    [&keys, command = binding.command] { keys.run(command); });
        }
    }
    for (WebBrowser* browser : {web1_, web2_}) {
        browser->on_zoom_wheel = [&keys](int notches) { keys.zoom_wheel(notches); };
        connect(browser, &QWebEngineView::urlChanged, this,
                [&keys, browser] { keys.address_changed(*browser); });
    }
}

void Form1::focus_address() {
    combo1_->setFocus(Qt::ShortcutFocusReason);
    combo1_->lineEdit()->selectAll();
}

bool Form1::find_shown() const { return find_bar_->isVisible(); }

void Form1::show_find(Browser& browser) { find_bar_->show_over(&browser == web2_ ? web2_ : web1_); }

void Form1::hide_find() { find_bar_->close_bar(); }

void Form1::close_window() { close(); }

void Form1::maximise_window() { showMaximized(); }

void Form1::show_window() {
    Control& frame = (*typed_)[MainControl::Form1];
    const int left = frame.left(), top = frame.top(), width = frame.width(),
              height = frame.height();
    show();
    raise();
    activateWindow();
    // Bounded: without a window manager the frame never appears and the size is already right.
    for (int i = 0; i < 50 && frameGeometry().size() == size(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    frame.set_left(left);
    frame.set_top(top);
    frame.set_width(width);
    frame.set_height(height);
}

void Form1::close_program_windows() {
    int closed = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (closed == 11) break;
        if (w == this || !w->isVisible()) continue;
        w->close();
        ++closed;
    }
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The toolbar is aligned to the top edge: it always spans the window, whatever the layout
    // pass does with the panes below it.
    if (toolbar_) toolbar_->resize(client_->width(), toolbar_->height());
    if (controller_) controller_->Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && controller_) {
        controller_->Form_Activate();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (controller_) controller_->Form_Unload();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (controller_ == nullptr) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && watched == combo1_) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            controller_->host().Combo1_Enter(combo1_->currentText().toStdString());
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove && watched != combo1_) controller_->install_menu();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace presslane
