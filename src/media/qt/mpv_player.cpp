#include "media/qt/mpv_player.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "media/qt/mpv_library.h"

namespace presslane {
namespace {

int button_of(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return MediaPlayer::kLeftButton;
        case Qt::RightButton:
            return MediaPlayer::kRightButton;
        case Qt::MiddleButton:
            return MediaPlayer::kMiddleButton;
        default:
            return 0;
    }
}

int shift_of(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// Both callbacks come from libmpv's own threads: they only queue work for the UI thread.
void on_wakeup(void* ctx) {
    QMetaObject::invokeMethod(static_cast<MpvPlayer*>(ctx), "drain_events", Qt::QueuedConnection);
}

void on_render_update(void* ctx) {
    QMetaObject::invokeMethod(static_cast<QWidget*>(ctx), "update", Qt::QueuedConnection);
}

}  // namespace

MpvPlayer::MpvPlayer(QWidget* parent, const char* audio_outputs, const char* library)
    : QWidget(parent),
      audio_outputs_(audio_outputs),
      library_(library ? library : MpvLibrary::kFileName) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

bool MpvPlayer::start_player() {
    if (mpv_) return true;
    lib_ = MpvLibrary::load(library_.c_str());
    if (!lib_) return false;
    mpv_ = lib_->mpv_create();
    if (!mpv_) return false;
    const std::pair<const char*, const char*> options[] = {{"vo", "libmpv"},
                                                           {"ao", audio_outputs_.c_str()},
                                                           {"idle", "yes"},
                                                           {"terminal", "no"},
                                                           {"input-default-bindings", "no"},
                                                           {"input-vo-keyboard", "no"},
                                                           {"osc", "no"},
                                                           {"ytdl", "no"},
                                                           // Scripts that only serve mpv's own keys
                                                           // and config: idle, they still wake.
                                                           {"load-stats-overlay", "no"},
                                                           {"load-osd-console", "no"},
                                                           {"load-auto-profiles", "no"},
                                                           {"network-timeout", "15"},
                                                           {"audio-display", "no"}};
    for (const auto& [name, value] : options) lib_->mpv_set_option_string(mpv_, name, value);
    if (lib_->mpv_initialize(mpv_) < 0) {
        lib_->mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return false;
    }
    char sw[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, sw},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (lib_->mpv_render_context_create(&render_, mpv_, params) < 0) render_ = nullptr;
    if (render_) lib_->mpv_render_context_set_update_callback(render_, on_render_update, this);
    lib_->mpv_observe_property(mpv_, 0, "metadata", MPV_FORMAT_NONE);
    lib_->mpv_set_wakeup_callback(mpv_, on_wakeup, this);
    // What was set before the player existed.
    int mute = muted_ ? 1 : 0;
    lib_->mpv_set_property(mpv_, "mute", MPV_FORMAT_FLAG, &mute);
    double volume = volume_;
    lib_->mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &volume);
    return true;
}

MpvPlayer::~MpvPlayer() {
    if (!mpv_) return;
    lib_->mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    if (render_) {
        lib_->mpv_render_context_set_update_callback(render_, nullptr, nullptr);
        lib_->mpv_render_context_free(render_);
    }
    lib_->mpv_terminate_destroy(mpv_);
}

void MpvPlayer::set_FileName(const std::string& address) {
    file_ = address;
    open(address);
}

void MpvPlayer::open(const std::string& address) {
    failed_ = false;
    has_video_ = false;
    if (address.empty()) {
        const char* stop[] = {"stop", nullptr};
        if (mpv_) lib_->mpv_command(mpv_, stop);
    } else if (!start_player()) {
        failed_ = true;
    } else {
        // A new address plays even when the last one was paused.
        int no = 0;
        lib_->mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &no);
        // The address is handed over as stored (mms:// included); libmpv reports a failure
        // later as an end of file with an error, which shows in the pane.
        const char* load[] = {"loadfile", address.c_str(), "replace", nullptr};
        mpv_node result;
        if (lib_->mpv_command_ret(mpv_, load, &result) < 0) {
            failed_ = true;
        } else {
            // Events of the streams this one replaces may still be queued: only this
            // entry's count.
            entry_ = -1;
            if (result.format == MPV_FORMAT_NODE_MAP) {
                const mpv_node_list* map = result.u.list;
                for (int i = 0; i < map->num; ++i) {
                    if (std::string(map->keys[i]) == "playlist_entry_id" &&
                        map->values[i].format == MPV_FORMAT_INT64) {
                        entry_ = map->values[i].u.int64;
                    }
                }
            }
            lib_->mpv_free_node_contents(&result);
        }
    }
    set_state(address.empty() || failed_ ? Playback::Stopped : Playback::Opening);
    check_title();
    update();
    emit stateChanged();
}

void MpvPlayer::Play() {
    if (state_ == Playback::Paused) {
        int no = 0;
        if (mpv_) lib_->mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &no);
        set_state(Playback::Playing);
    } else if (state_ == Playback::Stopped && !file_.empty()) {
        open(file_);
    }
}

void MpvPlayer::Pause() {
    if (state_ != Playback::Playing && state_ != Playback::Opening) return;
    int yes = 1;
    if (mpv_) lib_->mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &yes);
    set_state(Playback::Paused);
}

void MpvPlayer::Stop() {
    if (state_ == Playback::Stopped) return;
    open(std::string());
}

