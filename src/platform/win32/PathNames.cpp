#include <windows.h>

#include "platform/PathNames.h"
#include "platform/win32/Win32Names.h"

namespace quillet {

std::string AbsoluteFolderPath(const std::string& path) {
    std::wstring full = FullPathName(WideFromWtf8(path));
    if (full.empty()) return path;
    // A drive root keeps its backslash ("C:\"); any other folder loses it.
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return Wtf8FromWide(full);
}

std::string FolderAccessError(const std::string& path) {
    const std::wstring wide = Win32Path(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathErrorText(path, GetLastError());
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return "Not a folder";
    const std::wstring pattern = wide + (wide.empty() || wide.back() != L'\\' ? L"\\*" : L"*");
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::string() : SystemErrorText(error);
    }
    FindClose(search);
    return {};
}

}  // namespace quillet
