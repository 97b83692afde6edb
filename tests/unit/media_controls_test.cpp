#include "media/media_controls.h"

#include <gtest/gtest.h>

#include "fakes/fake_media_player.h"

namespace presslane {
namespace {

using Playback = MediaPlayer::Playback;
using Command = MediaControls::Command;

struct MediaControlsTest : ::testing::Test {
    MediaControlsTest() {
        controls.on_change = [this] { ++changes; };
    }
    FakeMediaPlayer player;
    MediaControls controls{player};
    int changes = 0;
};

TEST_F(MediaControlsTest, PlayOrPauseFollowsThePlayState) {
    struct Case {
        Playback state;
        std::string file;
        const char* call;  // of the play-or-pause button
        bool playing, can_play, can_stop;
        const char* tooltip;
        const char* caption;  // of the menu command
    };
    const Case cases[] = {
        {Playback::Stopped, "", "play", false, false, false, "재생 (스페이스)", "재생 (&P)"},
        {Playback::Stopped, "http://a", "play", false, true, false, "재생 (스페이스)", "재생 (&P)"},
        {Playback::Opening, "http://a", "pause", true, true, true, "일시정지 (스페이스)",
         "일시정지 (&P)"},
        {Playback::Playing, "http://a", "pause", true, true, true, "일시정지 (스페이스)",
         "일시정지 (&P)"},
        {Playback::Paused, "http://a", "play", false, true, true, "재생 (스페이스)", "재생 (&P)"},
    };
    for (const Case& c : cases) {
        FakeMediaPlayer p;
        if (!c.file.empty()) p.set_FileName(c.file);
        p.state = c.state;
        MediaControls strip(p);
        const MediaControls::View v = strip.view();
        EXPECT_EQ(v.playing, c.playing) << c.tooltip << " " << c.file;
        EXPECT_EQ(v.can_play, c.can_play) << c.tooltip << " " << c.file;
        EXPECT_EQ(v.can_stop, c.can_stop) << c.tooltip << " " << c.file;
        EXPECT_EQ(v.play_tooltip, c.tooltip);
        const auto menu = strip.menu();
        ASSERT_EQ(menu.size(), 3u);
        EXPECT_EQ(menu[0].caption, c.caption);
        EXPECT_EQ(menu[0].enabled, c.playing || c.can_play) << c.file;
        EXPECT_EQ(menu[1].caption, "정지 (&S)");
        EXPECT_EQ(menu[1].enabled, c.can_stop);
        strip.run(Command::PlayPause);
        EXPECT_EQ(p.calls, std::vector<std::string>{c.call}) << c.tooltip << " " << c.file;
    }
}

TEST_F(MediaControlsTest, TheNowPlayingLineShowsTheTitleOrTheStationWhileAStreamIsOn) {
    struct Case {
        Playback state;
        std::string title, station, line;
    };
    const Case cases[] = {
        {Playback::Playing, "Loopback Tune", "Loopback Station", "Loopback Tune"},
        {Playback::Playing, "", "Loopback Station", "Loopback Station"},
        {Playback::Playing, "", "", ""},
        {Playback::Paused, "Loopback Tune", "", "Loopback Tune"},
        {Playback::Opening, "", "", "연결 중..."},
        {Playback::Opening, "", "Loopback Station", "Loopback Station"},
        {Playback::Stopped, "Loopback Tune", "Loopback Station", ""},
    };
    for (const Case& c : cases) {
        player.state = c.state;
        player.title = c.title;
        player.author = c.station;
        EXPECT_EQ(controls.view().title, c.line) << c.title << "/" << c.station;
    }
}

TEST_F(MediaControlsTest, TheStripFollowsThePlayersEventsToTheEndOfAStream) {
    player.set_FileName("http://a");
    player.report(Playback::Opening);
    player.report(Playback::Playing);
    player.report_title("First Tune");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(controls.view().title, "First Tune");
    EXPECT_TRUE(controls.view().playing);
    // The stream ends or breaks off: the strip shows stopped, ready to play the address again.
    player.report(Playback::Stopped);
    EXPECT_EQ(changes, 4);
    const MediaControls::View v = controls.view();
    EXPECT_FALSE(v.playing);
    EXPECT_FALSE(v.can_stop);
    EXPECT_TRUE(v.can_play);
    EXPECT_EQ(v.title, "");
}

TEST_F(MediaControlsTest, StopMuteAndVolume) {
    player.state = Playback::Playing;
    controls.run(Command::Stop);
    controls.run(Command::Mute);
    EXPECT_EQ(controls.view().mute_tooltip, "소리 켜기 (M)");
    EXPECT_EQ(controls.menu()[2].caption, "소리 켜기 (&M)");
    controls.run(Command::Mute);
    EXPECT_EQ(controls.view().mute_tooltip, "소리 끄기 (M)");
    // From 100: up is already the most, two steps down, then a setting below nothing.
    controls.run(Command::VolumeUp);
    controls.run(Command::VolumeDown);
    controls.run(Command::VolumeDown);
    controls.set_volume(-20);
    controls.run(Command::VolumeDown);
    EXPECT_EQ(player.calls, (std::vector<std::string>{"stop", "mute on", "mute off", "volume 95",
                                                      "volume 90", "volume 0"}));
    EXPECT_EQ(controls.view().volume_tooltip, "음량 0% (위/아래 화살표)");
    EXPECT_EQ(changes, 6);
}

TEST_F(MediaControlsTest, KeysOfTheStrip) {
    player.state = Playback::Playing;
    player.volume = 50;
    const std::pair<const char*, const char*> keys[] = {{"Space", "pause"},
                                                        {"P", "pause"},
                                                        {"Toggle Media Play/Pause", "pause"},
                                                        {"S", "stop"},
                                                        {"Media Stop", "stop"},
                                                        {"M", "mute on"},
                                                        {"Volume Mute", "mute on"},
                                                        {"Up", "volume 55"},
                                                        {"+", "volume 55"},
                                                        {"Volume Up", "volume 55"},
                                                        {"Down", "volume 45"},
                                                        {"-", "volume 45"},
                                                        {"Volume Down", "volume 45"}};
    for (const auto& [key, call] : keys) {
        player.calls.clear();
        player.muted = false;
        player.volume = 50;
        EXPECT_TRUE(controls.key_press(key)) << key;
        EXPECT_EQ(player.calls, std::vector<std::string>{call}) << key;
    }
    player.calls.clear();
    for (const char* other : {"Return", "Tab", "A", "Left", ""}) {
        EXPECT_FALSE(controls.key_press(other)) << other;
    }
    EXPECT_TRUE(player.calls.empty());
}

}  // namespace
}  // namespace presslane
