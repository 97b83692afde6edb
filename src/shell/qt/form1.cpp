#include "shell/qt/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>

#include "browse/qt/catalogue_view.h"
#include "browse/qt/web_browser.h"
#include "common/endpoints.h"
#include "common/qt/click_label.h"
#include "mail/qt/article_tools.h"
#include "media/qt/media_controls_widget.h"
#include "media/qt/media_pane_widget.h"
#include "search/qt/search_windows.h"
#include "settings/qt/form3.h"
#include "settings/xdg_auto_start.h"
#include "shell/main_menu.h"
#include "shell/qt/form6.h"
#include "shell/qt/form9.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/qt_tray_icon.h"
#include "shell/tray.h"

namespace presslane {
namespace {

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

constexpr const char* kPaneNames[] = {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame9"};

}  // namespace

Form1::Form1(MainWindow::Ports ports, std::filesystem::path app_folder,
             BrowserHost::Addresses addresses, MainWindow::Hooks hooks)
    : QMainWindow(nullptr), ports_(ports), folder_(app_folder), client_(new QWidget(this)) {
    setObjectName("Form1");
    setWindowTitle(QString::fromStdString("프레스레인 [" + addresses.domain + "]"));
    setCentralWidget(client_);
    client_->setObjectName("Form1Client");
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    paint_background(client_, QColor(236, 236, 236));
    // The designed client area; call_width gives the real size before the window is shown.
    resize(px(18810), px(13065));

    controls_.add("Form1", this);
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
    media_ = new MediaPaneWidget(
        static_cast<QFrame*>(static_cast<WidgetControl*>(controls_.find("Frame8"))->widget()),
        controls_,
        MediaPaneWidget::Context{ports.dialogs, ports.pump, ports.clock, *web1_, app_folder,
                                 [this] { return controller_->layout_state().view_mode; },
                                 [this] { open_settings(); }});
    hooks.load_verified_radio = [this] { media_->controller().load_verified_radio(); };
    hooks.load_my_radio = [this] { media_->controller().load_my_radio(); };
    hooks.radio_on = [this] { media_->controller().radio_on(); };
    catalogue_ = std::make_unique<CatalogueView>(
        client_, controls_,
        CatalogueView::Ports{*web1_, *web3_, ports.dialogs, ports.pump, ports.shell},
        CatalogueView::Hooks{[this] { controller_->install_menu(); },
                             [this] { controller_->host().start_page_click(); },
                             [this, ports] { Form9::show_modal(ports.pump, ports.clock, this); }});
    hooks.browse.set_popup_state = [this](const std::string* field2) {
        catalogue_->popups().set_from_settings(field2);
    };
    hooks.browse.toggle_popup = [this] { catalogue_->popups().Toolbar1_Button7_Click(); };
    web1_->on_new_window = [this](bool by_user) {
        return catalogue_->popups().WebBrowser1_NewWindow2(by_user);
    };

    articles_ = std::make_unique<ArticleTools>(
        ArticleTools::Window{this, *web1_, *web2_,
                             [this]() -> Browser& { return controller_->host().active_browser(); },
                             [this] {
                                 controller_->host().Toolbar1_ButtonClick(2);
                                 web1_->show();
                             }},
        ports.dialogs, ports.pump, ports.clock, app_folder,
        ArticleTools::Endpoints{endpoints::home_page(), endpoints::mail_form()});
    articles_->install(hooks.browse, hooks.load_bookmark_titles);

    build_tray(hooks, ports.clock);
    auto_start_ = std::make_unique<XdgAutoStart>(default_autostart_folder());
    hooks.open_settings = [this] { open_settings(); };
    hooks.open_about = [this, version = addresses.version] {
        Form6::open(version, endpoints::home_page(), this);
    };
    hooks.open_home_page = [this] { catalogue_->catalogue().open_home_page(); };
    hooks.open_media_settings = [this] { media_->controller().menu02_8_Click(); };
    hooks.show_window = [this] { show_with_frame(); };
    hooks.close_window = [this] { close(); };
    hooks.maximise_window = [this] { showMaximized(); };
    hooks.close_program_windows = [this] { close_program_windows(); };
    controller_ = std::make_unique<MainWindow>(
        BrowserHost::Browsers{*web1_, *web2_, *web3_}, controls_, *progress_port_, ports,
        std::move(app_folder), std::move(addresses), std::move(hooks));
    connect_browser();
    build_menu_bar();
    searches_ =
        std::make_unique<SearchWindows>(*controls_.find("Form1"), *controls_.find("Frame10"),
                                        *web1_, ports.dialogs, ports.pump, ports.clock, this);
    on_click("Picture15", [this] { searches_->open_portal_search(); });
    on_click("Picture14", [this] { searches_->open_webmail(); });

    timer2_.setInterval(1000);
    connect(&timer2_, &QTimer::timeout, this, [this] { controller_->Timer2_Timer(); });
    timer2_.start();
}

Form1::~Form1() = default;

template <typename F>
void Form1::on_click(const char* name, F handler) {
    auto* label =
        static_cast<ClickLabel*>(static_cast<WidgetControl*>(controls_.find(name))->widget());
    connect(label, &ClickLabel::clicked, this, handler);
}

ClickLabel* Form1::picture(const char* name, const QString& text, QWidget* parent,
                           const QString& tooltip, int left, int top, int width, int height) {
    auto* label = controls_.add(name, new ClickLabel(text, parent));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(tooltip);
    place(label, left, top, width, height);
    return label;
}

void Form1::build_browsers() {
    web1_ = new WebBrowser(client_);
    web1_->setObjectName("WebBrowser1");
    controls_.add("WebBrowser1", web1_->control());
    place(web1_, 0, 1300, 18660, 10575);

    auto* list = controls_.add("ListView1", new QTreeWidget(client_));
    list->setHeaderLabels({"스크랩시간", "기사제목", "원본 URL"});
    list->setRootIsDecorated(false);
    list->hide();

    web2_ = new WebBrowser(client_);
    web2_->setObjectName("WebBrowser2");
    controls_.add("WebBrowser2", web2_->control());
    web2_->hide();

    // Never shown: the visit counter and the sink for blocked popups. Muted, so that no sound
    // plays without a page to show where it comes from.
    web3_ = new WebBrowser(client_);
    web3_->setObjectName("WebBrowser3");
    controls_.add("WebBrowser3", web3_->control());
    web3_->set_audio_muted(true);
    web3_->hide();
}

void Form1::build_toolbar() {
    auto* bar = controls_.add("Toolbar1", new QFrame(client_));
    place(bar, 0, 0, 18810, 795);
    paint_background(bar, QColor(246, 246, 246));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setMouseTracking(true);
    bar->installEventFilter(this);

    const char* captions[] = {"프레스레인", "종합신문", "생활전문지", "워킹라이프",
                              "엔터테인",   "MY스크랩", "팝업허용"};
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_DirHomeIcon,        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogListView, QStyle::SP_DesktopIcon,
        QStyle::SP_MediaPlay,          QStyle::SP_DialogSaveButton,
        QStyle::SP_MessageBoxWarning};
    for (int i = 0; i < 7; ++i) {
        auto* button = new QToolButton(bar);
        const std::string name = "Toolbar1_Button" + std::to_string(i + 1);
        controls_.add(name.c_str(), button);
        button->setText(captions[i]);
        button->setIcon(style()->standardIcon(icons[i]));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        // The pointer on a button is on the toolbar: it closes the catalogue menus too.
        button->setMouseTracking(true);
        button->installEventFilter(this);
        place(button, 60 + i * 1140, 30, 1110, 735);
        connect(button, &QToolButton::clicked, this,
                [this, i] { controller_->host().Toolbar1_ButtonClick(i + 1); });
    }

