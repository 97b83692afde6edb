#include "browse/qt/catalogue_view.h"

#include <algorithm>

#include <QColor>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "browse/browser_host.h"
#include "browse/catalogue.h"
#include "browse/page_actions.h"
#include "browse/site_catalogue.h"
#include "common/qt/click_label.h"
#include "common/qt/standard_icons.h"

namespace presslane {
namespace {

// The commands of the start pane, left to right.
struct StartCommand {
    MainControl name;
    const char* text;
    const char* tooltip;
    QStyle::StandardPixmap icon;
};
const StartCommand kStartCommands[] = {
    {MainControl::Image34, "My Start Page", "셋팅 된 시작 페이지 사이트를 읽습니다",
     QStyle::SP_DirHomeIcon},
    {MainControl::Image32, "프레스레인 홈페이지", "프레스레인 홈페이지로 이동합니다",
     QStyle::SP_ComputerIcon},
    {MainControl::Image30, "연합뉴스 연합속보", "연합뉴스 뉴스속보를 읽습니다",
     QStyle::SP_FileDialogInfoView},
    {MainControl::Image31, "전세계 웹 랭킹/한국", "Alexa 제공 전세계 순위를 보여줍니다",
     QStyle::SP_DriveNetIcon},
};

constexpr const char* kFontFamily = "Noto Sans CJK KR";
constexpr int kLabelTop = 165, kLabelWidth = 1395, kLabelHeight = 270, kFirstLabel = 3405,
              kLabelStep = 1440;
constexpr int kLogoWidth = 1140, kLogoHeight = 285, kLogoStep = 360, kHeadingHeight = 195,
              kHeadingStep = 240, kMenuPadding = 120;
// The category row sits this far down the window in the normal view.
constexpr int kRowOffset = 785;

QColor colour_of(const catalogue::Colour& c) { return QColor(c.r, c.g, c.b); }

void paint_background(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(pal);
}

QFont font_of(int pixels, bool bold = true) {
    QFont f(kFontFamily);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The largest font up to `pixels` in which the text fits the width; long names are narrowed
// before they are made smaller.
QFont fitting_font(const QString& text, int pixels, int width) {
    QFont f = font_of(pixels);
    auto too_wide = [&] { return QFontMetrics(f).horizontalAdvance(text) > width; };
    if (too_wide()) f.setStretch(QFont::SemiCondensed);
    if (too_wide()) f.setStretch(QFont::Condensed);
    while (pixels > 7 && too_wide()) f.setPixelSize(--pixels);
    return f;
}

// A command of the start-page pane: a raised button face with an icon and its text.
QPixmap command_face(const QIcon& icon, const QString& text, int width, int height) {
    QPixmap face(width, height);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(255, 255, 255));
    shade.setColorAt(1, QColor(214, 220, 232));
    p.setBrush(shade);
    p.setPen(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 4, 4);
    const int icon_size = height - 6;
    p.drawPixmap(5, 3, icon.pixmap(icon_size, icon_size));
    p.setPen(QColor(30, 40, 70));
    const QRect text_box(icon_size + 9, 0, width - icon_size - 12, height);
    p.setFont(fitting_font(text, 12, text_box.width()));
    p.drawText(text_box, Qt::AlignVCenter | Qt::AlignLeft, text);
    return face;
}

}  // namespace

QPixmap CatalogueView::logo_tile(const QString& name, const QColor& colour, int width, int height) {
    QPixmap tile(width, height);
    tile.fill(colour.lighter(135));
    QPainter p(&tile);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(colour.lighter(190));
    p.drawRect(0, 0, width - 1, height - 1);
    p.setFont(fitting_font(name, height - 6, width - 4));
    // A dark edge under the white letters keeps light tints readable.
    p.setPen(colour.darker(180));
    p.drawText(QRect(1, 1, width, height), Qt::AlignCenter, name);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, name);
    return tile;
}

CatalogueView::CatalogueView(QWidget* client, WidgetControlSet& controls, Bars bars)
    : controls_(controls) {
    build_bars(bars);
    build_start_pane(bars.start_pane);
    build_menus(client);
}

CatalogueView::~CatalogueView() = default;

void CatalogueView::build_bars(const Bars& bars) {
    labels_.resize(catalogue::menus().size());
    const auto all_bars = catalogue::bars();
    for (std::size_t b = 0; b < all_bars.size(); ++b) {
        const catalogue::Bar& bar = all_bars[b];
        QWidget* frame = bars.category_bars.at(b);
        paint_background(frame, colour_of(bar.colour));
        if (bar.caption) frame->setAccessibleName(QString::fromUtf8(bar.caption));
        int column = 0;
        for (std::size_t m = 0; m < catalogue::menus().size(); ++m) {
            const catalogue::Menu& menu = catalogue::menus()[m];
            if (std::string_view(menu.bar) != bar.frame) continue;
            auto* label =
                controls_.add(menu.label, new QLabel(QString::fromUtf8(menu.caption), frame));
            labels_[m] = label;
            label->setAlignment(Qt::AlignCenter);
            label->setFont(font_of(12));
            paint_background(label, colour_of(bar.colour));
            place(label, kFirstLabel + kLabelStep * column++, kLabelTop, kLabelWidth, kLabelHeight);
            label->setMouseTracking(true);
            // The bar behind closes every menu; a move on the label is the label's alone.
            label->setAttribute(Qt::WA_NoMousePropagation);
            label->installEventFilter(this);
        }
    }
    // The newspaper bar, Frame2, holds the all-newspapers command.
    all_newspapers_ = controls_.add(MainControl::Label1000,
                                    new ClickLabel("신문사 모두보기", bars.category_bars[0]));
    all_newspapers_->setAlignment(Qt::AlignCenter);
    all_newspapers_->setFont(font_of(12));
    all_newspapers_->setToolTip("클릭하시면 대한민국 신문사들을 모두 보실 수 있습니다");
    paint_background(all_newspapers_, QColor(53, 73, 93));
    place(all_newspapers_, 12070, kLabelTop, 1800, kLabelHeight);
    // Moving over it does nothing; the bar behind would close the open menu.
    all_newspapers_->setAttribute(Qt::WA_NoMousePropagation);
}

