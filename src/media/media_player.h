#pragma once

#include <functional>
#include <string>

namespace presslane {

// The media player of the media pane. Setting the file name opens the address and starts playing
// it at once; an address that cannot be opened shows the player's own error state and nothing
// else happens. Positions of mouse events are in twips relative to the player.
//
// Play, Pause and Stop act on the address last set: Stop ends the stream and closes its
// connection but keeps FileName, so Play opens it again. The play state follows what the player
// does: a stream that ends, breaks off or cannot be opened is Stopped.
class MediaPlayer {
public:
    enum class Playback { Stopped, Opening, Playing, Paused };

    // DisplaySize values.
    static constexpr int kDefaultSize = 0;
    static constexpr int kHalfSize = 1;
    static constexpr int kFullScreen = 3;
    static constexpr int kFitToSize = 4;
    // GetMediaInfoString numbers.
    static constexpr int kClipTitle = 8;
    static constexpr int kClipAuthor = 9;
    static constexpr int kClipCopyright = 10;
    // Mouse buttons as the events report them.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;

    virtual ~MediaPlayer() = default;
    virtual std::string FileName() const = 0;
    virtual void set_FileName(const std::string& address) = 0;
    virtual int DisplaySize() const = 0;
    virtual void set_DisplaySize(int size) = 0;
    // The clip's title, author or rights notice; empty when the stream carries none.
    virtual std::string GetMediaInfoString(int which) const = 0;
    virtual void set_EnablePositionControls(bool enable) = 0;
    virtual void set_EnableTracker(bool enable) = 0;

    virtual Playback PlayState() const = 0;
    // Resumes a paused stream, or opens FileName again when stopped; nothing without an address.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual bool Mute() const = 0;
    virtual void set_Mute(bool mute) = 0;
    // Percent, 0 to 100.
    virtual int Volume() const = 0;
    virtual void set_Volume(int percent) = 0;

    // MouseDown, MouseUp and DblClick: button, shift state, x and y.
    using MouseEvent = std::function<void(int button, int shift, float x, float y)>;
    MouseEvent on_mouse_down;
    MouseEvent on_mouse_up;
    MouseEvent on_dbl_click;
    // PlayStateChange: PlayState() changed.
    std::function<void()> on_play_state_change;
    // The clip title or the station name (GetMediaInfoString 8 or 9) changed.
    std::function<void()> on_title_change;
};

}  // namespace presslane
