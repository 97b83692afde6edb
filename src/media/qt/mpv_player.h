#pragma once

#include <cstdint>
#include <string>

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "media/media_player.h"

struct mpv_handle;
struct mpv_render_context;

namespace presslane {

struct MpvLibrary;

// The media player over libmpv. Video is drawn by libmpv's software renderer into this widget, so
// it needs no OpenGL and every mouse event reaches the widget; audio goes to the first output of
// `audio_outputs` that opens (the null output last, so a machine without sound still plays).
// Full screen lifts the widget out of its parent into a full-screen window and puts it back.
// libmpv is loaded from `library` (null: this system's libmpv) when the first address is opened;
// until then mute and volume are kept here and handed over then. Without a libmpv that loads,
// every address fails as one that cannot be opened.
class MpvPlayer : public QWidget, public MediaPlayer {
    Q_OBJECT
public:
    explicit MpvPlayer(QWidget* parent = nullptr, const char* audio_outputs = "pulse,alsa,null",
                       const char* library = nullptr);
    ~MpvPlayer() override;

    std::string FileName() const override { return file_; }
    void set_FileName(const std::string& address) override;
    int DisplaySize() const override { return display_size_; }
    void set_DisplaySize(int size) override;
    std::string GetMediaInfoString(int which) const override;
    void set_EnablePositionControls(bool enable) override { position_controls_ = enable; }
    void set_EnableTracker(bool enable) override { tracker_ = enable; }
    Playback PlayState() const override { return state_; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    bool Mute() const override { return muted_; }
    void set_Mute(bool mute) override;
    int Volume() const override { return volume_; }
    void set_Volume(int percent) override;

    // Seconds played of the current clip; negative while nothing plays.
    double position() const;
    // The last address could not be opened or broke off; cleared by the next address.
    bool failed() const { return failed_; }
    bool has_video() const { return has_video_; }
    // A property of libmpv as text ("mute", "volume", "pause"); empty when it has none.
    std::string property(const char* name) const;

signals:
    void stateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Q_INVOKABLE void drain_events();
    // Loads libmpv and creates the player the first time it is called; whether one exists.
    bool start_player();
    void open(const std::string& address);
    void set_state(Playback state);
    void check_title();
    void forward(const MouseEvent& handler, QMouseEvent* event);

    std::string audio_outputs_;
    std::string library_;
    const MpvLibrary* lib_ = nullptr;
    mpv_handle* mpv_ = nullptr;
    mpv_render_context* render_ = nullptr;
    std::string file_;
    int display_size_ = kDefaultSize;
    bool position_controls_ = true;
    bool tracker_ = true;
    bool failed_ = false;
    bool has_video_ = false;
    Playback state_ = Playback::Stopped;
    bool muted_ = false;
    int volume_ = 100;
    // The playlist entry of the last address, and the one libmpv last started: events of an
    // earlier entry belong to a stream that was replaced.
    std::int64_t entry_ = -1;
    std::int64_t started_ = -1;
    std::string title_;
    QPointer<QWidget> home_;
    QRect home_geometry_;
};

}  // namespace presslane
