#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace presslane {

// The internet transfer component: one HTTP or HTTPS request at a time, driven from the UI thread.
// Texts are UTF-8 on this side; bodies that are handed out as text are decoded from CP949, the
// product server's code page.
class Inet {
public:
    // States reported through on_state_changed; callers act only on these two.
    static constexpr int kStateError = 11;
    static constexpr int kStateResponseCompleted = 12;
    // ResponseCode of a request that failed because its body could not be held on the local disk.
    static constexpr int kNoRoomCode = 1000;

    virtual ~Inet() = default;

    // Fetches the address and returns the whole body as text once the request has finished. Window
    // events keep running while it waits. Any failure (refused, unreachable, time-out, bad address)
    // returns the empty text; an HTTP error status returns whatever body the server sent.
    virtual std::string OpenURL(const std::string& address) = 0;
    // The HTTP status of the answer the last OpenURL got; 0 when no answer arrived.
    virtual int OpenURLStatus() const = 0;

    // The address used by the next Execute that is given no address.
    virtual void set_URL(const std::string& address) = 0;
    virtual std::string URL() const = 0;

    // Starts a request and returns at once. An empty address means the one set by set_URL. Only
    // "GET" is supported; any other operation fails with state 11. A request still running is
    // cancelled first; the held body of the last response is dropped.
    virtual void Execute(const std::string& address, const std::string& operation) = 0;

    // Starts a GET that ends as soon as its status line and headers have arrived: the rest of the
    // answer is never read, and state 12 follows with the headers readable and no body held.
    // Otherwise as Execute.
    virtual void ExecuteHeaders(const std::string& address) = 0;

    // True from Execute until the request has finished or failed.
    virtual bool StillExecuting() const = 0;

    // All response headers, beginning with the status line ("HTTP/1.1 200 OK", so the status code
    // stands at characters 10 to 12) and each line ended by CR LF; exactly CR LF when no response
    // was received.
    virtual std::string GetHeader() const = 0;
    // One header's value, the name matched without regard to case; empty when it is absent.
    virtual std::string GetHeader(const std::string& name) const = 0;

    // The next part of the held body, at most max_bytes bytes, decoded from CP949. A double-byte
    // character is never split between two chunks. Empty when the body is exhausted.
    virtual std::string GetChunkText(std::size_t max_bytes) = 0;
    // Copies the next part of the held body, at most out.size() bytes, into out and returns how
    // many it copied; 0 when the body is exhausted. The caller's buffer serves every chunk, so a
    // long body costs no allocation per chunk.
    virtual std::size_t GetChunkBytes(std::span<std::uint8_t> out) = 0;

    // Number and text of the last error (0 and empty after a request that got a response).
    virtual int ResponseCode() const = 0;
    virtual std::string ResponseInfo() const = 0;

    // Aborts the current request; no state event follows and StillExecuting becomes false.
    virtual void Cancel() = 0;

    // StateChanged: 11 when the request failed, 12 when the response is complete and its body
    // can be read. Other numbers may be reported and are ignored by callers. Called on the UI
    // thread while it processes events; the handler may call any operation, including Execute.
    std::function<void(int state)> on_state_changed;
};

}  // namespace presslane
