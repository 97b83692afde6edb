#pragma once

namespace presslane {

// A check box as the controllers see it. Setting the value from a controller runs none of the
// box's handlers: a controller that wants the click action calls it itself.
class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual bool checked() const = 0;
    virtual void set_checked(bool checked) = 0;
};

}  // namespace presslane
