// The registry on Windows, read back with its own calls: the settings as text values in
// HKEY_CURRENT_USER\Software\Corvane\Quillet, the placement as 32-bit numbers under the key of
// the executable's name (this test program's), and Explorer's folder entry. The test run's
// Wine prefix is its own, so the keys are the real ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <QTest>
#include <cstring>
#include <optional>

#include "app/FormMain.h"
#include "platform/win32/ExplorerFolderMenu.h"
#include "settings/RegistryVariables.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"

namespace quillet {
namespace {

struct RegistryValue {
    DWORD Type = REG_NONE;
    std::wstring Text;
    DWORD Number = 0;
};

std::optional<RegistryValue> Read(const std::wstring& key, const wchar_t* name) {
    RegistryValue value;
    wchar_t data[512] = {};
    DWORD size = sizeof(data) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &value.Type,
                     data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (value.Type == REG_DWORD) std::memcpy(&value.Number, data, sizeof(value.Number));
    if (value.Type == REG_SZ) value.Text = data;
    return value;
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

const std::wstring kSettings = L"Software\\Corvane\\Quillet";

TEST(WindowsRegistry, SettingsAreTextAndThePlacementIsNumbersUnderTheProgramsName) {
    const std::wstring placement = L"Software\\Corvane\\" + ExecutableKeyName().toStdWString();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettings.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, placement.c_str());
    const auto makeForm = [] {
        TMainServices services;
        services.Folders = std::make_shared<test::FakeFolderSource>(
            test::FakeFolder("", {test::FakeFile("a", 10)}));
        services.Volumes = std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(false));
        services.ExcludesFolder = "C:\\nonexistent";
        return std::make_unique<TMainForm>(services, std::vector<std::string>{"C:\\data"});
    };
    auto form = makeForm();
    form->show();
    form->move(300, 200);
    form->resize(700, 500);
    form->close();
    form.reset();

    for (const auto& [name, text] :
         {std::pair{L"Display mode", L"1"},
          {L"Display units", L"1"},
          {L"RightClickFolder", L"1"},
          {L"RepeatInterval", L"10"},
          {L"PieChartColours", L"$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF"}}) {
        const auto value = Read(kSettings, name);
        ASSERT_TRUE(value) << "missing: " << QString::fromWCharArray(name).toStdString();
        EXPECT_EQ(value->Type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->Text, text);
    }
    for (const auto& [name, number] : {std::pair{L"FormState", 0},
                                       {L"FormLeft", 300},
                                       {L"FormTop", 200},
                                       {L"FormClientWidth", 700},
                                       {L"FormClientHeight", 500}}) {
        const auto value = Read(placement, name);
        ASSERT_TRUE(value) << "missing: " << QString::fromWCharArray(name).toStdString();
        EXPECT_EQ(value->Type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(value->Number, static_cast<DWORD>(number));
    }

    // What a user leaves in the key is what the next start reads.
    const std::wstring gigabytes = L"3";
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettings.c_str(), L"Display units", REG_SZ,
                    gigabytes.c_str(),
                    static_cast<DWORD>((gigabytes.size() + 1) * sizeof(wchar_t)));
    form = makeForm();
    EXPECT_EQ(form->Settings.DisplayUnits, TSizeUnit::suGB);
}

TEST(WindowsRegistry, ExplorersEntryIsWrittenForClassesWithAShellKeyAndRemovedWhole) {
    const std::wstring root = L"Software\\QuilletTest\\Classes";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuilletTest");
    // Folders have a shell key, drives none; an entry of the older layout is there.
    HKEY made = nullptr;
    for (const wchar_t* key :
         {L"\\Directory\\shell", L"\\Folder\\shell\\Usage Pie Chart\\command"}) {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (root + key).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &made, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(made);
    }
    const ExplorerClasses classes{root, false};
    const std::string program = "C:\\Tools\\Quillet.exe";
    RegisterExplorerFolderMenu(true, program, classes);
    RegisterExplorerFolderMenu(true, program, classes);  // a second start only rewrites

    const std::wstring entry = root + L"\\Directory\\shell\\UsagePieChart";
    EXPECT_EQ(Read(entry, nullptr).value_or(RegistryValue{}).Text, L"&Usage Pie Chart");
    EXPECT_EQ(Read(entry, L"Icon").value_or(RegistryValue{}).Text, L"C:\\Tools\\Quillet.exe");
    EXPECT_EQ(Read(entry + L"\\command", nullptr).value_or(RegistryValue{}).Text,
              L"\"C:\\Tools\\Quillet.exe\" \"%1\"");
    EXPECT_FALSE(KeyExists(root + L"\\Drive\\shell"));
    EXPECT_FALSE(KeyExists(root + L"\\Folder\\shell\\Usage Pie Chart"));
    EXPECT_TRUE(KeyExists(root + L"\\Folder\\shell"));

    // Disabling takes the entry with whatever is under it, and leaves the shell key.
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (entry + L"\\extra").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &made, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(made);
    RegisterExplorerFolderMenu(false, program, classes);
    EXPECT_FALSE(KeyExists(entry));
    EXPECT_TRUE(KeyExists(root + L"\\Directory\\shell"));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuilletTest");
}

}  // namespace
}  // namespace quillet
