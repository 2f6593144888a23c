#include "platform/win32/WindowsShell.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/ComScope.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// ShellExecuteExW rather than ShellExecuteW: it can be told to show no error box, and it
// leaves a system error code, where ShellExecuteW answers with codes of its own.
std::string Execute(const wchar_t* verb, const std::wstring& target) {
    const ComScope com;
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = verb;
    execute.lpFile = target.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&execute)) return {};
    return SystemErrorText(GetLastError());
}

}  // namespace

std::string OpenWithAssociatedProgram(const std::string& path) {
    return Execute(L"open", WideFromWtf8(WithoutFolderEnd(path)));
}

std::string OpenWebAddress(const std::string& address) {
    return Execute(L"open", WideFromWtf8(address));
}

std::string ShowInExplorer(const std::string& given) {
    const std::string path = WithoutFolderEnd(given);
    {
        const ComScope com;
        PIDLIST_ABSOLUTE item = nullptr;
        if (SUCCEEDED(SHParseDisplayName(WideFromWtf8(path).c_str(), nullptr, &item, 0, nullptr))) {
            // No children named: the item list names the one entry to select.
            const HRESULT shown = SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
            ILFree(item);
            if (SUCCEEDED(shown)) return {};
        }
    }
    const auto separator = path.find_last_of('\\');
    const std::string folder = separator == std::string::npos     ? path
                               : separator == 2 && path[1] == ':' ? path.substr(0, 3)
                                                                  : path.substr(0, separator);
    return Execute(L"explore", WideFromWtf8(folder));
}

bool LeftOrRightButtonHeld() {
    // The physical buttons; with both asked, whether the user swapped them makes no difference.
    return ((GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) & 0x8000) != 0;
}

}  // namespace quillet
