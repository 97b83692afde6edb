#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/control_set.h"

namespace presslane {

// Declares a window's controls once: an enum class Id with one value per control, named as the
// control, and the names the window system knows them by. LIST is a macro taking one macro and
// applying it to each control name:
//   #define FORM3_CONTROLS(X) X(Form3) X(Text1) X(Command8)
//   PRESSLANE_DECLARE_CONTROLS(SettingsControl, FORM3_CONTROLS)
// A misspelt control is then a compile error, and Controls<Id> below checks at construction that
// the window built every one of them.
#define PRESSLANE_CONTROL_ENUMERATOR(name) name,
#define PRESSLANE_CONTROL_NAME(name) std::string_view(#name),
#define PRESSLANE_DECLARE_CONTROLS(Id, LIST)                              \
    enum class Id { LIST(PRESSLANE_CONTROL_ENUMERATOR) };                 \
    inline constexpr std::array Id##_names{LIST(PRESSLANE_CONTROL_NAME)}; \
    constexpr const auto& control_names(Id) { return Id##_names; }

// The controls of one window, each reached by its enum value: the names are looked up once, when
// the controls are gathered, and a window that lacks one fails there, loudly, instead of every
// later use skipping it in silence.
template <typename Id>
class Controls {
public:
    static constexpr std::size_t count = control_names(Id{}).size();

    // Throws MissingControl naming the first control of Id that `from` lacks.
    explicit Controls(const ControlSet& from) {
        for (std::size_t i = 0; i < count; ++i) controls_[i] = &from.at(control_names(Id{})[i]);
    }

    Control& operator[](Id id) const { return *controls_[static_cast<std::size_t>(id)]; }
    static std::string_view name(Id id) {
        return control_names(Id{})[static_cast<std::size_t>(id)];
    }

private:
    std::array<Control*, count> controls_{};
};

}  // namespace presslane
