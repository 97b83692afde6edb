#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace presslane {

// A detached signature in the minisign format, checked against the release key. The key is the
// base64 line of a minisign public key file ("Ed", key id, Ed25519 key). A signature file holds an
// untrusted comment, the signature line ("Ed" signs the file itself, "ED" its BLAKE2b-512 hash),
// a trusted comment and the global signature over the file signature and that comment. Besides
// both signatures, the trusted comment must name the file as "file:NAME", so a release file
// cannot be passed off under another release file's name and signature.
class ReleaseSignature {
public:
    enum class Verdict {
        kValid,
        kBadKey,      // the release key itself is unusable
        kMalformed,   // not a signature file
        kOtherKey,    // made by another key
        kForged,      // the file or the trusted comment does not match the signature
        kWrongFile,   // a valid signature of another file name
        kUnreadable,  // the file could not be read
    };

    explicit ReleaseSignature(std::string_view public_key_line);

    Verdict verify(const std::filesystem::path& file, std::string_view signature_file,
                   std::string_view file_name) const;

private:
    bool key_usable_ = false;
    std::array<std::uint8_t, 8> key_id_{};
    std::array<std::uint8_t, 32> public_key_{};
};

}  // namespace presslane
