#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "scan/ClusterRounding.h"
#include "scan/FileInfo.h"

namespace quillet {
namespace {

TEST(FolderTree, AddFileAppendsInOrderAndAddsToTheTotals) {
    TFolderList list("/data/");
    list.AddFile("b.txt", 1, 4096);
    list.AddFile("A.TXT", 8192, 8192);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Name(0), "b.txt");
    EXPECT_EQ(list.Name(1), "A.TXT") << "names keep their case";
    EXPECT_EQ(list.Node(0).FileCount(), 1);
    EXPECT_EQ(list.Node(0).Slack(), 4095);
    EXPECT_EQ(list.Node(0).OwnerList(), &list);
    EXPECT_EQ(list.Node(0).Children(), nullptr);
    EXPECT_EQ(list.TotalNominal, 8193);
    EXPECT_EQ(list.TotalAllocated, 12288);
    EXPECT_EQ(list.TotalSlack(), 4095);
    EXPECT_EQ(list.FileCount, 2);
    EXPECT_EQ(list.IndexOf(&list.Node(1)), 1);
}

TEST(FolderTree, NamesStayWholeWhileAListGrowsPastSixtyFourKibibytesOfNames) {
    TFolderList list("/big/");
    auto nameOf = [](int i) {
        return std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'n');
    };
    std::size_t bytes = 0;
    int count = 0;
    for (; bytes <= 3 * 65536; ++count) {
        list.AddFile(nameOf(count), count, count);
        bytes += nameOf(count).size();
    }
    ASSERT_EQ(list.Count(), count);
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(list.Name(i), nameOf(i)) << i;
        ASSERT_EQ(list.Node(i).Nominal(), i);
        ASSERT_EQ(list.Node(i).OwnerList(), &list);
    }
}

TEST(FolderTree, EveryFileKeepsItsExactSizesWhateverTheirDifferenceAndAfterAFreshStart) {
    // Differences a node holds and those the list keeps beside it: around 32 bits either way,
    // a sparse file of an exbibyte, a volume's free space.
    const std::vector<std::pair<ByteCount, ByteCount>> sizes = {
        {1, 4096},      {0, INT32_MAX},       {0, INT32_MAX + 1LL}, {INT32_MAX - 1, 0},
        {INT32_MAX, 0}, {INT32_MAX + 1LL, 0}, {1LL << 60, 4096},    {-52428800000, -52428800000}};
    TFolderList list("/v/");
    auto expectExact = [&list](const std::vector<std::pair<ByteCount, ByteCount>>& files) {
        ASSERT_EQ(list.Count(), static_cast<int>(files.size()));
        for (int i = 0; i < list.Count(); ++i) {
            const TFolderData& node = list.Node(i);
            EXPECT_EQ(node.Nominal(), files[static_cast<std::size_t>(i)].first) << i;
            EXPECT_EQ(node.Allocated(), files[static_cast<std::size_t>(i)].second) << i;
            EXPECT_EQ(node.Children(), nullptr) << i;
            EXPECT_EQ(node.OwnerList(), &list) << i;
        }
    };
    // Small files between them, so that the list grows and moves its nodes many times.
    std::vector<std::pair<ByteCount, ByteCount>> files;
    for (int round = 0; round < 40; ++round) {
        for (const auto& file : sizes)
            files.push_back(round % 2 ? file : std::pair<ByteCount, ByteCount>{round, 4096});
    }
    for (const auto& [nominal, allocated] : files)
        list.AddFile("f", nominal, allocated);
    expectExact(files);

    list.ResetTo("/v/");
    std::reverse(files.begin(), files.end());
    for (const auto& [nominal, allocated] : files)
        list.AddFile("f", nominal, allocated);
    expectExact(files);
}

TEST(FolderTree, ResetToFreesTheItemsAndKeepsTheTotalsForTheScanToClear) {
    TFolderList list(".");
    list.AddFile("x", 10, 10);
    list.ResetTo("/other/");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Path(), "/other/");
    EXPECT_EQ(list.TotalNominal, 10);
    EXPECT_EQ(list.FileCount, 1);
    EXPECT_EQ(list.Parent, nullptr);
}

TEST(FolderTree, ParentListIsTheParentOfTheOwnerList) {
    TFolderList root("/r/");
    TFolderList child(&root);
    child.AddFile("f", 1, 1);
    root.AddFile("g", 1, 1);
    EXPECT_EQ(ParentList(&child.Node(0)), &root);
    EXPECT_EQ(ParentList(&root.Node(0)), nullptr);
    EXPECT_EQ(ParentList(nullptr), nullptr);
}

TEST(ClusterRounding, RoundsUpToWholeClusters) {
    EXPECT_EQ(RoundToClusters(0, 4096), 0);
    EXPECT_EQ(RoundToClusters(1, 4096), 4096);
    EXPECT_EQ(RoundToClusters(4096, 4096), 4096);
    EXPECT_EQ(RoundToClusters(4097, 4096), 8192);
    EXPECT_EQ(RoundToClusters(8192, 4096), 8192);
    EXPECT_EQ(RoundToClusters(12345, 1), 12345) << "cluster size 1 leaves the size alone";
    EXPECT_EQ(RoundToClusters(4503599627370497.0, 512), 4503599627370496.0 + 512);
}

}  // namespace
}  // namespace quillet
