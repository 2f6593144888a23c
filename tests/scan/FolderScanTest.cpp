#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include <filesystem>
#include <fstream>

#include "platform/FileAttributes.h"
#include "platform/linux/LinuxFolderSource.h"
#include "platform/linux/LinuxVolumeQuery.h"
#include "scan/ClusterRounding.h"
#include "scan/FileInfo.h"
#include "scan/ReadAheadSource.h"
#include "scan/TreeChecks.h"
#include "support/FakeFolderSource.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

using test::ExpectConsistentTree;
using test::FakeFile;
using test::FakeFolder;
using test::FakeFolderSource;
using test::FakeNode;

// root: a.txt (100), docs/ {readme (5000), empty/}, big.bin (10000)
FakeNode SampleTree() {
    return FakeFolder("", {FakeFile("a.txt", 100),
                           FakeFolder("docs", {FakeFile("readme", 5000), FakeFolder("empty")}),
                           FakeFile("big.bin", 10000)});
}

std::vector<std::string> Names(const TFolderList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.emplace_back(list.Name(i));
    return names;
}

const TFolderList& ChildList(const TFolderList& list, std::string_view name) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Name(i) == name && list.Node(i).Children()) return *list.Node(i).Children();
    }
    throw std::runtime_error("no folder " + std::string(name));
}

TEST(FolderScan, BuildsTheTreeInListingOrderWithTotalsAndBackEntries) {
    FakeFolderSource source(SampleTree());
    TFolderList root(".");
    root.ResetTo("/r/");
    TScanOptions options;
    options.ClusterSize = 4096;
    root.Scan(source, options);

    EXPECT_EQ(Names(root), (std::vector<std::string>{"a.txt", "/docs", "big.bin"}));
    const TFolderList& docs = ChildList(root, "/docs");
    EXPECT_EQ(Names(docs), (std::vector<std::string>{"..", "readme", "/empty"}));
    const TFolderList& empty = ChildList(docs, "/empty");
    EXPECT_EQ(Names(empty), (std::vector<std::string>{".."}));
    EXPECT_EQ(empty.FileCount, 0);
    EXPECT_EQ(empty.TotalAllocated, 0);

    EXPECT_EQ(root.FileCount, 3);
    EXPECT_EQ(root.FolderCount, 2) << "the empty folder still counts";
    EXPECT_EQ(root.TotalNominal, 15100);
    EXPECT_EQ(root.TotalAllocated, 4096 + 8192 + 12288);
    EXPECT_EQ(docs.Path(), "/r/docs/");
    EXPECT_EQ(source.OpenHandles, 0) << "every listing is closed";
    ExpectConsistentTree(root);
}

TEST(FolderScan, AnEmptyRootHasNoItemsAtAll) {
    FakeFolderSource source(FakeFolder(""));
    TFolderList root("/e/");
    root.Scan(source, {});
    EXPECT_EQ(root.Count(), 0);
    EXPECT_EQ(root.FileCount, 0);
}

TEST(FolderScan, UnreadableAndFailingFoldersAreCountedWithWhatWasRead) {
    FakeNode locked = FakeFolder("locked", {FakeFile("secret", 10)});
    locked.Unreadable = true;
    FakeNode flaky = FakeFolder("flaky", {FakeFile("one", 1), FakeFile("two", 2)});
    flaky.FailAfter = 1;
    FakeFolderSource source(FakeFolder("", {locked, flaky}));
    TFolderList root("/r/");
    root.Scan(source, {});

    const TFolderList& lockedList = ChildList(root, "/locked");
    EXPECT_EQ(Names(lockedList), (std::vector<std::string>{".."}));
    EXPECT_EQ(ChildList(root, "/flaky").FileCount, 1) << "the rest of the listing is skipped";
    EXPECT_EQ(root.FolderCount, 2);
    EXPECT_EQ(root.FileCount, 1);
    ExpectConsistentTree(root);
}

TEST(FolderScan, OnlyAnUnreadableSubFolderGivesOneFolderAndNothingElse) {
    FakeNode locked = FakeFolder("locked");
    locked.Unreadable = true;
    FakeFolderSource source(FakeFolder("", {locked}));
    TFolderList root("/r/");
    root.Scan(source, {});
    EXPECT_EQ(root.FolderCount, 1);
    EXPECT_EQ(root.FileCount, 0);
    EXPECT_EQ(root.TotalNominal, 0);
    EXPECT_EQ(root.TotalAllocated, 0);
}

