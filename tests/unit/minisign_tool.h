#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace presslane {

// The real minisign tool, run in a folder of the test: key pairs without a password and detached
// signatures of files, in the format releases are published in.
class MinisignTool {
public:
    explicit MinisignTool(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // Makes the key pair NAME; returns the public key's base64 line.
    std::string make_key(const std::string& name) const {
        const std::string pub = (dir_ / (name + ".pub")).string();
        run("minisign -G -W -f -p '" + pub + "' -s '" + secret(name) + "'");
        std::ifstream in(pub);
        std::string line;
        std::getline(in, line);
        std::getline(in, line);
        return line;
    }
    // Signs the file with the key NAME (prehashed, or the legacy format) and returns the text of
    // its signature file.
    std::string sign(const std::string& name, const std::filesystem::path& file,
                     bool legacy = false) const {
        const std::string sig = file.string() + ".minisig";
        run(std::string("minisign -S ") + (legacy ? "-l " : "") + "-s '" + secret(name) + "' -m '" +
            file.string() + "' -x '" + sig + "'");
        std::ifstream in(sig, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::string secret(const std::string& name) const { return (dir_ / (name + ".key")).string(); }
    static void run(const std::string& command) {
        if (std::system((command + " >/dev/null 2>&1").c_str()) != 0)
            throw std::runtime_error("minisign failed: " + command);
    }

    std::filesystem::path dir_;
};

}  // namespace presslane
