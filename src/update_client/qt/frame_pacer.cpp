#include "update_client/qt/frame_pacer.h"

#include <utility>

namespace presslane {

FramePacer::FramePacer(std::function<void()> show_pending)
    : show_pending_(std::move(show_pending)) {
    next_frame_.setSingleShot(true);
    next_frame_.callOnTimeout([this] { show_pending_(); });
}

bool FramePacer::may_show_now() {
    if (next_frame_.isActive()) return false;
    if (since_shown_.isValid()) {
        const qint64 elapsed = since_shown_.elapsed();
        if (elapsed < kFrameMs) {
            next_frame_.start(int(kFrameMs - elapsed));
            return false;
        }
    }
    return true;
}

void FramePacer::shown() {
    next_frame_.stop();
    since_shown_.start();
}

}  // namespace presslane
