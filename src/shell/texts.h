#pragma once

namespace presslane::texts {

// The thanks list shown on the splash and in the about window: one line per contributor with the
// feature each helped with, then a closing line of thanks.
inline constexpr const char* kThanks =
    "(도움주신분들)\r\n"
    "베타 테스트 모임 - 신문사 목록 정리와 주소 확인\r\n"
    "인터넷 방송 동호회 - 미디어 채널 목록 추천\r\n"
    "독자 게시판 여러분 - 스크랩북과 북마크 기능 제안\r\n"
    "디자인 자원봉사자 - 메뉴와 로고 화면 구성\r\n"
    "도와주신 모든 분들께 진심으로 감사드립니다.";

inline constexpr const char* kFreewareNotice =
    "프레스레인은 누구나 무료로 사용할 수 있는 프리웨어입니다.";
inline constexpr const char* kDesignNotice =
    "화면 구성을 옮겨 쓰시려면 먼저 홈페이지로 연락해 주십시요.";

}  // namespace presslane::texts
