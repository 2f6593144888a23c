#include <gtest/gtest.h>

#include "platform/LinuxVolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(LinuxVolumeQuery, TheRootFolderIsAMountPointWithSpaceAndClusters) {
    LinuxVolumeQuery query;
    const auto location = query.Location("/");
    ASSERT_TRUE(location);
    EXPECT_EQ(location->MountPoint, "/");
    EXPECT_TRUE(location->PathIsMountPoint);
    const auto space = query.Space("/");
    ASSERT_TRUE(space);
    EXPECT_GE(space->ClusterSize, 512u);
    EXPECT_TRUE(query.Capabilities("/"));
}

TEST(LinuxVolumeQuery, AFolderInsideAVolumeIsNotItsMountPoint) {
    test::TempTree tree;
    const std::string folder = tree.Folder("inner");
    LinuxVolumeQuery query;
    const auto location = query.Location(folder + "/");
    ASSERT_TRUE(location);
    EXPECT_FALSE(location->PathIsMountPoint);
    EXPECT_EQ(folder.rfind(location->MountPoint == "/" ? "/" : location->MountPoint + "/", 0), 0u);
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
}

}  // namespace
}  // namespace quillet
