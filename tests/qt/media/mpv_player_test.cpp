#include "media/qt/mpv_player.h"

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "icy_stream.h"

namespace presslane {
namespace {

// Runs events until the condition holds or the seconds have passed.
bool wait_until(const std::function<bool()>& done, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < seconds * 1000) QTest::qWait(50);
    return done();
}

struct MpvPlayerTest : ::testing::Test {
    MpvPlayerTest() {
        stream.start();
        host.resize(300, 260);
        player = new MpvPlayer(&host, "null");
        player->setGeometry(10, 10, 200, 150);
        host.show();
    }
    IcyStream stream{"Loopback Station", "Loopback Tune"};
    QWidget host;
    MpvPlayer* player;
};

TEST_F(MpvPlayerTest, PlaysAnIcyStreamAndReportsItsTitle) {
    player->set_FileName(stream.url("/stream"));
    EXPECT_EQ(player->FileName(), stream.url("/stream"));
    ASSERT_TRUE(wait_until([&] { return player->position() > 0.5; }, 20)) << player->position();
    const double first = player->position();
    EXPECT_TRUE(wait_until([&] { return player->position() > first + 0.5; }, 10));
    EXPECT_TRUE(wait_until(
        [&] { return player->GetMediaInfoString(MediaPlayer::kClipTitle) == "Loopback Tune"; },
        10));
    EXPECT_EQ(player->GetMediaInfoString(MediaPlayer::kClipAuthor), "Loopback Station");
    EXPECT_EQ(player->GetMediaInfoString(MediaPlayer::kClipCopyright), "");
    EXPECT_FALSE(player->failed());
}

TEST_F(MpvPlayerTest, AnAddressThatCannotBeOpenedShowsTheErrorStateAndTheNextOnePlays) {
    for (const std::string& bad : {stream.url("/missing"), std::string("http://127.0.0.1:1/none"),
                                   std::string("mms://127.0.0.1:1/radio")}) {
        player->set_FileName(bad);
        EXPECT_TRUE(wait_until([&] { return player->failed(); }, 20)) << bad;
        EXPECT_EQ(player->GetMediaInfoString(MediaPlayer::kClipTitle), "") << bad;
    }
    player->set_FileName(stream.url("/stream"));
    EXPECT_FALSE(player->failed());
    EXPECT_TRUE(wait_until([&] { return player->position() > 0.5; }, 20));
}

TEST_F(MpvPlayerTest, MuteAndVolumeSetBeforeTheFirstAddressReachThePlayer) {
    player->set_Mute(true);
    player->set_Volume(40);
    player->set_FileName(stream.url("/stream"));
    ASSERT_TRUE(wait_until([&] { return player->position() > 0.5; }, 20));
    EXPECT_EQ(player->property("mute"), "yes");
    EXPECT_EQ(std::stod(player->property("volume")), 40.0);
    EXPECT_TRUE(player->Mute());
    EXPECT_EQ(player->Volume(), 40);
}

TEST_F(MpvPlayerTest, WithoutALibmpvThatLoadsEveryAddressFailsQuietly) {
    // A library that is missing, and one that loads but is not libmpv.
    for (const char* library : {"libpresslane-missing.so.2", "libz.so.1"}) {
        MpvPlayer without(&host, "null", library);
        without.setGeometry(10, 10, 200, 150);
        without.show();
        without.set_Volume(30);
        without.set_FileName(stream.url("/stream"));
        EXPECT_TRUE(without.failed()) << library;
        EXPECT_EQ(without.PlayState(), MediaPlayer::Playback::Stopped) << library;
        without.Play();
        EXPECT_TRUE(without.failed()) << library;
        EXPECT_LT(without.position(), 0) << library;
        EXPECT_EQ(without.GetMediaInfoString(MediaPlayer::kClipTitle), "") << library;
        // The pane says the address cannot be played, in the error's reddish colour.
        const QImage shown = without.grab().toImage();
        int reddish = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                if (c.red() > 120 && c.red() > c.green() + 50) ++reddish;
            }
        }
        EXPECT_GT(reddish, 20) << library;
        EXPECT_EQ(stream.listeners(), 0) << library;
    }
}

TEST_F(MpvPlayerTest, VideoIsDrawnIntoTheWidget) {
    // libavfilter's test pattern: coloured bars, generated locally.
    player->set_FileName("av://lavfi:testsrc=size=160x120:rate=10");
    ASSERT_TRUE(wait_until([&] { return player->has_video(); }, 20));
    QTest::qWait(500);
    const QImage shown = player->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < shown.height(); y += 7) {
        for (int x = 0; x < shown.width(); x += 7) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() > 150) ++coloured;
        }
    }
    EXPECT_GT(coloured, 50);
}

TEST_F(MpvPlayerTest, FullScreenLeavesThePaneAndComesBack) {
    const QRect before = player->geometry();
    player->set_DisplaySize(MediaPlayer::kFullScreen);
    EXPECT_EQ(player->DisplaySize(), 3);
    EXPECT_TRUE(player->isWindow());
    EXPECT_TRUE(wait_until([&] { return player->isFullScreen() && player->width() > 1000; }, 5));
    for (int size : {1, 0, 4}) player->set_DisplaySize(size);
    EXPECT_EQ(player->DisplaySize(), 4);
    EXPECT_EQ(player->parentWidget(), &host);
    EXPECT_EQ(player->geometry(), before);
    EXPECT_TRUE(player->isVisible());
}

TEST_F(MpvPlayerTest, MouseEventsReportButtonShiftAndTwips) {
    std::vector<std::string> seen;
    auto record = [&](const char* kind) {
        return [&seen, kind](int button, int shift, float x, float y) {
            seen.push_back(std::string(kind) + " " + std::to_string(button) + " " +
                           std::to_string(shift) + " " + std::to_string(int(x)) + " " +
                           std::to_string(int(y)));
        };
    };
    player->on_mouse_down = record("down");
    player->on_mouse_up = record("up");
    player->on_dbl_click = record("dbl");
    QTest::mousePress(player, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseRelease(player, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseDClick(player, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0], "down 2 1 150 300");
    EXPECT_EQ(seen[1], "up 2 1 150 300");
    EXPECT_NE(std::find(seen.begin(), seen.end(), "dbl 1 0 60 90"), seen.end());
}

}  // namespace
}  // namespace presslane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // libmpv reads numbers in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
