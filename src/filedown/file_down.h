#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <string>

#include "filedown/file_down_control.h"

namespace presslane {

class EventPump;
class Inet;

// The download control: fetches URL into DownPath through its own transfer component. A header
// request checks that the file exists; a second request brings the body, which is copied to disk
// in chunks with one OnDownload per chunk. Everything runs on the UI thread; window events run
// while the header request is awaited and after every chunk, so the host's handlers (its cancel
// button, or closing the host window and with it this control) interleave at those points.
class FileDown : public FileDownControl {
public:
    static constexpr std::size_t kChunkBytes = 1024;
    // The control's face is always this square, whatever size its host gives it.
    static constexpr int kFaceTwips = 480;

    FileDown(std::unique_ptr<Inet> net, EventPump& pump);
    ~FileDown() override;
    FileDown(const FileDown&) = delete;
    FileDown& operator=(const FileDown&) = delete;

    bool Working() const override { return working_; }
    // True while either request or the copy to disk is under way; FileDownload is refused then.
    bool Busy() const { return working_ || request_running_; }
    std::string URL() const override { return url_; }
    void set_URL(const std::string& url) override;
    std::string DownPath() const override { return down_path_; }
    void set_DownPath(const std::string& path) override;
    // True once URL or DownPath was set since the last WriteProperties.
    bool properties_changed() const { return properties_changed_; }

    void FileDownload() override;
    void Cancel() override;
    void set_events(Events e) override { events = std::move(e); }

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

    Events events;

private:
    void on_state_changed(int state);
    void write_body();
    void fail(std::int16_t code, const std::string& message);
    void raise_download(std::int64_t received, std::int64_t size);

    std::string url_;
    std::string down_path_;
    bool cancel_requested_ = false;
    bool probing_ = false;
    bool working_ = false;
    std::int32_t file_size_ = 0;
    // Not in the classic field list: the header or body request is running.
    bool request_running_ = false;
    // Content-Length was missing or not a number: the size is learnt from the body itself.
    bool size_known_ = false;
    bool properties_changed_ = false;

    std::unique_ptr<Inet> net_;
    EventPump& pump_;
    // Cleared when the control is destroyed, so a wait that let the host destroy it can tell.
    std::shared_ptr<bool> alive_;
};

}  // namespace presslane
