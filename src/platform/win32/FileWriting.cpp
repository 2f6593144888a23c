#include <windows.h>

#include <memory>
#include <utility>

#include "base/PathText.h"
#include "base/WriteAll.h"
#include "platform/FileWriting.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

WriteOutcome CannotCreate(DWORD error) {
    return {WriteOutcome::CannotCreate, SystemErrorText(error)};
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

bool WriteAllTo(HANDLE file, std::string_view bytes) {
    return WriteAll(bytes, [file](std::string_view rest) {
        const DWORD wanted = rest.size() > 0x40000000 ? 0x40000000 : DWORD(rest.size());
        DWORD written = 0;
        return WriteFile(file, rest.data(), wanted, &written, nullptr) ? written : 0;
    });
}

}  // namespace

struct FileReplacement::Temporary {
    std::string Target;
    std::string Name;
    HANDLE File = INVALID_HANDLE_VALUE;
    bool Failed = false;

    ~Temporary() {
        if (File == INVALID_HANDLE_VALUE) return;
        CloseHandle(File);
        DeleteFileW(Win32Path(Name).c_str());
    }
};

FileReplacement::FileReplacement(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Win32Path(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            Created_ = CannotCreate(ERROR_DIRECTORY);
            return;
        }
        // A file the user marked read-only stays as it is.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            Created_ = CannotCreate(ERROR_ACCESS_DENIED);
            return;
        }
        const HANDLE probe = CreateFileW(Win32Path(path).c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
        const bool onDisk = probe != INVALID_HANDLE_VALUE && GetFileType(probe) == FILE_TYPE_DISK;
        if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
        if (!onDisk) {
            Created_ = {WriteOutcome::CannotCreate, "Not a regular file"};
            return;
        }
    } else if (const DWORD error = GetLastError();
               error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        Created_ = CannotCreate(error);
        return;
    }

    auto temporary = std::make_unique<Temporary>();
    temporary->Target = path;
    temporary->File = CreateTemporaryFile(ParentOf(path, "\\/", 3), temporary->Name);
    if (temporary->File == INVALID_HANDLE_VALUE) {
        Created_ = CannotCreate(GetLastError());
        return;
    }
    Temporary_ = std::move(temporary);
}

FileReplacement::~FileReplacement() = default;

bool FileReplacement::Write(std::string_view bytes) {
    if (!Temporary_ || Temporary_->Failed) return false;
    Temporary_->Failed = !WriteAllTo(Temporary_->File, bytes);
    return !Temporary_->Failed;
}

// The temporary file replaces the target in one step, and the step itself is written through
// before the call returns.
std::vector<FileIdentity> FileReplacement::OwnFiles() const {
    return {};
}

WriteOutcome FileReplacement::Commit() {
    if (!Temporary_) return Created_;
    const std::unique_ptr<Temporary> temporary = std::move(Temporary_);
    // A full disk may only show when the data reach it.
    const bool written = !temporary->Failed && FlushFileBuffers(temporary->File);
    const HANDLE file = std::exchange(temporary->File, INVALID_HANDLE_VALUE);
    const std::wstring name = Win32Path(temporary->Name);
    if (!CloseHandle(file) || !written) {
        DeleteFileW(name.c_str());
        return {WriteOutcome::WriteFailed, {}};
    }
    if (!MoveFileExW(name.c_str(), Win32Path(temporary->Target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(name.c_str());
        return CannotCreate(error);
    }
    return {};
}

}  // namespace quillet
