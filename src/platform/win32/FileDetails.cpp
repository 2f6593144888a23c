#include "platform/FileDetails.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
// windows.h makes DeleteFile a macro for DeleteFileW; here it is this program's own function.
#undef DeleteFile

#include "platform/win32/ComScope.h"
#include "platform/win32/FoundEntry.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// FILETIME counts 100 ns steps from 1601-01-01 UTC.
constexpr std::int64_t kStepsPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

struct Found {
    WIN32_FIND_DATAW Data;
    FoundEntry Entry;
};

bool SameName(const wchar_t* found, std::wstring_view asked) {
    return CompareStringOrdinal(found, -1, asked.data(), static_cast<int>(asked.size()), TRUE) ==
           CSTR_EQUAL;
}

// The entry that path names, the entry itself when it is a link. A search for the path finds
// the name as stored and the short name; a drive root, or a file in a folder that may be
// passed through but not listed, is asked for its attributes instead.
std::optional<Found> FindEntry(const std::string& path) {
    const std::wstring wide = Win32Path(WithoutFolderEnd(path));
    // A search pattern's wildcards are no part of any name.
    if (wide.empty() ||
        wide.find_first_of(L"*?", wide.starts_with(L"\\\\?\\") ? 4 : 0) != std::wstring::npos)
        return std::nullopt;
    const std::wstring_view name = std::wstring_view(wide).substr(wide.find_last_of(L'\\') + 1);
    Found found{};
    bool named = false;
    const HANDLE search = FindFirstFileExW(wide.c_str(), FindExInfoStandard, &found.Data,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        // To the search the name is a pattern, which may match other names too ("trail."
        // matches "trail"): only the entry of that very name is taken.
        do {
            named = SameName(found.Data.cFileName, name) ||
                    SameName(found.Data.cAlternateFileName, name);
        } while (!named && FindNextFileW(search, &found.Data));
        FindClose(search);
    }
    if (!named) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
        found.Data = {};
        found.Data.dwFileAttributes = data.dwFileAttributes;
        found.Data.ftCreationTime = data.ftCreationTime;
        found.Data.ftLastAccessTime = data.ftLastAccessTime;
        found.Data.ftLastWriteTime = data.ftLastWriteTime;
        found.Data.nFileSizeHigh = data.nFileSizeHigh;
        found.Data.nFileSizeLow = data.nFileSizeLow;
    }
    found.Entry = ReadFoundEntry(found.Data);
    return found;
}

std::optional<std::int64_t> SecondsSince1970(const FILETIME& time) {
    const auto steps =
        static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
    if (steps == 0) return std::nullopt;
    return steps / kStepsPerSecond - kSecondsFrom1601To1970;
}

// The shell's words for the kind of entry; a path the shell cannot take (too long, or with a
// name it would read as another) is asked by its name and attributes alone, which the shell
// answers from the name's extension.
std::string ShellTypeName(const std::string& path, const std::string& name, DWORD attributes) {
    const ComScope com;
    std::wstring asked = WideFromWtf8(path);
    UINT flags = SHGFI_TYPENAME;
    if (asked.size() >= MAX_PATH || !ShellNameProblem(path).empty()) {
        asked = WideFromWtf8(name);
        flags |= SHGFI_USEFILEATTRIBUTES;
    }
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(asked.c_str(), attributes, &info, sizeof info, flags)) return {};
    return Wtf8FromWide(info.szTypeName);
}

}  // namespace

std::optional<FileDetails> ReadFileDetails(const std::string& given) {
    const std::string path = WithoutFolderEnd(given);
    const auto found = FindEntry(path);
    if (!found) return std::nullopt;
    FileDetails details;
    if (found->Data.cFileName[0]) {
        details.Name = Wtf8FromWide(found->Data.cFileName);
    } else {
        const auto separator = path.find_last_of("\\/");
        details.Name = separator == std::string::npos ? path : path.substr(separator + 1);
    }
    // The system keeps no short name for a name that is a valid one already.
    details.ShortName = Wtf8FromWide(found->Data.cAlternateFileName);
    const FoundEntry& entry = found->Entry;
    details.IsFolder = entry.IsFolder;
    details.Size = entry.Size;
    details.OnDiskSize = AllocatedSize(entry, path, "");
    details.Attributes = entry.Attributes;
    details.Created = SecondsSince1970(found->Data.ftCreationTime);
    details.Modified = SecondsSince1970(found->Data.ftLastWriteTime);
    details.Accessed = SecondsSince1970(found->Data.ftLastAccessTime);
    details.TypeName = ShellTypeName(path, details.Name, found->Data.dwFileAttributes);
    return details;
}

bool IsExistingFile(const std::string& path) {
    const auto found = FindEntry(path);
    return found && !found->Entry.IsFolder;
}

bool IsExistingFolder(const std::string& path) {
    const auto found = FindEntry(path);
    return found && found->Entry.IsFolder;
}

std::string PathRefusal(const std::string& path) {
    if (GetFileAttributesW(Win32Path(WithoutFolderEnd(path)).c_str()) != INVALID_FILE_ATTRIBUTES)
        return {};
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return PathErrorText(path, error);
}

std::string FirstFileIn(const std::string& folder) {
    WIN32_FIND_DATAW data;
    const HANDLE search = SearchFolder(folder, data);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::string first;
    do {
        if (!ReadFoundEntry(data).IsFolder) {
            first = Wtf8FromWide(data.cFileName);
            break;
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return first;
}

std::string DeleteFile(const std::string& path) {
    const std::wstring wide = Win32Path(WithoutFolderEnd(path));
    if (::DeleteFileW(wide.c_str())) return {};
    const DWORD error = GetLastError();
    // A symbolic link to a folder is a file here, but the system removes it as a folder.
    const auto found = FindEntry(path);
    if (found && !found->Entry.IsFolder &&
        (found->Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return RemoveDirectoryW(wide.c_str()) ? std::string() : SystemErrorText(GetLastError());
    }
    return SystemErrorText(error);
}

std::string RemoveEmptyFolder(const std::string& path) {
    return RemoveDirectoryW(Win32Path(WithoutFolderEnd(path)).c_str())
               ? std::string()
               : SystemErrorText(GetLastError());
}

}  // namespace quillet
