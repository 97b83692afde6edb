#include "shell/main_menu.h"

namespace presslane {

const std::vector<Menu>& main_menu() {
    // Two items of the first menu share the access key H; the captions stand as they are.
    static const std::vector<Menu> menus = {
        {"menu02",
         "환경설정(&E)",
         {{"menu02_5", "프레스레인 - 자동실행 설정 (&S)"},
          {"menu02_1", "프레스레인 - 시작페이지 설정 (&H)"},
          {"menu02_6", "프레스레인 - 창크기 재설정 (&W)"},
          {"mPopline", "-"},
          {"menu02_2", "팝업광고 금지 설정 (&P)"},
          {"mPopline1", "-"},
          {"menu02_3", "프로그램 정보 보기 (&I)"},
          {"menu02_4", "프레스레인 홈페이지로 가기 (&H)"},
          {"mPopline2", "-"},
          {"mPopExit", "Exit (&X)"}}},
        {"menu05",
         "미디어설정(&M)",
         {{"menu02_7", "미디어 - 자동실행 설정 (&A)"},
          {"menu02_8", "미디어 - My 미디어 설정 (&R)"}}},
        {"menu03",
         "기사편집(&A)",
         {{"menu03_1", "기사 스크랩"},
          {"menu03_3", "기사 메일발송"},
          {"menu03_2", "기사 인쇄하기"}}},
        {"menu06",
         "부가기능(&O)",
         {{"menu06_1", "화면 - 윈도우 넓게 보기"},
          {"menu06_2", "화면 - 하단메뉴 위치이동"},
          {"menu03_4", "즐겨찾기(북마크)"}}},
        {"menu04", "▶손가락 하나로 모든 뉴스를 : 프레스레인(&H)", {}},
    };
    return menus;
}

}  // namespace presslane
