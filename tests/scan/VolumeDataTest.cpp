#include <gtest/gtest.h>

#include "scan/TreeChecks.h"
#include "scan/VolumeData.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"

namespace quillet {
namespace {

using test::FakeVolumeQuery;

TEST(VolumeData, AVolumeThatCannotBeAskedGivesClusterOneAndNoFreeSpace) {
    const TVolumeData volume = ReadVolumeData(FakeVolumeQuery(), "//server/share/");
    EXPECT_EQ(volume.ClusterSize, 1);
    EXPECT_EQ(volume.FreeSpace, 0);
    EXPECT_FALSE(volume.CompressionSupported);
    EXPECT_FALSE(volume.SparseSupported);
    EXPECT_FALSE(volume.ScanPathIsMountPoint);
    const TSizeIndicator indicator = SizeAccountingIndicator(volume, true, true);
    EXPECT_FALSE(indicator.Visible);
    EXPECT_EQ(indicator.Caption, " ");
}

TEST(VolumeData, CopiesTheAnswersOfTheQuery) {
    FakeVolumeQuery query;
    query.SpaceAnswer = VolumeSpace{4096, 52428800000};
    query.CapabilitiesAnswer = VolumeCapabilities{false, true};
    query.LocationAnswer = VolumeLocation{"/home", true};
    const TVolumeData volume = ReadVolumeData(query, "/home/");
    EXPECT_EQ(volume.ClusterSize, 4096);
    EXPECT_EQ(volume.FreeSpace, 52428800000.0);
    EXPECT_TRUE(volume.SparseSupported);
    EXPECT_EQ(volume.MountPoint, "/home");
    EXPECT_TRUE(volume.ScanPathIsMountPoint);
}

TEST(VolumeData, FreeSpaceEntryNamesTheMountPoint) {
    EXPECT_EQ(FreeSpaceEntryName("/"), "(/ free space)");
    EXPECT_EQ(FreeSpaceEntryName("/home"), "(/home free space)");
    EXPECT_EQ(FreeSpaceEntryName("/media/usb/"), "(/media/usb free space)");
}

TEST(VolumeData, FreeSpaceEntryOnlyAtAMountPointWithTheSwitchOnAndSpaceFree) {
    TVolumeData volume;
    volume.MountPoint = "/media/usb";
    volume.FreeSpace = 1000;
    volume.ScanPathIsMountPoint = true;
    std::uint8_t compressed = 2, sparse = 0;
    struct Case {
        bool MountPoint, Switch;
        double Free;
        bool Added;
    };
    for (const Case c : {Case{true, true, 1000, true}, Case{false, true, 1000, false},
                         Case{true, false, 1000, false}, Case{true, true, 0, false}}) {
        volume.ScanPathIsMountPoint = c.MountPoint;
        volume.FreeSpace = c.Free;
        TFolderList root("/media/usb/");
        EXPECT_EQ(AddFreeSpaceEntry(root, volume, c.Switch, compressed, sparse), c.Added);
        EXPECT_EQ(root.Count(), c.Added ? 1 : 0);
    }
    EXPECT_EQ(compressed, 1) << "an available setting turns to on-disk sizes";
    EXPECT_EQ(sparse, 0) << "an unavailable one stays unavailable";
}

TEST(VolumeData, TheFreeSpaceEntryStaysFirstButAddsNothingToTheScannedTotals) {
    TVolumeData volume;
    volume.MountPoint = "/";
    volume.FreeSpace = 52428800000;
    volume.ScanPathIsMountPoint = true;
    TFolderList root(".");
    root.ResetTo("/");
    std::uint8_t compressed = 1, sparse = 1;
    ASSERT_TRUE(AddFreeSpaceEntry(root, volume, true, compressed, sparse));
    test::FakeFolderSource source(test::FakeFolder("", {test::FakeFile("a", 10)}));
    root.Scan(source, {});

    ASSERT_EQ(root.Count(), 2);
    EXPECT_EQ(root.Name(0), "(/ free space)");
    EXPECT_EQ(root.Node(0).Nominal(), -52428800000.0);
    EXPECT_EQ(root.Node(0).Allocated(), -52428800000.0);
    EXPECT_EQ(root.Node(0).Slack(), 0);
    EXPECT_EQ(root.FileCount, 1);
    EXPECT_EQ(root.TotalNominal, 10);
    test::ExpectConsistentTree(root);
}

TEST(VolumeData, TheIndicatorSaysHowCompressedAndSparseFilesAreCounted) {
    const std::string compressed = "\"Compressed\" sizes are the actual on-disk file size.";
    const std::string uncompressed =
        "\"Uncompressed\" sizes are the nominal space occupied if not compressed.";
    const std::string sparse = "\r\"Sparse\" sizes are the actual on-disk file size.";
    const std::string nonSparse =
        "\r\"Non-sparse\" sizes are the nominal space occupied if not sparse.";
    struct Case {
        bool Compression, Sparse, CompressedOn, SparseOn;
        std::string Caption;
        std::string Hint;
        std::optional<std::uint32_t> Colour;
    };
    const std::vector<Case> cases = {
        {true, true, true, true, "Compressed, sparse ", compressed + sparse, 0x00FF0000},
        {true, true, false, false, "Uncompressed, non-sparse ", uncompressed + nonSparse, 0},
        {true, true, true, false, "Compressed, non-sparse ", compressed + nonSparse, 0x00FF0000},
        {true, true, false, true, "Uncompressed, sparse ", uncompressed + sparse, 0},
        {true, false, true, true, "Compressed, ", compressed, 0x00FF0000},
        {true, false, false, true, "Uncompressed, ", uncompressed, 0},
        {false, true, true, true, " sparse ", sparse, std::nullopt},
        {false, true, true, false, " non-sparse ", nonSparse, std::nullopt},
        {false, false, true, true, " ", "", std::nullopt},
    };
    for (const Case& c : cases) {
        TVolumeData volume;
        volume.CompressionSupported = c.Compression;
        volume.SparseSupported = c.Sparse;
        const TSizeIndicator indicator =
            SizeAccountingIndicator(volume, c.CompressedOn, c.SparseOn);
        EXPECT_EQ(indicator.Caption, c.Caption);
        EXPECT_EQ(indicator.Hint, c.Hint) << c.Caption;
        EXPECT_EQ(indicator.FontColour, c.Colour) << c.Caption;
        EXPECT_EQ(indicator.Visible, c.Compression || c.Sparse);
    }
}

}  // namespace
}  // namespace quillet
