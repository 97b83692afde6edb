#include "update_client/qt/paced_label.h"

namespace presslane {

PacedLabel::PacedLabel(QLabel* label)
    : label_(label), caption_(label_.caption()), pacer_([this] {
          if (waiting_) show();
      }) {}

void PacedLabel::set_caption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    if (!pacer_.may_show_now()) {
        waiting_ = true;
        return;
    }
    show();
}

void PacedLabel::show() {
    waiting_ = false;
    pacer_.shown();
    label_.set_caption(caption_);
}

}  // namespace presslane
