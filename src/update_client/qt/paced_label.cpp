#include "update_client/qt/paced_label.h"

namespace presslane {

PacedLabel::PacedLabel(QLabel* label)
    : WidgetControl(label), caption_(WidgetControl::caption()), pacer_([this] {
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
    WidgetControl::set_caption(caption_);
}

}  // namespace presslane
