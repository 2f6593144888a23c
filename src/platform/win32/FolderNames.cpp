#include "platform/FolderNames.h"

#include <windows.h>

#include "platform/win32/FoundEntry.h"
#include "platform/win32/Win32Names.h"

namespace quillet {

std::optional<std::vector<NamedEntry>> ReadFolderNames(const std::string& folder) {
    WIN32_FIND_DATAW data;
    const HANDLE search = SearchFolder(folder, data);
    std::vector<NamedEntry> entries;
    if (search == INVALID_HANDLE_VALUE) {
        // A drive root may hold no entry at all, not even "." and "..".
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
        return std::nullopt;
    }
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        // A symbolic link or a junction to a folder carries the folder attribute itself.
        entries.push_back(
            {Wtf8FromWide(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return entries;
}

bool LeadsToFolder(const std::string& path) {
    const std::wstring wide = Win32Path(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    // A link is followed to what it leads to: opening it without FILE_FLAG_OPEN_REPARSE_POINT
    // opens its target, which may be missing.
    const HANDLE target = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION information;
    const bool folder = GetFileInformationByHandle(target, &information) &&
                        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(target);
    return folder;
}

bool LeadsToFile(const std::string& path) {
    // A link to a file carries no folder attribute; one to a folder does, as the folder.
    const DWORD attributes = GetFileAttributesW(Win32Path(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The root of every drive letter in use, in the system's order.
std::vector<std::string> RootFolders() {
    std::wstring buffer(GetLogicalDriveStringsW(0, nullptr), L'\0');
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size()) return {};
    std::vector<std::string> roots;
    // The roots follow each other, each ended by a null character.
    for (std::size_t at = 0; at < length;) {
        const std::size_t end = buffer.find(L'\0', at);
        if (end == at || end == std::wstring::npos) break;
        roots.push_back(Wtf8FromWide(std::wstring_view(buffer).substr(at, end - at)));
        at = end + 1;
    }
    return roots;
}

}  // namespace quillet