    struct Partner {
        const char* name;
        const char* site;
        const char* tag;
        int width;
        QColor ink;
    };
    const Partner partners[] = {{"Picture8", "연합뉴스", "제휴언론", 1500, QColor(0, 84, 166)},
                                {"Picture7", "오마이뉴스", "참여언론", 1500, QColor(220, 90, 0)},
                                {"Picture20", "대자보", "제휴언론", 1500, QColor(30, 130, 60)},
                                {"Picture1", "프레스레인", "홈", 1200, QColor(61, 74, 108)}};
    for (const auto& p : partners) {
        auto* tile = picture(p.name, {}, bar, {}, 0, 105, p.width, 585);
        tile->setPixmap(partner_tile(tile->width(), tile->height(), p.site, p.tag, p.ink));
    }
    controls_.find("Picture8")->set_tooltip("바른언론 빠른뉴스 인터넷 연합뉴스");
    controls_.find("Picture7")->set_tooltip("뉴스게릴라들의 뉴스연대 - 오마이뉴스");
    controls_.find("Picture20")->set_tooltip("대자보는 프레스레인 협찬 언론사입니다 ^L^");
    controls_.find("Picture1")->set_tooltip("프레스레인 홈페이지로 이동합니다 ^L^");
}

void Form1::build_category_row() {
    const QColor colours[] = {QColor(61, 74, 108), QColor(40, 70, 140), QColor(30, 110, 90),
                              QColor(120, 80, 30), QColor(130, 40, 90), QColor(90, 90, 90)};
    for (int i = 0; i < 6; ++i) {
        auto* frame = controls_.add(kPaneNames[i], new QFrame(client_));
        place(frame, 0, 780, i == 1 ? 15135 : 13335, 520);
        paint_background(frame, colours[i]);
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
        frame->setVisible(i == 1);
    }
    // The clock lives in the newspaper bar.
    auto* clock = controls_.add("Label7", new QLabel(client_->findChild<QFrame*>("Frame2")));
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = clock->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    clock->setPalette(pal);
    place(clock, 14040, 165, 1095, 240);
}

void Form1::build_address_bar() {
    auto* bar = controls_.add("Frame17", new QFrame(client_));
    place(bar, 0, 900, 3375, 370);
    paint_background(bar, QColor(246, 246, 246));

    combo1_ = controls_.add("Combo1", new QComboBox(bar));
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
    connect(combo1_, qOverload<int>(&QComboBox::activated), this,
            [this](int) { controller_->host().Combo1_Click(); });

    auto* back = picture("Image1", {}, bar, " 뒤로가기 ", 1860, 15, 330, 340);
    back->setPixmap(style()->standardIcon(QStyle::SP_ArrowBack).pixmap(18, 18));
    connect(back, &ClickLabel::clicked, this, [this] { controller_->host().Image1_Click(); });
    auto* forward = picture("Image2", {}, bar, " 앞으로 가기 ", 2190, 15, 330, 340);
    forward->setPixmap(style()->standardIcon(QStyle::SP_ArrowForward).pixmap(18, 18));
    connect(forward, &ClickLabel::clicked, this, [this] { controller_->host().Image2_Click(); });
    auto* bookmarks = picture("Image39", "북마크", bar, " 자주 가는 사이트를 즐겨찾기 하세요 ",
                              2520, 15, 630, 340);
    connect(bookmarks, &ClickLabel::clicked, this, [this] { controller_->host().Image39_Click(); });
    auto* hash = picture("Label9", "#", bar, {}, 3165, 15, 195, 340);
    connect(hash, &ClickLabel::clicked, this, [this] {
        controller_->host().Label9_Click(qEnvironmentVariable("USER").toStdString(),
                                         QDir::rootPath().toStdString());
    });
    // The notice over the start of the address row hides for good once the mouse touches it.
    auto* notice = picture("Picture11", "http://", bar, {}, 15, 15, 600, 340);
    notice->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(16, 16));
    paint_background(notice, Qt::white);
    connect(notice, &ClickLabel::mouseMoved, this,
            [this] { controller_->host().Picture11_MouseMove(); });
}

