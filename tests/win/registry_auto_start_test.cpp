#include "settings/win/registry_auto_start.h"

#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace presslane {
namespace {

constexpr const wchar_t* kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValue = L"프레스레인";
const std::string kProgram = "C:\\Program Files\\프레스 레인\\lane_desk.exe";
const std::wstring kStored = L"\"C:\\Program Files\\프레스 레인\\lane_desk.exe\"";

// The Run value as Windows itself reads it at log-on, past the adapter.
std::optional<std::wstring> run_value(HKEY hive) {
    wchar_t data[512];
    DWORD bytes = sizeof data;
    if (RegGetValueW(hive, kRun, kValue, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

void set_run_value(HKEY hive, const std::wstring& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(hive, kRun, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

class RegistryAutoStartTest : public ::testing::Test {
protected:
    void SetUp() override { start.unregister_program(AutoStart::kValueName); }
    void TearDown() override {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        start.unregister_program(AutoStart::kValueName);
    }
    RegistryAutoStart start;
};

TEST_F(RegistryAutoStartTest, WritesReadsAndDeletesTheMachineWideRunValue) {
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "");

    start.register_program(AutoStart::kValueName, kProgram);
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), kStored);
    EXPECT_EQ(run_value(HKEY_CURRENT_USER), std::nullopt);
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "\"" + kProgram + "\"");

    // Another program's path replaces the value, never adds a second one.
    start.register_program(AutoStart::kValueName, "D:\\lane_desk.exe");
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), L"\"D:\\lane_desk.exe\"");

    start.unregister_program(AutoStart::kValueName);
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), std::nullopt);
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "");
    start.unregister_program(AutoStart::kValueName);  // nothing left to delete: no harm
}

TEST_F(RegistryAutoStartTest, AUserValueIsReadAndDeletedAndGivesWayToTheMachineWideOne) {
    // Left by a run without administrator rights.
    set_run_value(HKEY_CURRENT_USER, L"\"C:\\old\\lane_desk.exe\"");
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "\"C:\\old\\lane_desk.exe\"");

    // Registered machine-wide, the program must not start twice at log-on.
    start.register_program(AutoStart::kValueName, kProgram);
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), kStored);
    EXPECT_EQ(run_value(HKEY_CURRENT_USER), std::nullopt);

    set_run_value(HKEY_CURRENT_USER, L"\"C:\\old\\lane_desk.exe\"");
    start.unregister_program(AutoStart::kValueName);
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), std::nullopt);
    EXPECT_EQ(run_value(HKEY_CURRENT_USER), std::nullopt);
}

TEST_F(RegistryAutoStartTest, WhereTheMachineWideKeyRefusesTheUsersKeyTakesTheValue) {
    // HKLM stands for a key that has been deleted: every write under it is refused.
    HKEY gone = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\PressLaneTestGone", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &gone, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\PressLaneTestGone"), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, gone), ERROR_SUCCESS);
    RegCloseKey(gone);

    start.register_program(AutoStart::kValueName, kProgram);
    EXPECT_EQ(run_value(HKEY_CURRENT_USER), kStored);
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "\"" + kProgram + "\"");

    start.unregister_program(AutoStart::kValueName);
    EXPECT_EQ(run_value(HKEY_CURRENT_USER), std::nullopt);
    EXPECT_EQ(start.ReadKey(AutoStart::kValuePath), "");

    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    EXPECT_EQ(run_value(HKEY_LOCAL_MACHINE), std::nullopt);
}

TEST_F(RegistryAutoStartTest, PathsOutsideTheRegistrysHivesReadAsAbsent) {
    start.register_program(AutoStart::kValueName, kProgram);
    for (const char* path : {"HKXX\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\프레스레인",
                             "HKLM", "", "HKLM\\프레스레인"}) {
        EXPECT_EQ(start.ReadKey(path), "") << path;
    }
    EXPECT_EQ(
        start.ReadKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\"
                      "프레스레인"),
        "\"" + kProgram + "\"");
}

}  // namespace
}  // namespace presslane
