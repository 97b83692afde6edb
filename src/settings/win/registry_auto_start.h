#pragma once

#include <string>

#include "settings/auto_start.h"

namespace presslane {

// Start-up through the registry's Run keys. A value is written under the machine-wide Run key
// (HKLM), holding the program's full path in quotes; where the machine-wide key refuses it (a user
// without administrator rights), under the user's own Run key (HKCU), which Windows starts the
// same way. So a value is read under HKLM first and then under the same key of HKCU, and deleted
// from both.
class RegistryAutoStart : public AutoStart {
public:
    // path: "HKLM\\..." or "HKCU\\..." (also HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER), the key,
    // and the value name after the last "\\"; the data of a string value, as stored.
    std::string ReadKey(const std::string& path) override;
    void register_program(const std::string& name, const std::string& program_path) override;
    void unregister_program(const std::string& name) override;
};

}  // namespace presslane