TEST(FolderScan, AnUnreadableRootLeavesTheListEmpty) {
    FakeNode root = FakeFolder("", {FakeFile("x", 1)});
    root.Unreadable = true;
    FakeFolderSource source(root);
    TFolderList list("/r/");
    list.Scan(source, {});
    EXPECT_EQ(list.Count(), 0);
}

TEST(FolderScan, ReportsProgressAndPumpsMessagesPerFolderAndWithinAHugeOne) {
    FakeFolderSource source(SampleTree());
    TFolderList root("/r/");
    std::vector<std::string> progress;
    int pumps = 0;
    TScanOptions options;
    options.Progress = [&](const std::string& text) { progress.push_back(text); };
    options.ProcessMessages = [&] { ++pumps; };
    root.Scan(source, options);
    EXPECT_EQ(progress, (std::vector<std::string>{"/r/", "/r/docs/", "/r/docs/empty/"}));
    EXPECT_EQ(pumps, 3);

    // One folder of 20,000 files: the window's events must not wait until it ends.
    std::vector<FakeNode> files;
    for (int i = 0; i < 20000; ++i)
        files.push_back(FakeFile("f" + std::to_string(i), 1));
    FakeFolderSource wide(FakeFolder("", files));
    TFolderList wideRoot("/w/");
    pumps = 0;
    wideRoot.Scan(wide, options);
    EXPECT_GE(pumps, 5);
}

TEST(FolderScan, CancellingLeavesAConsistentPartialTree) {
    // Ten folders of ten folders of five files; cancel while the third top folder starts.
    std::vector<FakeNode> top;
    for (int i = 0; i < 10; ++i) {
        std::vector<FakeNode> middle;
        for (int j = 0; j < 10; ++j) {
            std::vector<FakeNode> files;
            for (int k = 0; k < 5; ++k)
                files.push_back(FakeFile("f" + std::to_string(k), 1000));
            middle.push_back(FakeFolder("m" + std::to_string(j), files));
        }
        top.push_back(FakeFolder("t" + std::to_string(i), middle));
    }
    FakeFolderSource source(FakeFolder("", top));
    TFolderList root("/r/");
    bool cancel = false;
    TScanOptions options;
    options.CancelRequested = &cancel;
    options.ClusterSize = 512;
    options.Progress = [&](const std::string& text) {
        if (text == "/r/t2/") cancel = true;
    };
    root.Scan(source, options);

    ExpectConsistentTree(root);
    EXPECT_EQ(root.Count(), 3) << "t0, t1 finished; t2 is appended with what it read";
    EXPECT_EQ(ChildList(root, "/t0").FileCount, 50);
    // t2 handled its first entry (m0) and m0 its first file, then everything unwound.
    const TFolderList& t2 = ChildList(root, "/t2");
    EXPECT_EQ(Names(t2), (std::vector<std::string>{"..", "/m0"}));
    EXPECT_EQ(ChildList(t2, "/m0").FileCount, 1);
    EXPECT_EQ(root.FileCount, 101);
    EXPECT_EQ(source.OpenHandles, 0);
}

TEST(FolderScan, OnDiskSizesReplaceNominalOnlyWhereTheirSwitchIsOn) {
    FakeFolderSource source(
        FakeFolder("", {FakeFile("packed", 10000, kAttributeCompressed, 3000),
                        FakeFile("holes", 50000, kAttributeSparse, 4096),
                        FakeFile("both", 8000, kAttributeCompressed | kAttributeSparse, 100),
                        FakeFile("plain", 7000, 0, 8192)}));
    const auto scan = [&](bool compressed, bool sparse) {
        TFolderList root("/r/");
        TScanOptions options;
        options.ClusterSize = 4096;
        options.CompressedSwitch = compressed;
        options.SparseSwitch = sparse;
        root.Scan(source, options);
        std::vector<double> sizes;
        for (int i = 0; i < root.Count(); ++i)
            sizes.push_back(root.Node(i).Nominal());
        EXPECT_EQ(root.Node(0).Allocated(), RoundToClusters(root.Node(0).Nominal(), 4096));
        return sizes;
    };
    EXPECT_EQ(scan(false, false), (std::vector<double>{10000, 50000, 8000, 7000}));
    EXPECT_EQ(scan(true, false), (std::vector<double>{3000, 50000, 100, 7000}));
    EXPECT_EQ(scan(false, true), (std::vector<double>{10000, 4096, 100, 7000}));
    EXPECT_EQ(scan(true, true), (std::vector<double>{3000, 4096, 100, 7000}));
}

