#include "settings/xdg_auto_start.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_write.h"

namespace presslane {
namespace {

// Characters that make the Desktop Entry format require a quoted Exec argument.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters a backslash escapes inside a quoted Exec argument.
constexpr std::string_view kQuotedEscapes = "\"`$\\";

std::string ascii_upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// True when `path` names the program's own Run value. Registry paths ignore case, and the
// scripting shell accepts the hive's full name as well as its abbreviation.
bool is_own_value(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return false;
    std::string key = ascii_upper(std::string_view(path).substr(0, slash));
    constexpr std::string_view kLongHive = "HKEY_LOCAL_MACHINE\\";
    if (key.starts_with(kLongHive)) key = "HKLM\\" + key.substr(kLongHive.size());
    return key == ascii_upper(AutoStart::kRunKey) &&
           path.substr(slash + 1) == AutoStart::kValueName;
}

// The program path as the one argument of an Exec value: "%" doubled, quoted when it holds a
// reserved character, then escaped as a string value of the file.
std::string exec_value(const std::string& program_path) {
    std::string arg;
    for (char c : program_path) {
        if (c == '%') arg += '%';
        arg += c;
    }
    if (arg.find_first_of(kReserved) != std::string::npos) {
        std::string quoted = "\"";
        for (char c : arg) {
            if (kQuotedEscapes.find(c) != std::string_view::npos) quoted += '\\';
            quoted += c;
        }
        arg = quoted + '"';
    }
    std::string value;
    for (char c : arg) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

// The string-value escapes of the file undone; an unknown escape stays as written.
std::string unescape_value(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += next;
        }
    }
    return out;
}

// The first argument of an unescaped Exec value, unquoted and with "%%" read as "%"; nothing for
// an empty value or an unterminated quote.
std::optional<std::string> first_argument(std::string_view exec) {
    std::size_t i = exec.find_first_not_of(" \t");
    if (i == std::string_view::npos) return std::nullopt;
    std::string arg;
    if (exec[i] == '"') {
        for (++i;; ++i) {
            if (i == exec.size()) return std::nullopt;
            const char c = exec[i];
            if (c == '"') break;
            if (c == '\\' && i + 1 < exec.size() &&
                kQuotedEscapes.find(exec[i + 1]) != std::string_view::npos) {
                arg += exec[++i];
            } else {
                arg += c;
            }
        }
    } else {
        const std::size_t end = exec.find_first_of(" \t", i);
        arg = exec.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
    }
    std::string out;
    for (std::size_t k = 0; k < arg.size(); ++k) {
        out += arg[k];
        if (arg[k] == '%' && k + 1 < arg.size() && arg[k + 1] == '%') ++k;
    }
    return out;
}

std::string_view trim(std::string_view s) {
    const std::size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    const std::size_t end = s.find_last_not_of(" \t");
    return s.substr(start, end - start + 1);
}

// Creates the folder and any missing parent with owner-only rights, as the base-directory rules
// ask for configuration folders.
bool make_folder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return true;
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !make_folder(parent)) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

XdgAutoStart::XdgAutoStart(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::string XdgAutoStart::ReadKey(const std::string& path) {
    if (folder_.empty() || !is_own_value(path)) return {};
    std::ifstream in(entry_path(), std::ios::binary);
    if (!in) return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    bool in_entry_group = false;
    std::optional<std::string> exec;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            in_entry_group = line == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!in_entry_group || equals == std::string_view::npos) continue;
        const std::string_view key = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        if (key == "Hidden" && value == "true") return {};
        if (key == "X-GNOME-Autostart-enabled" && value == "false") return {};
        if (key == "Exec") exec = first_argument(unescape_value(value)).value_or("");
    }
    return exec.value_or("");
}

void XdgAutoStart::register_program(const std::string& name, const std::string& program_path) {
    if (folder_.empty() || name != kValueName || program_path.empty()) return;
    if (!make_folder(folder_)) return;
    const std::string entry = std::string("[Desktop Entry]\n") +
                              "Type=Application\n"
                              "Name=" +
                              name + "\n" + "Exec=" + exec_value(program_path) + "\n" +
                              "Terminal=false\n"
                              "X-GNOME-Autostart-enabled=true\n";

    write_file_atomically(entry_path(), entry);
}

void XdgAutoStart::unregister_program(const std::string& name) {
    if (folder_.empty() || name != kValueName) return;
    ::unlink(entry_path().c_str());
}

std::filesystem::path default_autostart_folder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && std::filesystem::path(config).is_absolute()) {
        return std::filesystem::path(config) / "autostart";
    }
    std::filesystem::path home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) {
        home = user->pw_dir;
    }
    if (!home.is_absolute()) return {};
    return home / ".config" / "autostart";
}

}  // namespace presslane
