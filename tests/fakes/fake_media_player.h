#pragma once

#include <string>
#include <vector>

#include "fakes/fake_inet.h"
#include "fakes/fake_item_list.h"
#include "media/media_player.h"

namespace presslane {

// Records every address it was given and every switch it was told. Its play state changes only
// when a test reports one, as the real player's events do.
struct FakeMediaPlayer : MediaPlayer {
    std::string FileName() const override { return opened.empty() ? "" : opened.back(); }
    void set_FileName(const std::string& a) override { opened.push_back(a); }
    int DisplaySize() const override { return size; }
    void set_DisplaySize(int s) override {
        size = s;
        sizes.push_back(s);
    }
    std::string GetMediaInfoString(int which) const override {
        return which == kClipTitle ? title : which == kClipAuthor ? author : rights;
    }
    void set_EnablePositionControls(bool e) override { calls.push_back(e ? "pos on" : "pos off"); }
    void set_EnableTracker(bool e) override { calls.push_back(e ? "track on" : "track off"); }
    Playback PlayState() const override { return state; }
    void Play() override { calls.push_back("play"); }
    void Pause() override { calls.push_back("pause"); }
    void Stop() override { calls.push_back("stop"); }
    bool Mute() const override { return muted; }
    void set_Mute(bool m) override {
        muted = m;
        calls.push_back(m ? "mute on" : "mute off");
    }
    int Volume() const override { return volume; }
    void set_Volume(int v) override {
        volume = v;
        calls.push_back("volume " + std::to_string(v));
    }
    void report(Playback s) {
        state = s;
        if (on_play_state_change) on_play_state_change();
    }
    void report_title(const std::string& t) {
        title = t;
        if (on_title_change) on_title_change();
    }
    std::vector<std::string> opened, calls;
    std::vector<int> sizes;
    int size = 0;
    std::string title, author, rights;
    Playback state = Playback::Stopped;
    bool muted = false;
    int volume = 100;
};

}  // namespace presslane