void Form1::build_bottom_bar() {
    auto* bar = controls_.add("Frame10", new QFrame(client_));
    place(bar, 0, 11875, 18660, 390);
    paint_background(bar, QColor(226, 230, 238));
    bar->setMouseTracking(true);
    bar->installEventFilter(this);

    auto* media = picture("Picture4", "▶ 프레스레인 미디어채널 ON", bar, "클릭 - 도움말 보기", 45,
                          15, 2400, 360);
    paint_background(media, QColor(61, 74, 108));
    QPalette pal = media->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    media->setPalette(pal);
    connect(media, &ClickLabel::mouseMoved, this,
            [this] { controller_->host().Picture4_MouseMove(); });
    connect(media, &ClickLabel::clicked, this, [this] { controller_->host().Picture4_Click(); });

    ClickLabel* searches[] = {
        picture("Picture16", "신문검색", bar, "모든 신문기사를 검색합니다", 2520, 15, 900, 360),
        picture("Picture15", "포털검색", bar, "모든 포털을 검색합니다", 3450, 15, 900, 360),
        picture("Picture14", "메일검색", bar, "모든 메일을 검색합니다", 4380, 15, 900, 360)};
    // Moving over the searches does nothing: the bar behind them, which closes the catalogue
    // menus, never hears of it.
    for (ClickLabel* search : searches) search->setAttribute(Qt::WA_NoMousePropagation);

    progress_ = controls_.add("ProgressBar1", new QProgressBar(bar));
    progress_->setTextVisible(false);
    place(progress_, 5370, 90, 2400, 210);
    progress_port_ = std::make_unique<ProgressBarControl>(progress_);
    auto* status = controls_.add("Label26", new QLabel("Media OFF", bar));
    place(status, 7860, 45, 2700, 300);
    picture("Image4", "나만의 미디어", bar, "나만의 미디어 설정", 10620, 15, 1050, 360);
    picture("Image3", "환경설정", bar, "환경/미디어 설정", 11700, 15, 900, 360);
}