void CatalogueView::preload_icons() {
    for (const StartCommand& c : kStartCommands) StandardIcons::icon(c.icon);
}

void CatalogueView::build_start_pane(QWidget* frame) {
    int left = kFirstLabel;
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const StartCommand& c = kStartCommands[i];
        auto* picture = controls_.add(c.name, new ClickLabel({}, frame));
        commands_[i] = picture;
        place(picture, left, 150, 1920, 315);
        picture->setToolTip(QString::fromUtf8(c.tooltip));
        picture->setPixmap(command_face(StandardIcons::icon(c.icon), QString::fromUtf8(c.text),
                                        picture->width(), picture->height()));
        left += 2040;
    }
}

void CatalogueView::build_menus(QWidget* client) {
    for (const catalogue::Menu& menu : catalogue::menus()) {
        const catalogue::Bar* bar = catalogue::bar(menu.bar);
        const QColor colour = bar ? colour_of(bar->colour) : QColor(64, 64, 64);
        auto* frame = controls_.add(catalogue::menu_control(menu), new QFrame(client));
        paint_background(frame, colour);
        frame->setFrameShape(QFrame::Box);
        // A menu has no mouse handler: moving over it must not reach the window behind, which
        // would close it.
        frame->setAttribute(Qt::WA_NoMousePropagation);
        const int logo_left = menu.family == 15 ? 135 : 120;
        int y = kMenuPadding;
        for (const catalogue::Item& item : menu.items) {
            const QString name = QString::fromUtf8(item.name);
            if (item.heading()) {
                auto* heading = new QLabel(name, frame);
                heading->setFont(font_of(11));
                heading->setAlignment(Qt::AlignCenter);
                place(heading, 0, y, menu.family == 15 ? 1400 : 1395, kHeadingHeight);
                y += kHeadingStep;
                continue;
            }
            auto* logo = controls_.add(catalogue::logo_control(item.array, menu.logo_member),
                                       new ClickLabel({}, frame));
            place(logo, logo_left, y, kLogoWidth, kLogoHeight);
            if (item.tooltip) logo->setToolTip(QString::fromUtf8(item.tooltip));
            logos_.push_back({logo, item.array, menu.logo_member, frame, name, colour});
            y += kLogoStep;
        }
        const int column = (menu.family - 11);
        place(frame, kFirstLabel + kLabelStep * column, kLabelTop + kLabelHeight + kRowOffset,
              menu.family == 15 ? 1400 : 1395, y - kLogoStep + kLogoHeight + kMenuPadding);
        frame->hide();
        frame->raise();
        frame->installEventFilter(this);
    }
    // The two empty menus exist but are never shown.
    for (const char* name : catalogue::kEmptyMenus) {
        controls_.add(name, new QFrame(client))->hide();
    }
}

void CatalogueView::connect_to(SiteCatalogue& catalogue, SpecialPages& special, BrowserHost& host) {
    catalogue_ = &catalogue;
    for (const Logo& logo : logos_) {
        connect(logo.label, &ClickLabel::clicked, this,
                [&catalogue, array = logo.array, member = logo.member] {
                    catalogue.Image_Click(array, member);
                });
    }
    connect(all_newspapers_, &ClickLabel::clicked, this, [&special] { special.Label1000_Click(); });
    connect(commands_[0], &ClickLabel::clicked, this, [&host] { host.start_page_click(); });
    connect(commands_[1], &ClickLabel::clicked, this, [&special] { special.Image32_Click(); });
    connect(commands_[2], &ClickLabel::clicked, this, [&special] { special.Image30_Click(); });
    connect(commands_[3], &ClickLabel::clicked, this, [&special] { special.Image31_Click(); });
}

void CatalogueView::draw_logos(QObject* menu) {
    for (Logo& logo : logos_) {
        if (logo.menu != menu || logo.drawn) continue;
        logo.label->setPixmap(
            logo_tile(logo.name, logo.colour, logo.label->width(), logo.label->height()));
        logo.drawn = true;
    }
}

bool CatalogueView::eventFilter(QObject* watched, QEvent* event) {
    // A menu is shown before it paints: its logos are drawn in time for its first paint.
    if (event->type() == QEvent::Show) draw_logos(watched);
    if (event->type() == QEvent::MouseMove && catalogue_ != nullptr) {
        const auto label = std::find(labels_.begin(), labels_.end(), watched);
        if (label != labels_.end()) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            catalogue_->Label_MouseMove(static_cast<std::size_t>(label - labels_.begin()),
                                        WidgetControl::to_twips(at.x()),
                                        WidgetControl::to_twips(at.y()));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace presslane
