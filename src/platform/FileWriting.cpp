#include "platform/FileWriting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

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

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    // A full disk may only show when the data reach it.
    return fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
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

WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(path);
    struct stat old;
    bool replacing = false;
    if (stat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) return CannotCreate(EISDIR);
        // Pipes, devices and sockets: writing would wait for a reader, or reach a device.
        if (!S_ISREG(old.st_mode)) return {WriteOutcome::CannotCreate, "Not a regular file"};
        // A file the user may not write stays as it is, even in a folder they may write.
        if (access(target.c_str(), W_OK) != 0) return CannotCreate(errno);
        replacing = true;
    } else if (errno != ENOENT) {
        return CannotCreate(errno);
    }

    const std::string folder = FolderOf(target);
    std::string temporary;
    const int fd = CreateTemporaryFile(folder, temporary);
    if (fd < 0) return CannotCreate(errno);
    if (replacing) KeepOwnerAndMode(fd, old);
    const bool written = WriteAll(fd, bytes);
    if (close(fd) != 0 || !written) {
        unlink(temporary.c_str());
        return {WriteOutcome::WriteFailed, {}};
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return CannotCreate(error);
    }
    SyncFolder(folder);
    return {};
}

}  // namespace quillet
