#include "shell/about_controller.h"

#include <array>

#include "shell/texts.h"

namespace presslane {
namespace {

constexpr const char* kEmail = "lane@presslane.co.kr";

// Newest first. The entries of one month make a group.
constexpr std::array kHistory = {
    "2005.3.20 : 프레스레인 미디어 채널 기능 보강",
    "2005.3.18 : 일본뉴스 -> 한국어로 번역 보기 기능 추가",
    "2005.3.17 : 북마크 기능 ie와 연동 기능 추가",
    "2005.3.17 : 자체 업그레이드(Self) 기능 추가",
    "2005.2.10 : 메일/포털/기사 검색 기능 추가",
    "2005.1.10 : 화면크기 크게보기 기능 추가(하단오른쪽메뉴)",
    "2005.1.10 : 프레스레인 미디어채널 마우스로 끌기 기능 추가",
    "2005.1.10 : 화면 마우스로 더블클릭시 전체화면 기능 추가",
    "2005.1.07 : mscomctl.ocx 에러 긴급패치 버전 배포",
    "2005.1.07 : 미디어 기능 보완 / 수정(편리한 인터페이스)",
    "2005.1.06 : 팝업(광고)창 기능 보완(스크립에러100%없앰)",
    "2005.1.06 : 마이스크랩 기능 보완",
    "2005.1.03 : 대한민국 전체 신문사 보기 기능 추가",
    "2005.1.03 : 방송불가 채널 수정 / 미디어에러 수정",
    "2005.1.03 : 나만의 라디오 자동실행 기능 추가/보완",
    "2004.12.27 : 방송채널 자동으로 받기 기능 추가",
    "2004.12.21 : 나만의 방송국 기능 추가",
    "2004.11.09 : 윈도우 시작시 자동실행 기능 추가",
    "2004.11.09 : 시작 시 라디오 자동플레이 기능 추가",
    "2004.11.09 : 종료시 창 크기 기억 기능 추가",
    "2004.11.09 : 기본 창 크기 재 설정 기능 추가",
    "2004.11.01 : 프로그램 이름을 프레스레인으로 통일(정체성 확립)",
    "2004.11.01 : 편리한 인터페이스로 디자인 대폭 보강",
    "2004.11.01 : 라디오 방송국 4개 추가",
    "2004.11.01 : 미니-익스플로워 기능 추가",
    "2004.11.01 : 시작페이지 설정기능 하단바에 추가삽입",
    "2004.11.01 : 메뉴가 잘 사라지지 않던 오류 수정",
    "2004.09.17 : 오류부분 수정/업그레이드",
    "2004.09.01 : 미디어기능 업그레이드",
    "2004.08.28 : 메뉴보강기능(300개사이트추가)",
    "2004.08.21 : 팝업금지 에러부분 수정",
    "2004.08.09 : 디자인(UI) 변경",
    "2004.08.07 : 기사 메일발송 기능 추가",
    "2004.08.07 : 기사 프린트 기능 추가",
    "2004.07.27 : 사이트 북마크 기능 추가",
    "2004.07.23 : 뉴스 스크랩 기능 추가",
    "2004.07.17 : 시작페이지 설정 기능 추가",
};

constexpr const char* kTerms =
    "(사용권 계약)\r\n"
    "\r\n"
    "1. 사용의 허락\r\n"
    "이 프로그램은 프리웨어입니다. 개인은 물론 기업, 단체, 공공기관 누구나 무료로 사용하고 "
    "다른 사람에게 전달할 수 있습니다. 다만 프로그램을 고쳐서는 안 되며, 저작자의 동의 없이 "
    "상업적인 목적으로 배포할 수 없습니다.\r\n"
    "\r\n"
    "2. 사용자의 책임\r\n"
    "이 프로그램의 사용으로 생기는 어떠한 손해에 대해서도 저작자는 책임을 지지 않습니다. "
    "관련 법령을 지키는 것은 사용자의 책임입니다.\r\n"
    "\r\n"
    "3. 계약의 해지\r\n"
    "사용자가 이 계약을 어기면 계약은 그 즉시 끝나며, 사용자는 가지고 있는 프로그램의 "
    "모든 복사본을 없애야 합니다.";

}  // namespace

AboutController::AboutController(Controls<AboutControl> controls, std::string version,
                                 std::string home_page, std::function<void()> close)
    : controls_(controls),
      version_(std::move(version)),
      home_page_(std::move(home_page)),
      close_(std::move(close)) {}

std::string AboutController::upgrade_history() {
    std::string text = "(Upgrade History)\r\n\r\n";
    std::string month;
    for (const std::string line : kHistory) {
        // "2005.3.20 : ..." belongs to the month "2005.3".
        const std::string this_month = line.substr(0, line.find('.', line.find('.') + 1));
        if (!month.empty() && this_month != month) text += "\r\n";
        month = this_month;
        text += line + "\r\n";
    }
    return text;
}

std::string AboutController::terms_of_use() { return kTerms; }

void AboutController::set(AboutControl control, const std::string& text) {
    controls_[control].set_caption(text);
}

void AboutController::Form_Load() {
    set(AboutControl::Label1, "\"손가락 하나로 모든 뉴스를...\"");
    set(AboutControl::Label2, "Lane Desk " + version_);
    set(AboutControl::Label3, "이 프로그램은 프리웨어로 언제 어디서든 누구나 자유롭게 ");
    set(AboutControl::Label4, "무료로 사용이 가능합니다.");
    set(AboutControl::Label5, "이 프로그램에 대해 궁금하신 사항들은 홈페이지로 문의하실 수");
    set(AboutControl::Label6, "있습니다.");
    set(AboutControl::Text1, upgrade_history());
    set(AboutControl::Text2, texts::kThanks);
    set(AboutControl::Text3, terms_of_use());
    set(AboutControl::Label7, std::string("이메일: ") + kEmail);
    set(AboutControl::Label8, "홈페이지: " + home_page_);
    set(AboutControl::Command1, "확인");
}

void AboutController::Command1_Click() {
    if (close_) close_();
}

}  // namespace presslane
