#include "platform/linux/LinuxVolumeQuery.h"

#include <fcntl.h>
#include <libmount/libmount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace quillet {

VolumeQuery::~VolumeQuery() = default;

namespace {

struct MountEntry {
    std::string Target;
    std::string Type;
    bool PathIsMountPoint = false;
};

struct TableDeleter {
    void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
struct IterDeleter {
    void operator()(libmnt_iter* iter) const { mnt_free_iter(iter); }
};

std::string Text(const char* s) {
    return s ? s : "";
}

std::optional<MountEntry> FindMount(const std::string& path) {
    struct statx sx;
    if (statx(AT_FDCWD, path.c_str(), AT_NO_AUTOMOUNT, STATX_TYPE | STATX_MNT_ID, &sx) != 0) {
        return std::nullopt;
    }
    std::unique_ptr<libmnt_table, TableDeleter> table(
        mnt_new_table_from_file("/proc/self/mountinfo"));
    if (!table) return std::nullopt;

    libmnt_fs* found = nullptr;
    if (sx.stx_mask & STATX_MNT_ID) {
        std::unique_ptr<libmnt_iter, IterDeleter> iter(mnt_new_iter(MNT_ITER_BACKWARD));
        libmnt_fs* fs = nullptr;
        while (iter && mnt_table_next_fs(table.get(), iter.get(), &fs) == 0) {
            if (static_cast<std::uint64_t>(mnt_fs_get_id(fs)) == sx.stx_mnt_id) {
                found = fs;
                break;
            }
        }
    }
    if (!found) {
        std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                         &std::free);
        if (!real) return std::nullopt;
        found = mnt_table_find_mountpoint(table.get(), real.get(), MNT_ITER_BACKWARD);
        if (!found) return std::nullopt;
    }

    MountEntry entry{Text(mnt_fs_get_target(found)), Text(mnt_fs_get_fstype(found))};
    if (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) {
        entry.PathIsMountPoint = sx.stx_attributes & STATX_ATTR_MOUNT_ROOT;
    } else {
        std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                         &std::free);
        entry.PathIsMountPoint = real && entry.Target == real.get();
    }
    return entry;
}

}  // namespace

VolumeCapabilities CapabilitiesOfFileSystem(const std::string& type) {
    // They hold holes and count in st_blocks what is allocated; elsewhere (vfat, iso9660,
    // proc, FUSE, network file systems) st_blocks may be 0 or invented.
    static constexpr std::array<std::string_view, 13> kFaithful = {
        "ext2", "ext3",     "ext4", "xfs",      "btrfs",  "f2fs", "tmpfs",
        "zfs",  "bcachefs", "jfs",  "reiserfs", "nilfs2", "ocfs2"};
    VolumeCapabilities caps;
    caps.Sparse = std::find(kFaithful.begin(), kFaithful.end(), type) != kFaithful.end();
    // zfs reports compressed allocation in st_blocks; btrfs reports the uncompressed extents.
    caps.Compression = type == "zfs";
    return caps;
}

bool IsNetworkOrFuse(const std::string& type) {
    static constexpr std::array<std::string_view, 16> kRemote = {
        "nfs",  "nfs4",  "cifs",   "smb3",      "smbfs", "9p",       "ceph", "afs",
        "coda", "ncpfs", "lustre", "glusterfs", "davfs", "virtiofs", "fuse", "fuseblk"};
    return type.starts_with("fuse.") ||
           std::find(kRemote.begin(), kRemote.end(), type) != kRemote.end();
}

std::string FileSystemType(const std::string& path) {
    const auto mount = FindMount(path);
    return mount ? mount->Type : std::string();
}

std::optional<VolumeSpace> LinuxVolumeQuery::Space(const std::string& path) const {
    struct statvfs vfs;
    if (statvfs(path.c_str(), &vfs) != 0) return std::nullopt;
    const std::uint64_t unit = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
    VolumeSpace space;
    space.ClusterSize = unit > 0 && unit <= UINT32_MAX ? static_cast<std::uint32_t>(unit) : 1;
    if (space.ClusterSize > 1 && IsNetworkOrFuse(FileSystemType(path))) space.ClusterSize = 1;
    space.FreeBytes = static_cast<std::uint64_t>(vfs.f_bfree) * unit;
    return space;
}

std::optional<VolumeCapabilities> LinuxVolumeQuery::Capabilities(const std::string& path) const {
    const auto mount = FindMount(path);
    if (!mount) return std::nullopt;
    return CapabilitiesOfFileSystem(mount->Type);
}

std::optional<VolumeLocation> LinuxVolumeQuery::Location(const std::string& path) const {
    const auto mount = FindMount(path);
    if (!mount) return std::nullopt;
    return VolumeLocation{mount->Target, mount->PathIsMountPoint};
}

}  // namespace quillet