void Form1::build_tool_strip() {
    auto* strip = controls_.add("Frame7", new QFrame(client_));
    place(strip, 12045, 11880, 6615, 380);
    paint_background(strip, QColor(226, 230, 238));
    strip->setMouseTracking(true);
    strip->installEventFilter(this);

    struct Tool {
        const char* name;
        const char* label;
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    const Tool tools[] = {
        {"Picture6", "넓게보기", "화면의 크기를 변경합니다", QStyle::SP_TitleBarMaxButton},
        {"Picture2", "시작페이지", "현재 페이지를 시작페이지로 설정합니다", QStyle::SP_DirHomeIcon},
        {"Picture12", "메뉴이동", "하단으로 메뉴 내리기", QStyle::SP_ArrowUp},
        {"Picture10", "기사 프린트", "현재 기사를 메일로 발송합니다", QStyle::SP_FileIcon},
        {"Picture5", "기사 스크랩", "현재 기사를 스크랩북에 저장합니다",
         QStyle::SP_DialogSaveButton},
        {"Picture9", "메일 보내기", "현재 기사를 프린터로 인쇄합니다", QStyle::SP_FileLinkIcon}};
    for (int i = 0; i < 6; ++i) {
        auto* tool = picture(tools[i].name, tools[i].label, strip, tools[i].tooltip, 15 + i * 1095,
                             15, 1080, 350);
        tool->setFrameShape(QFrame::StyledPanel);
    }
    on_click("Picture6", [this] { controller_->toggle_view(); });
    on_click("Picture2", [this] { controller_->host().Picture2_Click(); });
    on_click("Picture12", [this] { controller_->toggle_menu_position(); });
    on_click("Picture10", [this] { controller_->host().Picture10_Click(); });
    on_click("Picture5", [this] { controller_->host().Picture5_Click(); });
    on_click("Picture9", [this] { controller_->host().Picture9_Click(); });
}

void Form1::build_media_pane() {
    auto* pane = controls_.add("Frame8", new QFrame(client_));
    place(pane, 45, 11875, 2535, 3000);
    paint_background(pane, QColor(20, 20, 20));
    pane->setFrameShape(QFrame::Box);
    pane->hide();
}

void Form1::build_menu_bar() {
    QMenuBar* bar = menuBar();
    for (const Menu& menu : main_menu()) {
        const QString caption = QString::fromStdString(menu.caption);
        if (menu.items.empty()) {
            QAction* command = bar->addAction(caption);
            command->setObjectName(QString::fromStdString(menu.name));
            connect(command, &QAction::triggered, this,
                    [this, name = menu.name] { controller_->menu_command(name); });
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
                    [this, name = item.name] { controller_->menu_command(name); });
        }
    }
}