void MpvPlayer::set_Mute(bool mute) {
    muted_ = mute;
    int flag = mute ? 1 : 0;
    if (mpv_) lib_->mpv_set_property(mpv_, "mute", MPV_FORMAT_FLAG, &flag);
}

void MpvPlayer::set_Volume(int percent) {
    volume_ = percent;
    double volume = percent;
    if (mpv_) lib_->mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &volume);
}

void MpvPlayer::set_state(Playback state) {
    if (state == state_) return;
    state_ = state;
    if (on_play_state_change) on_play_state_change();
}

void MpvPlayer::check_title() {
    const std::string title =
        GetMediaInfoString(kClipTitle) + '\n' + GetMediaInfoString(kClipAuthor);
    if (title == title_) return;
    title_ = title;
    if (on_title_change) on_title_change();
}

void MpvPlayer::set_DisplaySize(int size) {
    display_size_ = size;
    if (size == kFullScreen) {
        if (isWindow()) return;
        home_ = parentWidget();
        home_geometry_ = geometry();
        setParent(nullptr, Qt::Window);
        showFullScreen();
    } else if (isWindow() && home_) {
        setParent(home_);
        setGeometry(home_geometry_);
        show();
    }
    update();
}

std::string MpvPlayer::property(const char* name) const {
    if (!mpv_) return {};
    char* value = lib_->mpv_get_property_string(mpv_, name);
    if (!value) return {};
    std::string out(value);
    lib_->mpv_free(value);
    return out;
}

std::string MpvPlayer::GetMediaInfoString(int which) const {
    // A stream's ICY title is the clip title; a station name stands in for a missing author.
    auto first = [this](const char* a, const char* b) {
        std::string v = property(a);
        return v.empty() ? property(b) : v;
    };
    switch (which) {
        case kClipTitle:
            return first("metadata/by-key/icy-title", "metadata/by-key/title");
        case kClipAuthor:
            return first("metadata/by-key/artist", "metadata/by-key/icy-name");
        case kClipCopyright:
            return property("metadata/by-key/copyright");
        default:
            return {};
    }
}

double MpvPlayer::position() const {
    double seconds = -1;
    if (!mpv_ || lib_->mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0)
        return -1;
    return seconds;
}

void MpvPlayer::drain_events() {
    if (!mpv_) return;
    bool changed = false;
    while (mpv_event* event = lib_->mpv_wait_event(mpv_, 0)) {
        if (event->event_id == MPV_EVENT_NONE) break;
        switch (event->event_id) {
            case MPV_EVENT_START_FILE:
                started_ = static_cast<mpv_event_start_file*>(event->data)->playlist_entry_id;
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<mpv_event_end_file*>(event->data);
                if (end->playlist_entry_id != entry_) break;
                if (end->reason == MPV_END_FILE_REASON_ERROR) failed_ = true;
                has_video_ = false;
                set_state(Playback::Stopped);
                changed = true;
                break;
            }
            case MPV_EVENT_FILE_LOADED:
                failed_ = false;
                if (started_ == entry_ && state_ == Playback::Opening) {
                    set_state(Playback::Playing);
                }
                changed = true;
                break;
            case MPV_EVENT_VIDEO_RECONFIG: {
                std::int64_t width = 0;
                has_video_ =
                    lib_->mpv_get_property(mpv_, "dwidth", MPV_FORMAT_INT64, &width) >= 0 &&
                    width > 0;
                changed = true;
                break;
            }
            case MPV_EVENT_PROPERTY_CHANGE:
                changed = true;
                break;
            default:
                break;
        }
    }
    if (changed) {
        check_title();
        update();
        emit stateChanged();
    }
}

void MpvPlayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (render_ && has_video_ && width() > 0 && height() > 0) {
        lib_->mpv_render_context_update(render_);
        QImage frame(size(), QImage::Format_RGB32);
        int surface[2] = {frame.width(), frame.height()};
        std::size_t stride = static_cast<std::size_t>(frame.bytesPerLine());
        char format[] = "bgr0";
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, surface},
                                     {MPV_RENDER_PARAM_SW_FORMAT, format},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                     {MPV_RENDER_PARAM_SW_POINTER, frame.bits()},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (lib_->mpv_render_context_render(render_, params) >= 0) {
            painter.drawImage(0, 0, frame);
            return;
        }
    }
    painter.fillRect(rect(), Qt::black);
    QString text;
    if (failed_) {
        text = QStringLiteral("재생할 수 없는 주소입니다");
    } else if (state_ != Playback::Stopped) {
        // The control strip below shows the title: the station's name tells more here.
        const std::string title = GetMediaInfoString(kClipTitle);
        const std::string station = GetMediaInfoString(kClipAuthor);
        text = QString::fromStdString(station.empty() ? (title.empty() ? "♪" : title) : station);
    }
    painter.setPen(failed_ ? QColor(230, 120, 110) : QColor(200, 210, 230));
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void MpvPlayer::forward(const MouseEvent& handler, QMouseEvent* event) {
    if (!handler) return;
    const QPointF p = event->position();
    handler(button_of(event->button()), shift_of(event->modifiers()),
            static_cast<float>(p.x() * 15), static_cast<float>(p.y() * 15));
}

void MpvPlayer::mousePressEvent(QMouseEvent* event) { forward(on_mouse_down, event); }
void MpvPlayer::mouseReleaseEvent(QMouseEvent* event) { forward(on_mouse_up, event); }
void MpvPlayer::mouseDoubleClickEvent(QMouseEvent* event) { forward(on_dbl_click, event); }

}  // namespace presslane