TEST(FolderScan, SlackIsAllocatedMinusNominal) {
    FakeFolderSource source(
        FakeFolder("", {FakeFile("one", 1), FakeFile("exact", 8192), FakeFile("zero", 0)}));
    TFolderList root("/r/");
    TScanOptions options;
    options.ClusterSize = 4096;
    root.Scan(source, options);
    EXPECT_EQ(root.Node(0).Allocated(), 4096);
    EXPECT_EQ(root.Node(0).Slack(), 4095);
    EXPECT_EQ(root.Node(1).Allocated(), 8192);
    EXPECT_EQ(root.Node(1).Slack(), 0);
    EXPECT_EQ(root.Node(2).Allocated(), 0);
    EXPECT_EQ(root.TotalSlack(), 4095);
}

TEST(FolderScan, ExclusionsApplyToTopLevelFoldersByNamePrefixWhateverTheCase) {
    FakeNode tree = FakeFolder(
        "", {FakeFolder("TEMP", {FakeFile("t", 1)}), FakeFolder("Tem", {FakeFile("t", 1)}),
             FakeFolder("Templates", {FakeFile("t", 1)}),
             FakeFolder("keep", {FakeFolder("Temp", {FakeFile("t", 1)})}),
             FakeFolder("\xC3\x89t\xC3\xA9", {FakeFile("t", 1)}), FakeFile("temp", 1)});
    FakeFolderSource source(tree);
    TFolderList root("/r/");
    TScanOptions options;
    // As read from: 1=System Volume Information, 2=Temp, 3=été (lower-case accent only).
    options.ExclusionText = "\"1=system volume information\",2=temp,3=\xC3\xA9t\xC3\xA9";
    root.Scan(source, options);
    EXPECT_EQ(Names(root),
              (std::vector<std::string>{"/Templates", "/keep", "/\xC3\x89t\xC3\xA9", "temp"}));
    EXPECT_EQ(ChildList(ChildList(root, "/keep"), "/Temp").FileCount, 1) << "deeper: scanned";
    EXPECT_EQ(root.FolderCount, 4) << "left-out folders are not counted";
    EXPECT_EQ(root.FileCount, 4);
}

TEST(FolderScan, LongestPathIsTheFirstMetOfTheLongestAndIsForgottenByTheNextScan) {
    FakeNode tree = FakeFolder("", {FakeFolder("ab", {FakeFile("12345", 1)}),
                                    FakeFolder("cd", {FakeFile("67890", 1)}), FakeFile("x", 1)});
    FakeFolderSource source(tree);
    TFolderList root("/r/");
    root.Scan(source, {});
    EXPECT_EQ(root.LongestPath(), "/r/ab/12345");
    EXPECT_EQ(root.LongestPathLength, 11);
    EXPECT_EQ(ChildList(root, "/cd").LongestPath(), "/r/cd/67890");

    // Counted in UTF-16 units: "é" is one, a character beyond U+FFFF two.
    FakeFolderSource wide(FakeFolder("", {FakeFile("\xC3\xA9\xF0\x9F\x98\x80", 1)}));
    root.ResetTo("/r/");
    root.Scan(wide, {});
    EXPECT_EQ(root.LongestPathLength, 3 + 3);

    FakeFolderSource noFiles(FakeFolder("", {FakeFolder("only")}));
    root.ResetTo("/r/");
    root.Scan(noFiles, {});
    EXPECT_EQ(root.LongestPathLength, 0);
    EXPECT_EQ(root.LongestPath(), "");
}

