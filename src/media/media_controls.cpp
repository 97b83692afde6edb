#include "media/media_controls.h"

#include <algorithm>
#include <utility>

namespace presslane {
namespace {

using Command = MediaControls::Command;

// Letters for the keyboard, and the media keys of keyboards that have them.
constexpr std::pair<const char*, Command> kKeys[] = {
    {"Space", Command::PlayPause},
    {"P", Command::PlayPause},
    {"Toggle Media Play/Pause", Command::PlayPause},
    {"S", Command::Stop},
    {"Media Stop", Command::Stop},
    {"M", Command::Mute},
    {"Volume Mute", Command::Mute},
    {"Up", Command::VolumeUp},
    {"+", Command::VolumeUp},
    {"Volume Up", Command::VolumeUp},
    {"Down", Command::VolumeDown},
    {"-", Command::VolumeDown},
    {"Volume Down", Command::VolumeDown},
};

}  // namespace

MediaControls::MediaControls(MediaPlayer& player) : player_(player) {
    player_.on_play_state_change = [this] { changed(); };
    player_.on_title_change = [this] { changed(); };
}

void MediaControls::changed() {
    if (on_change) on_change();
}

bool MediaControls::playing() const {
    const MediaPlayer::Playback state = player_.PlayState();
    return state == MediaPlayer::Playback::Playing || state == MediaPlayer::Playback::Opening;
}

void MediaControls::run(Command command) {
    switch (command) {
        case Command::PlayPause:
            if (playing()) {
                player_.Pause();
            } else {
                player_.Play();
            }
            break;
        case Command::Stop:
            player_.Stop();
            break;
        case Command::Mute:
            player_.set_Mute(!player_.Mute());
            break;
        case Command::VolumeUp:
            set_volume(player_.Volume() + kVolumeStep);
            return;
        case Command::VolumeDown:
            set_volume(player_.Volume() - kVolumeStep);
            return;
    }
    changed();
}

void MediaControls::set_volume(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == player_.Volume()) return;
    player_.set_Volume(percent);
    changed();
}

bool MediaControls::key_press(const std::string& key) {
    for (const auto& [name, command] : kKeys) {
        if (key != name) continue;
        run(command);
        return true;
    }
    return false;
}

MediaControls::View MediaControls::view() const {
    View v;
    const MediaPlayer::Playback state = player_.PlayState();
    v.playing = playing();
    v.can_play = !player_.FileName().empty();
    v.can_stop = state != MediaPlayer::Playback::Stopped;
    v.muted = player_.Mute();
    v.volume = player_.Volume();
    if (state != MediaPlayer::Playback::Stopped) {
        v.title = player_.GetMediaInfoString(MediaPlayer::kClipTitle);
        if (v.title.empty()) v.title = player_.GetMediaInfoString(MediaPlayer::kClipAuthor);
        if (v.title.empty() && state == MediaPlayer::Playback::Opening) v.title = "연결 중...";
    }
    v.play_tooltip = v.playing ? "일시정지 (스페이스)" : "재생 (스페이스)";
    v.stop_tooltip = "정지 (S)";
    v.mute_tooltip = v.muted ? "소리 켜기 (M)" : "소리 끄기 (M)";
    v.volume_tooltip = "음량 " + std::to_string(v.volume) + "% (위/아래 화살표)";
    return v;
}

std::vector<MediaControls::MenuItem> MediaControls::menu() const {
    const View v = view();
    return {
        {v.playing ? "일시정지 (&P)" : "재생 (&P)", Command::PlayPause, v.playing || v.can_play},
        {"정지 (&S)", Command::Stop, v.can_stop},
        {v.muted ? "소리 켜기 (&M)" : "소리 끄기 (&M)", Command::Mute, true}};
}

}  // namespace presslane
