#include "mail/qt/form4.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "browse/qt/web_browser.h"
#include "mail/qt/web_load_watch.h"

namespace presslane {

Form4::Form4(ArticleSource source, std::string mail_form, Dialogs& dialogs, EventPump& pump,
             const Clock& clock, const std::filesystem::path& app_folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName("Form4");
    setWindowTitle("프레스레인 기사 -> 메일 발송");
    setModal(true);

    auto* frame = controls_.add(MailControl::Frame1, new QGroupBox(MailController::kFrameCaption));
    auto* grid = new QGridLayout(frame);
    const char* captions[] = {"받으실 분 이메일 :", "보내는 사람 이름 :", "보내는 사람 이메일 :"};
    const MailControl boxes[] = {MailControl::Text1, MailControl::Text2, MailControl::Text3};
    for (int i = 0; i < 3; ++i) {
        const std::string label = "Label" + std::to_string(i + 1);
        grid->addWidget(controls_.add(label, new QLabel(captions[i])), i, 0);
        grid->addWidget(controls_.add(boxes[i], new QLineEdit), i, 1);
    }
    grid->addWidget(controls_.add("Label4", new QLabel("내용 :")), 3, 0, Qt::AlignTop);
    auto* content = controls_.add("Text4", new QPlainTextEdit);
    content->setFixedHeight(90);
    // Tab moves on to the send button rather than into the text.
    content->setTabChangesFocus(true);
    grid->addWidget(content, 3, 1);
    auto* bar = controls_.add("ProgressBar1", new QProgressBar);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    grid->addWidget(bar, 4, 0, 1, 2);
    auto* send =
        controls_.add("Command1", new QPushButton("현재 페이지의 기사를 메일로 발송합니다"));
    send->setAutoDefault(false);
    grid->addWidget(send, 5, 0, 1, 2);

    browser_ = new WebBrowser;
    browser_->setObjectName("WebBrowser1");
    controls_.add("WebBrowser1", browser_->control());
    browser_->setMinimumHeight(120);
    watch_ = new WebLoadWatch(browser_->page(), this);
    progress_ = std::make_unique<ProgressBarControl>(bar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(browser_);
    resize(480, 520);

    controller_ = std::make_unique<MailController>(
        Controls<MailControl>(controls_),
        MailController::Ports{*browser_, *watch_, *progress_, dialogs, pump, clock},
        std::move(source), std::move(mail_form), app_folder, [this] { close(); });
    connect(send, &QPushButton::clicked, this, [this] { controller_->Command1_Click(); });
    controller_->Form_Load();
}

Form4::~Form4() = default;

void Form4::done(int result) {
    controller_->Form_Unload();
    QDialog::done(result);
}

void Form4::open(ArticleSource source, std::string mail_form, Dialogs& dialogs, EventPump& pump,
                 const Clock& clock, const std::filesystem::path& app_folder, QWidget* parent) {
    Form4 form(std::move(source), std::move(mail_form), dialogs, pump, clock, app_folder, parent);
    form.exec();
}

}  // namespace presslane
