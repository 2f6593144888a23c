#include "platform/FileWriting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "base/PathText.h"
#include "platform/linux/DescriptorWrite.h"

namespace quillet {
namespace {

WriteOutcome CannotCreate(int error) {
    return {WriteOutcome::CannotCreate, std::strerror(error)};
}

// The file a link leads to, so that saving through a link replaces that file, not the link.
std::string ResolvedTarget(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// A new, empty file in folder that nobody else uses; its mode follows the umask like any new
// file's. Returns the descriptor, or -1 with errno set.
int CreateTemporaryFile(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.quillet-save-" + std::to_string(getpid()) + "-" +
               std::to_string(attempt) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void KeepOwnerAndMode(int fd, const struct stat& old) {
    // The owner first, as changing it clears the set-id bits that the mode then restores. Only
    // root may give a file away: for anyone else the new file is theirs, without set-id bits.
    const bool ownerKept = fchown(fd, old.st_uid, old.st_gid) == 0;
    fchmod(fd, old.st_mode & (ownerKept ? 07777 : 0777));
}

// The rename itself is only durable once the folder's entry is.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

struct FileReplacement::Temporary {
    std::string Target;
    std::string Folder;
    std::string Name;
    int Fd = -1;
    bool Failed = false;
    std::vector<FileIdentity> Files;  // the temporary file, and the old one

    ~Temporary() {
        if (Fd < 0) return;
        close(Fd);
        unlink(Name.c_str());
    }
};

FileReplacement::FileReplacement(const std::string& path) {
    auto temporary = std::make_unique<Temporary>();
    temporary->Target = ResolvedTarget(path);
    struct stat old;
    bool replacing = false;
    if (stat(temporary->Target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            Created_ = CannotCreate(EISDIR);
            return;
        }
        // Pipes, devices and sockets: writing would wait for a reader, or reach a device.
        if (!S_ISREG(old.st_mode)) {
            Created_ = {WriteOutcome::CannotCreate, "Not a regular file"};
            return;
        }
        // A file the user may not write stays as it is, even in a folder they may write.
        if (access(temporary->Target.c_str(), W_OK) != 0) {
            Created_ = CannotCreate(errno);
            return;
        }
        replacing = true;
    } else if (errno != ENOENT) {
        Created_ = CannotCreate(errno);
        return;
    }

    temporary->Folder = ParentOf(temporary->Target, "/", 1);
    temporary->Fd = CreateTemporaryFile(temporary->Folder, temporary->Name);
    if (temporary->Fd < 0) {
        Created_ = CannotCreate(errno);
        return;
    }
    if (replacing) KeepOwnerAndMode(temporary->Fd, old);
    struct stat created;
    if (fstat(temporary->Fd, &created) == 0)
        temporary->Files.push_back({created.st_dev, created.st_ino, {}});
    // Another link keeps the old file's data where it is.
    if (replacing && old.st_nlink == 1) temporary->Files.push_back({old.st_dev, old.st_ino, {}});
    Temporary_ = std::move(temporary);
}

FileReplacement::~FileReplacement() = default;

bool FileReplacement::Write(std::string_view bytes) {
    if (!Temporary_ || Temporary_->Failed) return false;
    Temporary_->Failed = !WriteAllTo(Temporary_->Fd, bytes);
    return !Temporary_->Failed;
}

std::vector<FileIdentity> FileReplacement::OwnFiles() const {
    return Temporary_ ? Temporary_->Files : std::vector<FileIdentity>{};
}

bool IsFile(const FolderEntry& entry, std::string_view, const FileIdentity& file) {
    return entry.Device == file.Device && entry.Inode == file.Inode;
}

WriteOutcome FileReplacement::Commit() {
    if (!Temporary_) return Created_;
    const std::unique_ptr<Temporary> temporary = std::move(Temporary_);
    // A full disk may only show when the data reach it.
    const bool written =
        !temporary->Failed && (fsync(temporary->Fd) == 0 || errno == EINVAL || errno == EROFS);
    const int fd = std::exchange(temporary->Fd, -1);
    if (close(fd) != 0 || !written) {
        unlink(temporary->Name.c_str());
        return {WriteOutcome::WriteFailed, {}};
    }
    if (rename(temporary->Name.c_str(), temporary->Target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary->Name.c_str());
        return CannotCreate(error);
    }
    SyncFolder(temporary->Folder);
    return {};
}

}  // namespace quillet
