#include "platform/win32/FoundEntry.h"

#include "platform/FileAttributes.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_SPARSE_FILE |
                                  FILE_ATTRIBUTE_COMPRESSED;
static_assert(FILE_ATTRIBUTE_READONLY == kAttributeReadOnly &&
              FILE_ATTRIBUTE_HIDDEN == kAttributeHidden &&
              FILE_ATTRIBUTE_SYSTEM == kAttributeSystem &&
              FILE_ATTRIBUTE_DIRECTORY == kAttributeDirectory &&
              FILE_ATTRIBUTE_ARCHIVE == kAttributeArchive &&
              FILE_ATTRIBUTE_SPARSE_FILE == kAttributeSparse &&
              FILE_ATTRIBUTE_COMPRESSED == kAttributeCompressed);

}  // namespace

FoundEntry ReadFoundEntry(const WIN32_FIND_DATAW& data) {
    FoundEntry entry;
    DWORD attributes = data.dwFileAttributes;
    const bool isLink =
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(data.dwReserved0);
    entry.IsFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    if (entry.IsFolder && isLink && data.dwReserved0 == IO_REPARSE_TAG_SYMLINK) {
        entry.IsFolder = false;
        attributes &= ~FILE_ATTRIBUTE_DIRECTORY;
    }
    entry.Enterable = entry.IsFolder && !isLink;
    entry.Attributes = attributes & kKeptAttributes;
    entry.Size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return entry;
}

HANDLE SearchFolder(const std::string& folder, WIN32_FIND_DATAW& first) {
    std::wstring pattern = Win32Path(folder);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &first, FindExSearchNameMatch,
                            nullptr, 0);
}

std::uint64_t AllocatedSize(const FoundEntry& entry, std::string_view folder,
                            std::string_view name) {
    if (entry.IsFolder || !(entry.Attributes & (kAttributeCompressed | kAttributeSparse)))
        return entry.Size;
    DWORD high = 0;
    std::string path(folder);
    path += name;
    const DWORD low = GetCompressedFileSizeW(Win32Path(path).c_str(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return entry.Size;
    return (std::uint64_t{high} << 32) | low;
}

}  // namespace quillet
