#include "platform/win32/ExplorerFolderMenu.h"

#include <windows.h>

#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// An open registry key, closed when it goes.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (Key_) RegCloseKey(Key_);
    }
    HKEY* Receive() { return &Key_; }
    HKEY Get() const { return Key_; }

private:
    HKEY Key_ = nullptr;
};

bool KeyExists(HKEY root, const std::wstring& path) {
    RegistryKey key;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

// Creates the key when missing and sets its default value and the named ones; a key that
// cannot be made is left alone.
void WriteKey(const std::wstring& path,
              std::initializer_list<std::pair<const wchar_t*, std::wstring>> values) {
    RegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (const auto& [name, data] : values) {
        RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
}

}  // namespace

void RegisterExplorerFolderMenu(bool enable, const std::string& executable,
                                const ExplorerClasses& classes) {
    const std::wstring root = classes.Written + L"\\";
    RegDeleteTreeW(HKEY_CURRENT_USER, (root + L"Folder\\shell\\Usage Pie Chart").c_str());
    const std::wstring program = WideFromWtf8(executable);
    for (const wchar_t* type : {L"Directory", L"Drive"}) {
        const std::wstring shell = std::wstring(type) + L"\\shell";
        const bool hasShell = classes.LookInClassesRoot
                                  ? KeyExists(HKEY_CLASSES_ROOT, shell)
                                  : KeyExists(HKEY_CURRENT_USER, root + shell);
        if (!hasShell) continue;
        const std::wstring entry = root + shell + L"\\UsagePieChart";
        if (!enable) {
            RegDeleteTreeW(HKEY_CURRENT_USER, entry.c_str());
            continue;
        }
        WriteKey(entry, {{nullptr, L"&Usage Pie Chart"}, {L"Icon", program}});
        WriteKey(entry + L"\\command", {{nullptr, L"\"" + program + L"\" \"%1\""}});
    }
}

}  // namespace quillet
