#include <gtest/gtest.h>
#include <windows.h>

#include "platform/FileWriting.h"
#include "platform/PathNames.h"
#include "platform/win32/Win32Names.h"
#include "platform/win32/Win32VolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(Win32VolumeQuery, AsksTheDriveRootAndNothingElse) {
    const Win32VolumeQuery query;
    const auto space = query.Space("C:\\some\\folder\\");
    ASSERT_TRUE(space);
    EXPECT_GE(space->ClusterSize, 512u);
    EXPECT_GT(space->FreeBytes, 0u);
    EXPECT_TRUE(query.Capabilities("c:\\"));
    const auto root = query.Location("c:\\");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->MountPoint, "c:\\");
    EXPECT_TRUE(root->PathIsMountPoint);
    EXPECT_FALSE(query.Location("C:\\folder\\")->PathIsMountPoint);

    EXPECT_FALSE(query.Space("\\\\server\\share\\")) << "a network path has no volume data";
    EXPECT_FALSE(query.Location("relative\\"));
    EXPECT_FALSE(DriveRoot("C:"));
}

// test-windows.sh makes N: a network drive of its Wine prefix; elsewhere there may be none.
TEST(Win32VolumeQuery, ANetworkDriveHasClusterSizeOne) {
    if (GetDriveTypeW(L"N:\\") != DRIVE_REMOTE) GTEST_SKIP() << "no network drive N:";
    const auto space = Win32VolumeQuery().Space("N:\\folder\\");
    ASSERT_TRUE(space);
    EXPECT_EQ(space->ClusterSize, 1u);
}

TEST(Win32PathNames, MakesFullFolderPathsAndSaysWhyOneCannotBeRead) {
    test::TempTree tree;
    const std::string file = tree.File("f.txt", 3);
    tree.Folder("a/b");
    EXPECT_EQ(AbsoluteFolderPath(tree.Path("a/b/../b/.\\")), tree.Path("a/b"));
    EXPECT_EQ(AbsoluteFolderPath("C:\\"), "C:\\");
    EXPECT_EQ(AbsoluteFolderPath("C:\\windows\\.."), "C:\\");
    EXPECT_EQ(FolderAccessError(tree.Path("a")), "");
    EXPECT_EQ(FolderAccessError(file), "Not a folder");
    EXPECT_NE(FolderAccessError(tree.Path("missing")), "");
}

TEST(Win32FileWriting, ReplacesTheFileInOneStepAndLeavesWhatItMayNotWrite) {
    test::TempTree tree;
    const std::string path = tree.Path("listing.txt");
    ASSERT_EQ(WriteWholeFile(path, "first\r\n").Outcome, WriteOutcome::Written);
    ASSERT_EQ(WriteWholeFile(path, "second\r\n").Outcome, WriteOutcome::Written);
    EXPECT_EQ(test::FileContent(path), "second\r\n");

    const std::string locked = tree.File("locked.txt", 4);
    SetFileAttributesW(WideFromWtf8(locked).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteWholeFile(locked, "x").Outcome, WriteOutcome::CannotCreate);
    EXPECT_EQ(test::FileContent(locked), "qqqq");
    SetFileAttributesW(WideFromWtf8(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(WriteWholeFile(tree.Folder("dir"), "x").Outcome, WriteOutcome::CannotCreate);

    WIN32_FIND_DATAW data;
    const HANDLE search =
        FindFirstFileW((WideFromWtf8(tree.Root()) + L"\\.quillet*").c_str(), &data);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

}  // namespace
}  // namespace quillet