TEST(FolderScan, AVeryDeepTreeNeitherOverflowsTheStackNorLeaks) {
    constexpr int kDepth = 5000;
    FakeNode deepest = FakeFolder("d");
    deepest.Children.push_back(FakeFile("bottom", 7));
    for (int i = 1; i < kDepth; ++i) {
        FakeNode parent = FakeFolder("d");
        parent.Children.push_back(std::move(deepest));
        deepest = std::move(parent);
    }
    FakeNode top = FakeFolder("");
    top.Children.push_back(std::move(deepest));
    FakeFolderSource source(std::move(top));
    TFolderList root("/r/");
    root.Scan(source, {});
    EXPECT_EQ(root.FolderCount, kDepth);
    EXPECT_EQ(root.FileCount, 1);
    EXPECT_EQ(root.TotalNominal, 7);
    root.ResetTo("/r/");
    EXPECT_EQ(root.Count(), 0);
}

TEST(FolderScan, ScansARealFolderWithHiddenFilesOddNamesAndLinks) {
    test::TempTree tree;
    tree.File(".hidden", 10);
    tree.File("sub/.config/settings", 20);
    tree.File("with\nnewline", 1);
    tree.File("blank and \\backslash", 2);
    tree.File("bad\xFFutf8", 3);
    tree.Link("dangling", "/nonexistent/target");
    tree.Link("loop", ".");
    tree.Link("sub/up", "..");

    LinuxFolderSource source;
    TFolderList root(".");
    root.ResetTo(tree.Root() + "/");
    root.Scan(source, {});
    ExpectConsistentTree(root);

    std::vector<std::string> names = Names(root);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{".hidden", "/sub", "bad\xFFutf8", "blank and \\backslash",
                                        "dangling", "loop", "with\nnewline"}));
    EXPECT_EQ(root.FolderCount, 2) << "links to folders are files, never followed";
    EXPECT_EQ(root.FileCount, 8);
    for (int i = 0; i < root.Count(); ++i) {
        if (root.Name(i) == "dangling") {
            EXPECT_EQ(root.Node(i).Nominal(), 19) << "the link's own size";
        }
    }
}

TEST(FolderScan, SparseFilesCountAtTheirOnDiskSizeOnlyWithTheSwitchOn) {
    test::TempTree tree;
    tree.SparseFile("holes.img", 64 * 1024 * 1024);
    struct stat st;
    ASSERT_EQ(stat(tree.Path("holes.img").c_str(), &st), 0);
    if (st.st_blocks * 512 + 65536 > st.st_size) GTEST_SKIP() << "this file system made no hole";
    if (!CapabilitiesOfFileSystem(FileSystemType(tree.Root())).Sparse) {
        GTEST_SKIP() << "this file system does not report its allocation faithfully";
    }

    LinuxFolderSource source;
    TFolderList root(tree.Root() + "/");
    TScanOptions options;
    options.ClusterSize = 4096;
    root.Scan(source, options);
    EXPECT_EQ(root.TotalNominal, 64 * 1024 * 1024);
    options.SparseSwitch = true;
    root.ResetTo(tree.Root() + "/");
    root.Scan(source, options);
    EXPECT_EQ(root.TotalNominal, st.st_blocks * 512.0);
}

TEST(FolderScan, FoldersThatVanishDuringTheScanAreSkippedOrLeftEmpty) {
    test::TempTree tree;
    for (const char* name : {"a", "b", "c", "d"})
        tree.File(std::string(name) + "/file", 100);
    LinuxFolderSource source;
    TFolderList root(tree.Root() + "/");
    std::string first;
    TScanOptions options;
    options.Progress = [&](const std::string& text) {
        if (text == tree.Root() + "/") return;
        if (first.empty()) {
            // The first folder entered is removed before it is opened, the others before they
            // are even described.
            first = text;
            for (const char* name : {"a", "b", "c", "d"})
                std::filesystem::remove_all(tree.Path(name));
        }
    };
    root.Scan(source, options);
    EXPECT_EQ(root.FolderCount, 1);
    EXPECT_EQ(root.FileCount, 0);
    ExpectConsistentTree(root);
}

