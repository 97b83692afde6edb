#include "media/qt/media_controls_widget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QAbstractSlider>
#include <QMenu>
#include <QTest>

#include "icy_stream.h"
#include "media/qt/mpv_player.h"
#include "media/qt/strip_button.h"
#include "support/pump_until.h"

namespace presslane {
namespace {

using Playback = MediaPlayer::Playback;

// The strip under a real player, against the loopback radio.
struct MediaControlsWidgetTest : ::testing::Test {
    MediaControlsWidgetTest() {
        stream.start();
        host.resize(200, 200);
        player = new MpvPlayer(&host, "null");
        player->setGeometry(6, 6, 157, 100);
        strip = new MediaControlsWidget(*player, &host);
        strip->setGeometry(6, 108, 157, 45);
        host.show();
    }
    template <typename W>
    W* child(const char* name) {
        return strip->findChild<W*>(name);
    }
    StripButton* button(const char* name) { return child<StripButton>(name); }
    QString accessible_name(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    IcyStream stream{"Loopback Station", "Loopback Tune"};
    QWidget host;
    MpvPlayer* player;
    MediaControlsWidget* strip;
};

TEST_F(MediaControlsWidgetTest, ShowsTheTitleAndStopsAndPlaysTheStream) {
    EXPECT_FALSE(button("MediaPlay")->isEnabled());
    EXPECT_FALSE(button("MediaStop")->isEnabled());
    player->set_FileName(stream.url("/stream"));
    ASSERT_TRUE(pump_until([&] { return player->PlayState() == Playback::Playing; }, 20000));
    EXPECT_TRUE(pump_until(
        [&] { return accessible_name(child<QWidget>("MediaTitle")) == "Loopback Tune"; }, 15000))
        << accessible_name(child<QWidget>("MediaTitle")).toStdString();
    EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Pause);
    EXPECT_EQ(accessible_name(button("MediaPlay")), "일시정지");
    EXPECT_EQ(stream.listeners(), 1);

    click("MediaStop");
    EXPECT_TRUE(pump_until([&] { return stream.listeners() == 0; }, 10000));
    EXPECT_EQ(player->PlayState(), Playback::Stopped);
    EXPECT_TRUE(pump_until([&] { return player->property("idle-active") == "yes"; }, 10000));
    EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Play);
    EXPECT_FALSE(button("MediaStop")->isEnabled());
    EXPECT_EQ(accessible_name(child<QWidget>("MediaTitle")), "");
    EXPECT_EQ(player->FileName(), stream.url("/stream"));

    // Play opens the same address again; pause keeps it open.
    click("MediaPlay");
    EXPECT_TRUE(pump_until([&] { return player->PlayState() == Playback::Playing; }, 20000));
    EXPECT_TRUE(pump_until([&] { return stream.listeners() == 1; }, 10000));
    click("MediaPlay");
    EXPECT_EQ(player->PlayState(), Playback::Paused);
    EXPECT_EQ(player->property("pause"), "yes");
    EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Play);
    EXPECT_TRUE(button("MediaStop")->isEnabled());
    click("MediaPlay");
    EXPECT_EQ(player->property("pause"), "no");
    EXPECT_EQ(player->PlayState(), Playback::Playing);

    // The menu's stop acts as the button does.
    QMenu menu;
    strip->fill_menu(&menu);
    ASSERT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[1]->text(), "정지 (&S)");
    menu.actions()[1]->trigger();
    EXPECT_TRUE(pump_until([&] { return stream.listeners() == 0; }, 10000));
    EXPECT_EQ(player->PlayState(), Playback::Stopped);
}

TEST_F(MediaControlsWidgetTest, MuteAndVolumeReachThePlayer) {
    player->set_FileName(stream.url("/stream"));
    ASSERT_TRUE(pump_until([&] { return player->PlayState() == Playback::Playing; }, 20000));
    click("MediaMute");
    EXPECT_EQ(player->property("mute"), "yes");
    EXPECT_EQ(button("MediaMute")->sign(), StripButton::Sign::Muted);
    EXPECT_EQ(button("MediaMute")->toolTip(), "소리 켜기 (M)");
    click("MediaMute");
    EXPECT_EQ(player->property("mute"), "no");
    auto* volume = child<QAbstractSlider>("MediaVolume");
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_Left);
    QTest::keyClick(volume, Qt::Key_Left);
    EXPECT_EQ(player->Volume(), 90);
    EXPECT_EQ(std::stod(player->property("volume")), 90.0);
    EXPECT_EQ(volume->toolTip(), "음량 90% (위/아래 화살표)");
}

TEST_F(MediaControlsWidgetTest, AnotherAddressReplacingAPlayingStreamShowsPlaying) {
    // The end of the first stream is reported after the second address was set.
    player->set_FileName(stream.url("/stream?first"));
    ASSERT_TRUE(pump_until([&] { return player->PlayState() == Playback::Playing; }, 20000));
    const std::string second = stream.url("/stream?second");
    player->set_FileName(second);
    EXPECT_TRUE(pump_until(
        [&] { return player->property("path") == second && player->position() > 1.0; }, 20000));
    EXPECT_EQ(player->PlayState(), Playback::Playing);
    EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Pause);
    EXPECT_TRUE(button("MediaStop")->isEnabled());
}

TEST_F(MediaControlsWidgetTest, AStreamThatEndsOrFailsShowsStopped) {
    for (const std::string& address :
         {std::string("av://lavfi:sine=frequency=440:duration=1"), stream.url("/missing")}) {
        player->set_FileName(address);
        EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Pause) << address;
        EXPECT_TRUE(pump_until([&] { return player->PlayState() == Playback::Stopped; }, 20000))
            << address;
        EXPECT_EQ(button("MediaPlay")->sign(), StripButton::Sign::Play) << address;
        EXPECT_TRUE(button("MediaPlay")->isEnabled()) << address;
        EXPECT_FALSE(button("MediaStop")->isEnabled()) << address;
    }
}

}  // namespace
}  // namespace presslane
