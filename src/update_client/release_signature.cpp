#include "update_client/release_signature.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <sodium.h>

namespace presslane {
namespace {

constexpr std::size_t kSignatureBytes = crypto_sign_BYTES;
constexpr std::size_t kHashBytes = crypto_generichash_BYTES_MAX;

// The whole text decoded, or nothing when it is not exactly `size` bytes of standard base64.
std::optional<std::vector<std::uint8_t>> decode(std::string_view text, std::size_t size) {
    std::vector<std::uint8_t> out(size + 1);
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(out.data(), out.size(), text.data(), text.size(), nullptr, &length, &end,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != text.data() + text.size() || length != size)
        return std::nullopt;
    out.resize(size);
    return out;
}

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The lines of a text, each without its CR LF or LF.
std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    while (!lines.empty() && trimmed(lines.back()).empty()) lines.pop_back();
    return lines;
}

bool names_file(std::string_view comment, std::string_view file_name) {
    const std::string wanted = "file:" + std::string(file_name);
    std::size_t pos = 0;
    while (pos < comment.size()) {
        const std::size_t start = comment.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos) break;
        const std::size_t end = comment.find_first_of(" \t", start);
        if (comment.substr(start, end - start) == wanted) return true;
        pos = end == std::string_view::npos ? comment.size() : end;
    }
    return false;
}

std::optional<std::vector<std::uint8_t>> read_all(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> data;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        data.insert(data.end(), buffer, buffer + in.gcount());
    if (in.bad()) return std::nullopt;
    return data;
}

std::optional<std::array<std::uint8_t, kHashBytes>> hash_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, kHashBytes);
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(buffer),
                                  std::size_t(in.gcount()));
    if (in.bad()) return std::nullopt;
    std::array<std::uint8_t, kHashBytes> hash{};
    crypto_generichash_final(&state, hash.data(), hash.size());
    return hash;
}

}  // namespace

ReleaseSignature::ReleaseSignature(std::string_view public_key_line) {
    if (sodium_init() < 0) return;
    const auto key = decode(trimmed(public_key_line), 2 + key_id_.size() + public_key_.size());
    if (!key || (*key)[0] != 'E' || (*key)[1] != 'd') return;
    std::memcpy(key_id_.data(), key->data() + 2, key_id_.size());
    std::memcpy(public_key_.data(), key->data() + 2 + key_id_.size(), public_key_.size());
    key_usable_ = true;
}

ReleaseSignature::Verdict ReleaseSignature::verify(const std::filesystem::path& file,
                                                   std::string_view signature_file,
                                                   std::string_view file_name) const {
    if (!key_usable_) return Verdict::kBadKey;
    constexpr std::string_view kUntrusted = "untrusted comment: ";
    constexpr std::string_view kTrusted = "trusted comment: ";
    const std::vector<std::string_view> lines = lines_of(signature_file);
    if (lines.size() != 4 || !lines[0].starts_with(kUntrusted) || !lines[2].starts_with(kTrusted))
        return Verdict::kMalformed;
    const auto signature = decode(trimmed(lines[1]), 2 + key_id_.size() + kSignatureBytes);
    const auto global = decode(trimmed(lines[3]), kSignatureBytes);
    if (!signature || !global) return Verdict::kMalformed;
    const std::uint8_t* algorithm = signature->data();
    const bool prehashed = algorithm[0] == 'E' && algorithm[1] == 'D';
    if (!prehashed && !(algorithm[0] == 'E' && algorithm[1] == 'd')) return Verdict::kMalformed;
    if (std::memcmp(signature->data() + 2, key_id_.data(), key_id_.size()) != 0)
        return Verdict::kOtherKey;
    const std::uint8_t* file_signature = signature->data() + 2 + key_id_.size();

    bool file_valid = false;
    if (prehashed) {
        const auto hash = hash_of(file);
        if (!hash) return Verdict::kUnreadable;
        file_valid = crypto_sign_verify_detached(file_signature, hash->data(), hash->size(),
                                                 public_key_.data()) == 0;
    } else {
        const auto data = read_all(file);
        if (!data) return Verdict::kUnreadable;
        file_valid = crypto_sign_verify_detached(file_signature, data->data(), data->size(),
                                                 public_key_.data()) == 0;
    }
    if (!file_valid) return Verdict::kForged;

    // The global signature covers the file signature followed by the trusted comment's text.
    const std::string_view comment = lines[2].substr(kTrusted.size());
    std::vector<std::uint8_t> signed_comment(file_signature, file_signature + kSignatureBytes);
    signed_comment.insert(signed_comment.end(), comment.begin(), comment.end());
    if (crypto_sign_verify_detached(global->data(), signed_comment.data(), signed_comment.size(),
                                    public_key_.data()) != 0)
        return Verdict::kForged;
    return names_file(comment, file_name) ? Verdict::kValid : Verdict::kWrongFile;
}

}  // namespace presslane