TEST(FolderScan, HardLinkedFilesCountOnceAndLaterLinksAreFilesOfSizeZero) {
    test::TempTree tree;
    const std::string data = tree.File("a/data", 10000);
    tree.Folder("b");
    for (const char* link : {"a/again", "b/data", "b/more"})
        ASSERT_EQ(::link(data.c_str(), tree.Path(link).c_str()), 0);
    tree.File("b/single", 100);

    LinuxFolderSource source;
    TFolderList root(tree.Root() + "/");
    for (int scan = 0; scan < 2; ++scan) {  // each scan counts the file once again
        root.ResetTo(tree.Root() + "/");
        root.Scan(source, {});
        ExpectConsistentTree(root);
        EXPECT_EQ(root.TotalNominal, 10100);
        EXPECT_EQ(root.FileCount, 5);
        int sized = 0;
        for (const char* folder : {"/a", "/b"}) {
            const TFolderList& list = ChildList(root, folder);
            for (int i = 1; i < list.Count(); ++i)
                sized += list.Node(i).Nominal() == 10000;
        }
        EXPECT_EQ(sized, 1);
    }
}

// Makes a chain of `depth` folders "dd" below root, with a file of `bytes` at the bottom.
// Made relative to open folders, since the file's full path is too long for the system.
void MakeChain(const std::string& root, int depth, const std::string& file, int bytes) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    for (int i = 0; i < depth; ++i) {
        ASSERT_EQ(mkdirat(fd, "dd", 0755), 0);
        const int next = openat(fd, "dd", O_RDONLY | O_DIRECTORY);
        close(fd);
        ASSERT_GE(next, 0);
        fd = next;
    }
    const int out = openat(fd, file.c_str(), O_WRONLY | O_CREAT, 0644);
    close(fd);
    ASSERT_GE(out, 0);
    ASSERT_EQ(ftruncate(out, bytes), 0);
    close(out);
}

TEST(FolderScan, NeitherAMountNorTheDescriptorLimitChangesWhatIsCounted) {
    test::TempTree tree;
    tree.File("mnt/under", 10);
    tree.Folder("deep");
    // The chain's full path is far longer than the system takes: all of it is counted.
    const int depth = PATH_MAX / 3 + 100;
    MakeChain(tree.Path("deep"), depth, "bottom-of-the-chain", 100000);
    for (int i = 0; i < 4200; ++i)  // a level long enough for two threads, below a scarce budget
        tree.File("deep/dd/dd/f" + std::to_string(i), 0);
    const auto scan = [&](FolderSource&& source, bool mountOnTheWay) {
        TFolderList root(tree.Root() + "/");
        TScanOptions options;
        bool mounted = false;
        if (mountOnTheWay) {
            // A file system mounted after the folder was described, before it is opened.
            options.Progress = [&](const std::string& text) {
                if (text != tree.Path("mnt/")) return;
                mounted =
                    mount("quillet-test", tree.Path("mnt").c_str(), "tmpfs", 0, "size=1m") == 0;
                if (mounted) tree.File("mnt/on-the-mount", 7777);
            };
        }
        root.Scan(source, options);
        if (mounted) umount2(tree.Path("mnt").c_str(), MNT_DETACH);
        ExpectConsistentTree(root);
        return std::make_pair(root.TotalNominal, mounted);
    };

    using Threads = LinuxFolderSource::Threads;
    EXPECT_EQ(scan(LinuxFolderSource(), false).first, 100010);
    EXPECT_EQ(scan(ReadAheadSource(std::make_unique<LinuxFolderSource>()), false).first, 100010);
    EXPECT_EQ(scan(LinuxFolderSource(Threads::One, 1), false).first, 100010);
    EXPECT_EQ(scan(LinuxFolderSource(Threads::Two, 3), false).first, 100010);
    // Fewer descriptors than the scan was told it may hold.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit scarce = saved;
    scarce.rlim_cur = 40;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &scarce), 0);
    const double underTheLimit = scan(LinuxFolderSource(Threads::Two, 100000), false).first;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);
    EXPECT_EQ(underTheLimit, 100010);

    const auto [total, mounted] = scan(LinuxFolderSource(), true);
    if (!mounted) GTEST_SKIP() << "mounting is not allowed here";
    EXPECT_EQ(total, 100000) << "the tmpfs mounted on mnt (hiding its file) is not entered";
}

}  // namespace
}  // namespace quillet
