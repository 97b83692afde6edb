#pragma once

#include <string>
#include <vector>

#include "filedown/inet.h"
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

// Answers every request at once with a fixed status line and body.
struct FakeInet : Inet {
    std::string OpenURL(const std::string&) override { return body; }
    int OpenURLStatus() const override { return 200; }
    void ExecuteHeaders(const std::string& a) override { Execute(a, "GET"); }
    void set_URL(const std::string& a) override { url = a; }
    std::string URL() const override { return url; }
    void Execute(const std::string&, const std::string& op) override {
        operations.push_back(op);
        offset = 0;
        busy_polls = polls_before_done;
    }
    bool StillExecuting() const override { return busy_polls-- > 0; }
    std::string GetHeader() const override { return status.empty() ? "\r\n" : status + "\r\n"; }
    std::string GetHeader(const std::string&) const override { return {}; }
    std::string GetChunkText(std::size_t max) override {
        std::string piece = body.substr(std::min(offset, body.size()), max);
        offset += piece.size();
        return piece;
    }
    std::vector<std::uint8_t> GetChunkBytes(std::size_t max) override {
        const std::string piece = GetChunkText(max);
        return {piece.begin(), piece.end()};
    }
    int ResponseCode() const override { return 0; }
    std::string ResponseInfo() const override { return {}; }
    void Cancel() override {}

    // The body is handed out unchanged both as text and as bytes.
    std::string url, status = "HTTP/1.1 200 OK", body;
    std::vector<std::string> operations;
    int polls_before_done = 3;
    mutable int busy_polls = 0;
    std::size_t offset = 0;
};

}  // namespace presslane
