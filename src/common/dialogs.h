#pragma once

#include <string>

namespace presslane {

// What the user is told when a data file could not be written or a record not removed from it;
// the file is then as it was before.
inline constexpr const char* kSaveFailedText = "파일에 저장하지 못했습니다.";
inline constexpr const char* kDeleteFailedText = "파일에서 삭제하지 못했습니다.";
inline constexpr const char* kFileErrorTitle = "에러";

// Message boxes. Each call is modal: it returns when the user has answered, and window events
// (timers, browser events) keep running while the box is open.
class Dialogs {
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    virtual ~Dialogs() = default;
    // A box with an OK button.
    virtual void message(const std::string& text, const std::string& title,
                         Icon icon = Icon::None) = 0;
    // A box with Yes and No and the question icon; true only for Yes (only No cancels, so
    // closing the box counts as No only where the platform offers no other answer).
    virtual bool ask_yes_no(const std::string& text, const std::string& title) = 0;
};

}  // namespace presslane
