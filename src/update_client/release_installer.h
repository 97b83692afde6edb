#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "update_client/release_signature.h"

namespace presslane {

class EventPump;
class Inet;

// Puts a downloaded release file in place only once it has proved itself: it must be an
// executable of this platform and carry a valid release signature, fetched from the address the
// file came from plus ".minisig". Whatever fails, the downloaded file is deleted and the installed
// one stays as it was; what succeeds is flushed to disk before and after the rename.
class ReleaseInstaller {
public:
    enum class Outcome { kInstalled, kNotExecutable, kNoSignature, kBadSignature, kNotReplaced };
    // The longest signature file accepted; a real one is a few hundred bytes.
    static constexpr std::size_t kMaxSignatureBytes = 4096;

    // `net` fetches the signatures; window events run while it waits.
    ReleaseInstaller(Inet& net, EventPump& pump, ReleaseSignature signature);

    Outcome install(const std::string& address, const std::filesystem::path& downloaded,
                    const std::filesystem::path& target);

    // The one log line that tells the user why a file was not installed; empty for kInstalled.
    static std::string message(Outcome outcome);

private:
    std::optional<std::string> fetch_signature(const std::string& address);

    Inet& net_;
    EventPump& pump_;
    ReleaseSignature signature_;
};

}  // namespace presslane
