#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "formats/EarlierScanReader.h"
#include "formats/ImportFolderSource.h"
#include "listing/GrowthEntries.h"
#include "platform/linux/LinuxFolderSource.h"
#include "support/ExportedScan.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

using Rows_ = std::vector<std::string>;

// The rows as quillet-scan --since prints them, in nominal bytes; a gone entry says so.
std::vector<std::string> Rows(const TFolderList& list, const EarlierScan& earlier) {
    TStringListWithDouble entries =
        GrowthEntries(list, earlier, TDisplayMode::dmNominal, TSizeUnit::suBytes);
    PrepareGrowthEntries(entries);
    std::vector<std::string> rows;
    for (const TChartEntry& entry : entries)
        rows.push_back(entry.Text + (entry.Record.Obj ? "" : " (gone)"));
    return rows;
}

TEST(Growth, EntriesAreComparedByNameUnderTheSamePath) {
    test::TempTree tree;
    tree.File("before/grown/a", 1000);
    tree.File("before/shrunk", 5000);
    tree.File("before/same", 300);
    tree.File("before/gone/b", 2000);
    // Two links of one file, counted once in each scan: "grown" did not grow by them.
    tree.File("before/grown/linked", 4000);
    ASSERT_EQ(
        link(tree.Path("before/grown/linked").c_str(), tree.Path("before/grown/linked2").c_str()),
        0);
    std::istringstream exported(test::ExportedScan(tree.Path("before"), 1700000000));

    tree.File("before/grown/a", 4000);
    tree.File("before/shrunk", 1000);
    std::filesystem::remove_all(tree.Path("before/gone"));
    tree.File("before/new", 700);
    // The two roots stand for each other whatever their paths.
    std::filesystem::rename(tree.Path("before"), tree.Path("after"));
    LinuxFolderSource disk;
    TFolderList now(tree.Path("after") + "/");
    now.Scan(disk, {});

    const TEarlierScanReading ours = ReadEarlierScan(exported, "ours.json", {});
    ASSERT_EQ(ours.Error, "");
    EXPECT_EQ(ours.Scan.Timestamp, 1700000000);
    EXPECT_EQ(ours.Scan.RootPath, tree.Path("before") + "/");
    EXPECT_EQ(Rows(now, ours.Scan),
              Rows_({"3000   /grown", "700   new", "-2000   /gone (gone)", "-4000   shrunk"}));
    EXPECT_EQ(FolderGrowth(now, ours.Scan, TDisplayMode::dmNominal, TSizeUnit::suBytes), -2300);
    // Drilling down: the folder below is compared with the same folder of the earlier scan.
    for (int i = 0; i < now.Count(); ++i) {
        if (now.Name(i) != "/grown") continue;
        EXPECT_EQ(Rows(*now.Node(i).Children(), ours.Scan), Rows_({"3000   a", "0   .."}));
    }
    // A tree kept before a repeated scan: nothing changed since.
    EXPECT_EQ(Rows(now, EarlierScanOf(now, 0)), Rows_{});

    // ncdu's export, with its own way of marking hard links; a file it saw has gone since.
    std::istringstream ncdu(
        "[1,2,{\"progname\":\"ncdu\",\"progver\":\"1.18\",\"timestamp\":1600000000},\n"
        "[{\"name\":\"/elsewhere\",\"asize\":4096,\"dsize\":4096,\"dev\":2049,\"ino\":1},\n"
        "[{\"name\":\"grown\",\"asize\":4096,\"ino\":2},{\"name\":\"a\",\"asize\":3000,\"ino\":3},"
        "\n"
        "{\"name\":\"linked\",\"asize\":4000,\"ino\":9,\"hlnkc\":true,\"nlink\":2},\n"
        "{\"name\":\"linked2\",\"asize\":4000,\"ino\":9,\"hlnkc\":true,\"nlink\":2}],\n"
        "{\"name\":\"shrunk\",\"asize\":1000,\"ino\":4},{\"name\":\"same\",\"asize\":300,\"ino\":5}"
        ",\n"
        "{\"name\":\"old.log\",\"asize\":50,\"ino\":6}]]\n");
    const TEarlierScanReading theirs = ReadEarlierScan(ncdu, "ncdu.json", {});
    ASSERT_EQ(theirs.Error, "");
    EXPECT_EQ(theirs.Scan.Timestamp, 1600000000);
    EXPECT_EQ(Rows(now, theirs.Scan),
              Rows_({"1000   /grown", "700   new", "-50   old.log (gone)"}));
}

// A hand-made export may name an entry twice in one folder; compared with itself, its import
// shows no change, in the folder and in the second folder of a name met twice.
TEST(Growth, AnEntryNamedTwiceIsMatchedWithTheEarlierOneMetAsOften) {
    const std::string exported =
        "[1,2,{\"progname\":\"hand\"},\n"
        "[{\"name\":\"/hand\"},{\"name\":\"dup\",\"asize\":10},{\"name\":\"dup\",\"asize\":20},\n"
        "[{\"name\":\"d\"},{\"name\":\"x\",\"asize\":1}],[{\"name\":\"d\"},{\"name\":\"y\","
        "\"asize\":2}]]]\n";
    std::istringstream forTree(exported);
    TFolderList now("/");
    ASSERT_EQ(ImportScan(now, forTree, "hand.json", {}), "");
    std::istringstream forEarlier(exported);
    TScanOptions importing;  // as an import is compared: as the export counted
    importing.AllocationFromSource = true;
    const TEarlierScanReading earlier = ReadEarlierScan(forEarlier, "hand.json", importing);
    ASSERT_EQ(earlier.Error, "");

    EXPECT_EQ(Rows(now, earlier.Scan), Rows_{});
    int folders = 0;
    for (int i = 0; i < now.Count(); ++i) {
        if (now.Name(i) != "/d") continue;
        ++folders;
        EXPECT_EQ(Rows(*now.Node(i).Children(), earlier.Scan), Rows_({"0   .."}));
    }
    EXPECT_EQ(folders, 2);
}

}  // namespace
}  // namespace quillet
