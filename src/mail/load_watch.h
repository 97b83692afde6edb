#pragma once

#include <string>

namespace presslane {

// Tells how a browser's load of one address ended, as far as the page's server answered it.
class LoadWatch {
public:
    enum class State { Idle, Pending, Succeeded, Failed };
    virtual ~LoadWatch() = default;
    // From now on, follows the next load the browser starts (the caller starts it right after).
    virtual void watch(const std::string& address) = 0;
    // Pending until that load has ended; Succeeded only when the server answered with a success
    // status, Failed for an error status, an unreachable server or an aborted load.
    virtual State state() const = 0;
};

}  // namespace presslane
