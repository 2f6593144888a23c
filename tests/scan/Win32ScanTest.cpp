#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32Names.h"
#include "platform/win32/Win32VolumeQuery.h"
#include "scan/ClusterRounding.h"
#include "scan/ExclusionList.h"
#include "scan/ShownName.h"
#include "scan/TreeChecks.h"
#include "scan/VolumeData.h"
#include "support/FakeFolderSource.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

const TFolderList* Child(const TFolderList& list, std::string_view name) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Name(i) == name) return list.Node(i).Children();
    return nullptr;
}

TEST(Win32Scan, BuildsTheTreeWithBackslashesClustersAndRootExclusions) {
    test::TempTree tree;
    tree.File("a.txt", 100);
    tree.File("Docs/readme", 5000);
    tree.Folder("Docs/Empty");
    tree.File("Temp/cache.bin", 70000);
    tree.File("Docs/Temp/kept.bin", 3);
    const Win32VolumeQuery query;
    const TVolumeData volume = ReadVolumeData(query, tree.Root() + "\\");
    ASSERT_GT(volume.ClusterSize, 1);
    EXPECT_FALSE(volume.ScanPathIsMountPoint);

    TFolderList root(".");
    std::uint8_t compressed = 1, sparse = 1;
    const std::string text = ExclusionText({{"1", "TEMP"}});
    TScanOptions options =
        PrepareScan(root, tree.Root() + "\\", volume, text, true, compressed, sparse);
    std::vector<std::string> progress;
    options.Progress = [&](const std::string& line) { progress.push_back(line); };
    Win32FolderSource source;
    root.Scan(source, options);

    test::ExpectConsistentTree(root);
    EXPECT_EQ(Child(root, "\\Temp"), nullptr) << "left out at the root";
    const TFolderList* docs = Child(root, "\\Docs");
    ASSERT_NE(docs, nullptr);
    EXPECT_EQ(docs->Path(), tree.Root() + "\\Docs\\");
    EXPECT_NE(Child(*docs, "\\Temp"), nullptr) << "kept below the root";
    EXPECT_EQ(root.FileCount, 3);
    EXPECT_EQ(root.FolderCount, 3);
    EXPECT_EQ(root.TotalNominal, 5103);
    const double k = volume.ClusterSize;
    EXPECT_EQ(root.TotalAllocated, RoundToClusters(100, volume.ClusterSize) +
                                       RoundToClusters(5000, volume.ClusterSize) + k);
    EXPECT_EQ(progress.front(), tree.Root() + "\\");
    EXPECT_EQ(root.LongestPath(), tree.Root() + "\\Docs\\Temp\\kept.bin");
}

// Folders go on below MAX_PATH through the long-path prefix until the system refuses a path;
// that folder is counted and left empty, and the scan ends as usual.
TEST(Win32Scan, ReadsATreeDeeperThanMaxPathUpToWhereTheSystemStops) {
    test::TempTree tree;
    const std::string name(120, 'd');
    std::string path = tree.Root();
    int levels = 0;
    std::string deepestFile;
    while (levels < 300) {
        const std::string next = path + "\\" + name;
        if (!CreateDirectoryW(Win32Path(next).c_str(), nullptr)) break;
        path = next;
        ++levels;
        if (path.size() > 1000 && deepestFile.empty()) {
            deepestFile = path + "\\f.txt";
            const HANDLE file = CreateFileW(Win32Path(deepestFile).c_str(), GENERIC_WRITE, 0,
                                            nullptr, CREATE_NEW, 0, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            DWORD written = 0;
            WriteFile(file, "12345", 5, &written, nullptr);
            CloseHandle(file);
        }
    }
    ASSERT_FALSE(deepestFile.empty()) << "a path of 1000 units must be possible";

    TFolderList root(".");
    root.ResetTo(tree.Root() + "\\");
    Win32FolderSource source;
    root.Scan(source, {});
    test::ExpectConsistentTree(root);
    EXPECT_EQ(root.FolderCount, levels);
    EXPECT_EQ(root.FileCount, 1);
    EXPECT_EQ(root.TotalNominal, 5);
    EXPECT_EQ(root.LongestPath(), deepestFile);
    EXPECT_GT(root.LongestPathLength, MAX_PATH);
}

// Such a name cannot be made under Wine, so a fake folder hands it to the scan as the Win32
// source would: as WTF-8.
TEST(Win32Scan, ANameWithAnUnpairedSurrogateCountsOneUnitAndIsShownEscaped) {
    const std::string name = Wtf8FromWide(std::wstring{L'a', wchar_t(0xD800)});
    test::FakeFolderSource source(test::FakeFolder("", {test::FakeFile(name, 10)}));
    TFolderList root(".");
    root.ResetTo("C:\\r\\");
    root.Scan(source, {});
    ASSERT_EQ(root.Count(), 1);
    EXPECT_EQ(root.LongestPathLength, 5 + 2);
    EXPECT_EQ(ShownName(root.Name(0)), "a\\xED\\xA0\\x80");
}

TEST(Win32Scan, ADriveRootBeginsWithItsFreeSpaceNamedAfterTheDrive) {
    const Win32VolumeQuery query;
    TVolumeData volume = ReadVolumeData(query, "C:\\");
    ASSERT_GT(volume.FreeSpace, 0);
    TFolderList root(".");
    std::uint8_t compressed = 2, sparse = 0;
    PrepareScan(root, "C:\\", volume, "", true, compressed, sparse);
    ASSERT_EQ(root.Count(), 1);
    EXPECT_EQ(root.Name(0), "(C: free space)");
    EXPECT_EQ(root.Node(0).Nominal(), -volume.FreeSpace);
    EXPECT_EQ(compressed, 1);
    EXPECT_EQ(sparse, 0);

    volume = ReadVolumeData(query, "C:\\windows\\");
    PrepareScan(root, "C:\\windows\\", volume, "", true, compressed, sparse);
    EXPECT_EQ(root.Count(), 0) << "only a drive root has the entry";
}

}  // namespace
}  // namespace quillet
