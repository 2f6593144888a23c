#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "platform/RegularFile.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// A handle for reading path when it is a file on a disk; devices (CON, NUL, COM1), pipes and
// folders are turned away.
HANDLE OpenDiskFile(const std::string& path, DWORD access) {
    const HANDLE file = CreateFileW(Win32Path(path).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

int OpenRegularFileForReading(const std::string& path, int /*extraFlags*/) {
    const HANDLE file = OpenDiskFile(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) return -1;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) CloseHandle(file);
    return fd;
}

long long ReadFileAt(int fd, void* buffer, std::size_t size, std::uint64_t offset) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (ReadFile(file, buffer, wanted, &read, &at)) return read;
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    errno = EIO;
    return -1;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    const HANDLE file = OpenDiskFile(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char chunk[65536];
    bool ok = true;
    while (text.size() < maxBytes) {
        DWORD read = 0;
        const std::size_t wanted = std::min(sizeof chunk, maxBytes - text.size());
        ok = ReadFile(file, chunk, static_cast<DWORD>(wanted), &read, nullptr);
        if (!ok || read == 0) break;
        text.append(chunk, read);
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return text;
}

bool IsSpecialFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Win32Path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const HANDLE file = OpenDiskFile(path, 0);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
}

}  // namespace quillet
