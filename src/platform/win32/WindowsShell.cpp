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
std::string Execute(const wchar_t* verb, const std::wstring& target, ULONG mask) {
    const ComScope com;
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = mask;
    execute.lpVerb = verb;
    execute.lpFile = target.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&execute)) return {};
    return SystemErrorText(GetLastError());
}

// The folder that holds path (a drive root for an entry at the top of a drive).
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of('\\');
    return separator == std::string::npos     ? path
           : separator == 2 && path[1] == ':' ? path.substr(0, 3)
                                              : path.substr(0, separator);
}

}  // namespace

std::string OpenWithAssociatedProgram(const std::string& given) {
    const std::string path = WithoutFolderEnd(given);
    if (GetFileAttributesW(Win32Path(path).c_str()) == INVALID_FILE_ATTRIBUTES)
        return PathErrorText(path, GetLastError());
    if (std::string problem = ShellNameProblem(path); !problem.empty()) return problem;
    // With its own boxes: the shell says why it cannot open the file, and for a file that no
    // program is associated with asks which program should open it.
    Execute(L"open", WideFromWtf8(path), SEE_MASK_DEFAULT);
    return {};
}

std::string OpenWebAddress(const std::string& address) {
    return Execute(L"open", WideFromWtf8(address), SEE_MASK_FLAG_NO_UI);
}

std::string ShowInExplorer(const std::string& given) {
    const std::string path = WithoutFolderEnd(given);
    // The shell would read a name it cannot reach as another entry's, or as none.
    if (ShellNameProblem(path).empty()) {
        const ComScope com;
        PIDLIST_ABSOLUTE item = nullptr;
        if (SUCCEEDED(SHParseDisplayName(WideFromWtf8(path).c_str(), nullptr, &item, 0, nullptr))) {
            // No children named: the item list names the one entry to select.
            const HRESULT shown = SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
            ILFree(item);
            if (SUCCEEDED(shown)) return {};
        }
    }
    const std::string folder = FolderOf(path);
    if (std::string problem = ShellNameProblem(folder); !problem.empty()) return problem;
    return Execute(L"explore", WideFromWtf8(folder), SEE_MASK_FLAG_NO_UI);
}

bool LeftOrRightButtonHeld() {
    // The physical buttons; with both asked, whether the user swapped them makes no difference.
    return ((GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) & 0x8000) != 0;
}

}  // namespace quillet
