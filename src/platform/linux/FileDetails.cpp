#include "platform/FileDetails.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/RegularFile.h"
#include "platform/linux/ModeAttributes.h"

namespace quillet {
namespace {

bool StatNoFollow(const std::string& path, struct statx& sx) {
    return statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                 STATX_BASIC_STATS | STATX_BTIME, &sx) == 0;
}

// Transparent compression as the file system flags it (btrfs, ext4 with compression).
bool FlaggedCompressed(const std::string& path) {
    const int fd = OpenRegularFileForReading(path, O_NOFOLLOW);
    if (fd < 0) return false;
    int flags = 0;
    const bool compressed = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_COMPR_FL);
    close(fd);
    return compressed;
}

}  // namespace

std::optional<FileDetails> ReadFileDetails(const std::string& path) {
    struct statx sx;
    if (!StatNoFollow(path, sx)) return std::nullopt;
    FileDetails details;
    const auto slash = path.find_last_of('/');
    details.Name = slash == std::string::npos ? path : path.substr(slash + 1);
    const mode_t mode = sx.stx_mode;
    details.IsFolder = S_ISDIR(mode);
    details.Size = sx.stx_size;
    details.OnDiskSize = sx.stx_blocks * 512;
    details.Attributes = AttributesOf(details.Name, mode);
    if (S_ISREG(mode) && FlaggedCompressed(path)) details.Attributes |= kAttributeCompressed;
    if (sx.stx_mask & STATX_BTIME) details.Created = sx.stx_btime.tv_sec;
    if (sx.stx_mask & STATX_MTIME) details.Modified = sx.stx_mtime.tv_sec;
    if (sx.stx_mask & STATX_ATIME) details.Accessed = sx.stx_atime.tv_sec;
    return details;
}

bool IsExistingFile(const std::string& path) {
    struct statx sx;
    return StatNoFollow(path, sx) && !S_ISDIR(sx.stx_mode);
}

bool IsExistingFolder(const std::string& path) {
    struct statx sx;
    return StatNoFollow(path, sx) && S_ISDIR(sx.stx_mode);
}

std::string PathRefusal(const std::string& path) {
    struct statx sx;
    if (StatNoFollow(path, sx) || errno == ENOENT || errno == ENOTDIR) return {};
    return std::strerror(errno);
}

std::string FirstFileIn(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir) return {};
    const int fd = dirfd(dir.get());
    while (const dirent* entry = readdir(dir.get())) {
        struct stat st;
        if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode)) {
            return entry->d_name;
        }
    }
    return {};
}

std::string DeleteFile(const std::string& path) {
    return unlink(path.c_str()) == 0 ? std::string() : std::strerror(errno);
}

std::string RemoveEmptyFolder(const std::string& path) {
    return rmdir(path.c_str()) == 0 ? std::string() : std::strerror(errno);
}

}  // namespace quillet