void Form1::build_tray(MainWindow::Hooks& hooks, const Clock& clock) {
    // The picture the tray notifications are addressed to; never shown.
    auto* hook = controls_.add("pichook", new QLabel(client_));
    hook->setToolTip("트레이에 쓰임");
    hook->hide();
    tray_icon_ = new QtTrayIcon(program_icon(), this);
    // The player's commands, so that a stream playing with the media pane hidden can be stopped.
    auto* tray_menu = new QMenu(this);
    tray_menu->setObjectName("TrayMenu");
    connect(tray_menu, &QMenu::aboutToShow, this,
            [this, tray_menu] { media_->strip().fill_menu(tray_menu); });
    tray_icon_->set_menu(tray_menu);
    tray_ = std::make_unique<Tray>(*tray_icon_, clock,
                                   Tray::Window{[this] {
                                                    if (!isVisible())
                                                        return Tray::WindowState::Hidden;
                                                    if (isMinimized())
                                                        return Tray::WindowState::Minimised;
                                                    if (isMaximized())
                                                        return Tray::WindowState::Maximised;
                                                    return Tray::WindowState::Normal;
                                                },
                                                [this] {
                                                    showMinimized();
                                                    hide();
                                                },
                                                [this] {
                                                    showNormal();
                                                    raise();
                                                    activateWindow();
                                                }});
    tray_icon_->on_message = [this](int message) { tray_->pichook_MouseMove(message); };
    hooks.add_tray_icon = [this] { tray_->add_tray_icon(); };
    hooks.remove_tray_icon = [this] { tray_->remove_tray_icon(); };
}

void Form1::connect_browser() {
    BrowserHost& host = controller_->host();
    web1_->on_progress_change = [&host](int p, int m) { host.WebBrowser1_ProgressChange(p, m); };
    web1_->on_before_navigate = [&host](const std::string&) { host.WebBrowser1_BeforeNavigate2(); };
    web1_->on_document_complete = [&host] { host.WebBrowser1_DocumentComplete(); };
    web1_->on_document_mouse_over = [&host] { host.HTMLDoc_onmouseover(); };
}

void Form1::show_with_frame() {
    const Control& form = *controls_.find("Form1");
    const int left = form.left(), top = form.top(), width = form.width(), height = form.height();
    show();
    raise();
    activateWindow();
    // Bounded: without a window manager the frame never appears and the size is already right.
    for (int i = 0; i < 50 && frameGeometry().size() == size(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    Control& frame = *controls_.find("Form1");
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

void Form1::open_settings() {
    Form3::open(
        {ports_.dialogs, ports_.pump, ports_.screen, *auto_start_, *web1_, *controls_.find("Form1"),
         folder_, QCoreApplication::applicationFilePath().toStdString()},
        this);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The toolbar is aligned to the top edge: it always spans the window, whatever the layout
    // pass does with the panes below it.
    if (QWidget* bar = client_->findChild<QWidget*>("Toolbar1", Qt::FindDirectChildrenOnly)) {
        bar->resize(client_->width(), bar->height());
    }
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
    if (event->type() == QEvent::KeyPress && watched == combo1_) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            controller_->host().Combo1_Enter();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove && controller_ && watched != combo1_) {
        controller_->install_menu();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace presslane
