#include "scrap/qt/scrap_pane.h"

#include <QFrame>
#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

#include "common/qt/click_label.h"
#include "common/qt/widget_control.h"

namespace presslane {

ScrapPane::ScrapPane(QFrame* frame9, QTreeWidget* list_view1, Browser& preview, Dialogs& dialogs,
                     EventPump& pump, const std::filesystem::path& app_folder)
    : QObject(frame9), list_(list_view1), scrapbook_(list_, preview, dialogs, pump, app_folder) {
    list_view1->setColumnCount(3);
    list_view1->setHeaderLabels({"스크랩시간", "기사제목", "원본 URL"});
    list_view1->setRootIsDecorated(false);
    list_view1->setSelectionMode(QAbstractItemView::SingleSelection);
    list_view1->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_view1->setAllColumnsShowFocus(true);
    // The address is held in each row but not shown.
    QHeaderView* header = list_view1->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    list_view1->setColumnWidth(0, 160);
    list_view1->setColumnWidth(2, 0);
    connect(list_view1, &QTreeWidget::itemDoubleClicked, this,
            [this] { scrapbook_.ListView1_DblClick(); });

    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        void (Scrapbook::*click)();
    };
    const Button buttons[] = {
        {"Image35", "다시읽기", "스크랩북의 기사를 다시 읽습니다", &Scrapbook::Image35_Click},
        {"Image36", "선택삭제", "선택한 스크랩 기사를 삭제합니다", &Scrapbook::Image36_Click},
        {"Image37", "빽업", "스크랩북에 저장된 모든 기사를 빽업합니다", &Scrapbook::Image37_Click},
        {"Image38", "전체삭제", "저장된 스크랩기사를 모두 삭제합니다", &Scrapbook::Image38_Click}};
    // The address box sits over the start of every category bar (3375 twips wide); the buttons
    // begin where the bars' own labels do.
    int left = WidgetControl::to_pixels(3405) + 8;
    for (const Button& b : buttons) {
        auto* label = new ClickLabel(QString::fromUtf8(b.caption), frame9);
        label->setObjectName(b.name);
        label->setToolTip(QString::fromUtf8(b.tooltip));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, QColor(250, 250, 250));
        label->setPalette(pal);
        label->setGeometry(left, 6, 76, 22);
        left += 82;
        connect(label, &ClickLabel::clicked, this,
                [this, click = b.click] { (scrapbook_.*click)(); });
    }
}

}  // namespace presslane
