#include <windows.h>

#include <optional>
#include <string_view>

#include "settings/win/registry_auto_start.h"

namespace presslane {
namespace {

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
    return out;
}

std::string utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

// Closes the key when it goes out of scope.
class Key {
public:
    Key(HKEY root, const std::wstring& path, REGSAM access, bool create) {
        const LSTATUS status = create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, access,
                                                        nullptr, &key_, nullptr)
                                      : RegOpenKeyExW(root, path.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The string data of a value; nothing when it is missing, is no string or cannot be read.
std::optional<std::wstring> read_string(HKEY root, const std::wstring& key,
                                        const std::wstring& value) {
    const Key open(root, key, KEY_QUERY_VALUE, false);
    if (!open.get()) return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(open.get(), value.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(open.get(), value.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(bytes / sizeof(wchar_t));
    // The stored data need not end in a null character, or may end in several.
    data.resize(std::wstring_view(data.c_str()).size());
    return data;
}

bool write_string(HKEY root, const std::wstring& value, const std::wstring& data) {
    const Key run(root, kRunKey, KEY_SET_VALUE, true);
    if (!run.get()) return false;
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(run.get(), value.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

void delete_value(HKEY root, const std::wstring& value) {
    const Key run(root, kRunKey, KEY_SET_VALUE, false);
    if (run.get()) RegDeleteValueW(run.get(), value.c_str());
}

}  // namespace

std::string RegistryAutoStart::ReadKey(const std::string& path) {
    const std::size_t hive_end = path.find('\\');
    const std::size_t value_start = path.rfind('\\');
    if (hive_end == std::string::npos || value_start == hive_end) return "";
    const std::string hive = path.substr(0, hive_end);
    const std::wstring key = wide(path.substr(hive_end + 1, value_start - hive_end - 1));
    const std::wstring value = wide(path.substr(value_start + 1));
    std::optional<std::wstring> data;
    if (hive == "HKLM" || hive == "HKEY_LOCAL_MACHINE") {
        data = read_string(HKEY_LOCAL_MACHINE, key, value);
        if (!data) data = read_string(HKEY_CURRENT_USER, key, value);
    } else if (hive == "HKCU" || hive == "HKEY_CURRENT_USER") {
        data = read_string(HKEY_CURRENT_USER, key, value);
    }
    return data ? utf8(*data) : "";
}

void RegistryAutoStart::register_program(const std::string& name, const std::string& program_path) {
    const std::wstring value = wide(name);
    const std::wstring data = L"\"" + wide(program_path) + L"\"";
    if (write_string(HKEY_LOCAL_MACHINE, value, data)) {
        // A value the user's key holds from a run without administrator rights would start the
        // program a second time.
        delete_value(HKEY_CURRENT_USER, value);
    } else {
        write_string(HKEY_CURRENT_USER, value, data);
    }
}

void RegistryAutoStart::unregister_program(const std::string& name) {
    const std::wstring value = wide(name);
    delete_value(HKEY_LOCAL_MACHINE, value);
    delete_value(HKEY_CURRENT_USER, value);
}

}  // namespace presslane
