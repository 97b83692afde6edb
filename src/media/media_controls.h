#pragma once

#include <functional>
#include <string>
#include <vector>

#include "media/media_player.h"

namespace presslane {

// The player's control strip in the media pane: play or pause, stop, mute, the volume and the
// now-playing line, with the same commands in the tray menu and the pane's context menu. What it
// shows follows the player's own events, so a stream started anywhere (auto-play, the my-radio
// list, the media settings window) and a stream that ends or fails show here as they are.
class MediaControls {
public:
    enum class Command { PlayPause, Stop, Mute, VolumeUp, VolumeDown };
    static constexpr int kVolumeStep = 5;

    // What the strip shows.
    struct View {
        bool playing = false;  // the stream plays or opens: the first button pauses
        bool can_play = false;
        bool can_stop = false;
        bool muted = false;
        int volume = 0;
        std::string title;  // the now-playing line
        std::string play_tooltip;
        std::string stop_tooltip;
        std::string mute_tooltip;
        std::string volume_tooltip;
    };
    struct MenuItem {
        std::string caption;
        Command command;
        bool enabled;
    };

    // Takes the player's play-state and title events.
    explicit MediaControls(MediaPlayer& player);

    void run(Command command);
    void set_volume(int percent);
    // A key pressed while the pane has the focus, by the name the keyboard gives it ("Space", "S",
    // "Up", "Media Stop"); true when it is one of the strip's keys.
    bool key_press(const std::string& key);

    View view() const;
    // The commands of the tray menu and the pane's context menu, in order.
    std::vector<MenuItem> menu() const;

    // The view changed.
    std::function<void()> on_change;

private:
    void changed();
    bool playing() const;

    MediaPlayer& player_;
};

}  // namespace presslane
