#include <gtest/gtest.h>

#include "platform/linux/LinuxVolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// Inside a chroot the mount table may not show the volume of the process's own files.
#define SKIP_WITHOUT_MOUNT_ENTRY(location) \
    if (!location) GTEST_SKIP() << "the mount table shows no volume for the test's files"

TEST(LinuxVolumeQuery, AMountPointIsItsOwnVolumesMountPoint) {
    test::TempTree tree;
    LinuxVolumeQuery query;
    const auto inner = query.Location(tree.Root() + "/");
    SKIP_WITHOUT_MOUNT_ENTRY(inner);
    const auto location = query.Location(inner->MountPoint);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->MountPoint, inner->MountPoint);
    EXPECT_TRUE(location->PathIsMountPoint);
    const auto space = query.Space(inner->MountPoint);
    ASSERT_TRUE(space);
    EXPECT_GE(space->ClusterSize, 512u);
    EXPECT_TRUE(query.Capabilities(inner->MountPoint));
}

TEST(LinuxVolumeQuery, AFolderInsideAVolumeIsNotItsMountPoint) {
    test::TempTree tree;
    const std::string folder = tree.Folder("inner");
    LinuxVolumeQuery query;
    const auto location = query.Location(folder + "/");
    SKIP_WITHOUT_MOUNT_ENTRY(location);
    EXPECT_FALSE(location->PathIsMountPoint);
    const std::string prefix = location->MountPoint == "/" ? "/" : location->MountPoint + "/";
    EXPECT_EQ(folder.rfind(prefix, 0), 0u);
}

TEST(LinuxVolumeQuery, AMissingPathHasNoAnswers) {
    LinuxVolumeQuery query;
    EXPECT_FALSE(query.Space("/nonexistent/folder/"));
    EXPECT_FALSE(query.Capabilities("/nonexistent/folder/"));
    EXPECT_FALSE(query.Location("/nonexistent/folder/"));
}

TEST(LinuxVolumeQuery, CapabilitiesFollowTheFileSystemType) {
    EXPECT_TRUE(CapabilitiesOfFileSystem("ext4").Sparse);
    EXPECT_FALSE(CapabilitiesOfFileSystem("ext4").Compression);
    EXPECT_FALSE(CapabilitiesOfFileSystem("vfat").Sparse);
    EXPECT_FALSE(CapabilitiesOfFileSystem("exfat").Sparse);
    EXPECT_TRUE(CapabilitiesOfFileSystem("zfs").Compression);
    EXPECT_TRUE(CapabilitiesOfFileSystem("btrfs").Sparse);
    EXPECT_FALSE(CapabilitiesOfFileSystem("btrfs").Compression);
    EXPECT_TRUE(CapabilitiesOfFileSystem("tmpfs").Sparse);
    // Their st_blocks may be 0 or invented: no file there is taken for sparse.
    for (const char* type : {"proc", "sysfs", "fuse.sshfs", "fuseblk", "nfs4", "cifs", "overlay"}) {
        EXPECT_FALSE(CapabilitiesOfFileSystem(type).Sparse) << type;
        EXPECT_FALSE(CapabilitiesOfFileSystem(type).Compression) << type;
    }
    for (const char* type : {"nfs", "nfs4", "cifs", "smb3", "9p", "fuse.sshfs", "fuseblk"})
        EXPECT_TRUE(IsNetworkOrFuse(type)) << type;
    for (const char* type : {"ext4", "tmpfs", "btrfs", "vfat", "fusectl"})
        EXPECT_FALSE(IsNetworkOrFuse(type)) << type;
}

}  // namespace
}  // namespace quillet
