#include <windows.h>

#include "platform/FileWriting.h"
#include "platform/Win32Names.h"

namespace quillet {
namespace {

WriteOutcome CannotCreate(DWORD error) {
    return {WriteOutcome::CannotCreate, SystemErrorText(error)};
}

std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    return path.substr(0, separator == 2 ? 3 : separator);
}

// A new, empty file in folder that nobody else uses.
HANDLE CreateTemporaryFile(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + (folder.back() == '\\' ? "" : "\\") + ".quillet-save-" +
               std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".tmp";
        const HANDLE file = CreateFileW(Win32Path(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD wanted = bytes.size() > 0x40000000 ? 0x40000000 : DWORD(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    // A full disk may only show when the data reach it.
    return FlushFileBuffers(file);
}

}  // namespace

// The temporary file replaces the target in one step, and the step itself is written through
// before the call returns.
WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesW(Win32Path(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return CannotCreate(ERROR_DIRECTORY);
        // A file the user marked read-only stays as it is.
        if (attributes & FILE_ATTRIBUTE_READONLY) return CannotCreate(ERROR_ACCESS_DENIED);
        const HANDLE probe = CreateFileW(Win32Path(path).c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
        const bool onDisk = probe != INVALID_HANDLE_VALUE && GetFileType(probe) == FILE_TYPE_DISK;
        if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
        if (!onDisk) return {WriteOutcome::CannotCreate, "Not a regular file"};
    } else if (const DWORD error = GetLastError();
               error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        return CannotCreate(error);
    }

    std::string temporary;
    const HANDLE file = CreateTemporaryFile(FolderOf(path), temporary);
    if (file == INVALID_HANDLE_VALUE) return CannotCreate(GetLastError());
    const bool written = WriteAll(file, bytes);
    if (!CloseHandle(file) || !written) {
        DeleteFileW(Win32Path(temporary).c_str());
        return {WriteOutcome::WriteFailed, {}};
    }
    if (!MoveFileExW(Win32Path(temporary).c_str(), Win32Path(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(Win32Path(temporary).c_str());
        return CannotCreate(error);
    }
    return {};
}

}  // namespace quillet
