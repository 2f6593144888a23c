#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
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

// The file open as file, as a scan that meets it under name knows it; links is how many
// names it has.
std::optional<FileIdentity> IdentityOf(HANDLE file, std::string name, DWORD* links = nullptr) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info)) return std::nullopt;
    if (links) *links = info.nNumberOfLinks;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
                        std::move(name)};
}

// The name of the entry path reaches as its folder lists it: the case it was created in, and
// the long name where path gave a short one.
std::string ListedName(const std::string& path) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileExW(Win32Path(path).c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return {};
    FindClose(search);
    return Wtf8FromWide(data.cFileName);
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
    std::vector<FileIdentity> Files;  // the temporary file, and the old one

    ~Temporary() {
        if (File == INVALID_HANDLE_VALUE) return;
        CloseHandle(File);
        DeleteFileW(Win32Path(Name).c_str());
    }
};

FileReplacement::FileReplacement(const std::string& path) {
    std::optional<FileIdentity> old;
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
        DWORD links = 0;
        if (onDisk) old = IdentityOf(probe, ListedName(path), &links);
        // Another link keeps the old file's data where it is.
        if (links != 1) old.reset();
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
    const std::string name = temporary->Name.substr(temporary->Name.rfind('\\') + 1);
    if (auto created = IdentityOf(temporary->File, name)) temporary->Files.push_back(*created);
    if (old) temporary->Files.push_back(*old);
    Temporary_ = std::move(temporary);
}

FileReplacement::~FileReplacement() = default;

bool FileReplacement::Write(std::string_view bytes) {
    if (!Temporary_ || Temporary_->Failed) return false;
    Temporary_->Failed = !WriteAllTo(Temporary_->File, bytes);
    return !Temporary_->Failed;
}

std::vector<FileIdentity> FileReplacement::OwnFiles() const {
    return Temporary_ ? Temporary_->Files : std::vector<FileIdentity>{};
}

// Opened without access to its data, the file is reached even while it is open for writing
// and shared with nobody (the temporary file).
bool IsFile(const FolderEntry& entry, std::string_view folder, const FileIdentity& file) {
    if (entry.Name != file.Name) return false;
    const std::string path = std::string(folder).append(entry.Name);
    const HANDLE opened = CreateFileW(Win32Path(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const std::optional<FileIdentity> identity = IdentityOf(opened, {});
    CloseHandle(opened);
    return identity && identity->Device == file.Device && identity->Inode == file.Inode;
}

// The temporary file replaces the target in one step, and the step itself is written through
// before the call returns.
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
