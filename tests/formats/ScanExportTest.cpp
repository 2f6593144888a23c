#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <tuple>
#include <utility>

#include "formats/EarlierScanReader.h"
#include "formats/ImportFolderSource.h"
#include "formats/NcduExport.h"
#include "platform/linux/LinuxFolderSource.h"
#include "scan/FileInfo.h"
#include "scan/TreeChecks.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// Every list, name, size and count of the two trees alike, paths included.
void ExpectSameTree(const TFolderList& expected, const TFolderList& actual) {
    EXPECT_EQ(actual.Path(), expected.Path());
    EXPECT_EQ(actual.TotalNominal, expected.TotalNominal) << expected.Path();
    EXPECT_EQ(actual.TotalAllocated, expected.TotalAllocated) << expected.Path();
    EXPECT_EQ(actual.FileCount, expected.FileCount) << expected.Path();
    EXPECT_EQ(actual.FolderCount, expected.FolderCount) << expected.Path();
    EXPECT_EQ(actual.LongestPath(), expected.LongestPath()) << expected.Path();
    ASSERT_EQ(actual.Count(), expected.Count()) << expected.Path();
    for (int i = 0; i < expected.Count(); ++i) {
        EXPECT_EQ(actual.Name(i), expected.Name(i));
        EXPECT_EQ(actual.Node(i).Nominal(), expected.Node(i).Nominal()) << expected.Name(i);
        EXPECT_EQ(actual.Node(i).Allocated(), expected.Node(i).Allocated()) << expected.Name(i);
        ASSERT_EQ(!actual.Node(i).Children(), !expected.Node(i).Children()) << expected.Name(i);
        if (expected.Node(i).Children())
            ExpectSameTree(*expected.Node(i).Children(), *actual.Node(i).Children());
    }
}

TEST(ScanExport, AnExportedScanImportsAsTheSameTree) {
    test::TempTree tree;
    tree.File("top.bin", 70000);
    tree.File("Deep/a/b/c/leaf", 5);
    tree.File("Deep/a/odd \"name\"\\\n\t\x01", 3);
    tree.File("Deep/a/not-utf8-\xff\xfe", 4097);
    tree.SparseFile("sparse", 1 << 20);
    tree.Folder("Empty");
    tree.Link("link", "top.bin");
    ASSERT_EQ(link(tree.Path("top.bin").c_str(), tree.Path("Deep/hard").c_str()), 0);
    tree.File("Locked/inside", 10);
    ASSERT_EQ(chmod(tree.Path("Locked").c_str(), 0), 0);
    const bool lockedIsUnreadable = geteuid() != 0;

    LinuxFolderSource disk;
    TFolderList scanned(".");
    scanned.ResetTo(tree.Root() + "/");
    std::stringstream file;
    NcduExportWriter writer(file, "quillet-scan", "1.0", 1700000000, 4096);
    TScanOptions options;
    options.ClusterSize = 4096;
    options.SparseSwitch = options.CompressedSwitch = true;  // as quillet-scan counts
    options.ExclusionText = "=empty";
    options.Sink = &writer;
    scanned.Scan(disk, options);
    ASSERT_TRUE(writer.Finish());
    chmod(tree.Path("Locked").c_str(), 0700);

    const std::string text = file.str();
    EXPECT_EQ(text.rfind("[1,2,{\"progname\":\"quillet-scan\",\"progver\":\"1.0\",\"timestamp\":"
                         "1700000000},\n[{\"name\":\"" +
                             tree.Root() + "\"}",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("{\"name\":\"odd \\\"name\\\"\\\\\\u000a\\u0009\\u0001\""),
              std::string::npos);
    EXPECT_NE(text.find("not-utf8-\xff\xfe"), std::string::npos) << "names keep their bytes";
    EXPECT_NE(text.find("{\"name\":\"Empty\",\"excluded\":\"pattern\"}"), std::string::npos);
    if (lockedIsUnreadable) {
        EXPECT_NE(text.find("\"read_error\":true"), std::string::npos);
    }

    TFolderList imported(".");
    std::vector<std::string> progress;
    TScanOptions importOptions;
    importOptions.Progress = [&progress](const std::string& text) { progress.push_back(text); };
    EXPECT_EQ(ImportScan(imported, file, "scan.json", importOptions), "");
    ExpectSameTree(scanned, imported);
    test::ExpectConsistentTree(imported);
    EXPECT_EQ(progress.front(), tree.Root() + "/");

    // Cancelled in its second folder, an import stops like a scan: a partial tree, no error.
    bool cancel = false;
    int folders = 0;
    importOptions.CancelRequested = &cancel;
    importOptions.Progress = [&](const std::string&) { cancel = ++folders == 2; };
    file.clear();
    file.seekg(0);
    EXPECT_EQ(ImportScan(imported, file, "scan.json", importOptions), "");
    EXPECT_LT(imported.FileCount, scanned.FileCount);
    test::ExpectConsistentTree(imported);
}

// Every node's slack, files and folders, at every level.
void ExpectNoNegativeSlack(const TFolderList& list) {
    EXPECT_GE(list.TotalSlack(), 0) << list.Path();
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_GE(list.Node(i).Slack(), 0) << list.Path() << list.Name(i);
        if (list.Node(i).Children()) ExpectNoNegativeSlack(*list.Node(i).Children());
    }
}

// The sizes of an export mean what they mean to ncdu and gdu (st_size and what the file takes
// on disk, in the scan's clusters), whatever the scan's switches count; an import reads an
// excluded folder in both of ncdu's forms and never shows slack below 0.
TEST(ScanExport, SizesAndExcludedFoldersMeanWhatNcduAndGduMean) {
    test::TempTree tree;
    tree.SparseFile("sparse", 10 << 20);
    tree.File("plain", 5);

    LinuxFolderSource disk;
    std::string exports[2];
    for (const bool switches : {false, true}) {
        TFolderList scanned(".");
        scanned.ResetTo(tree.Root() + "/");
        std::stringstream file;
        NcduExportWriter writer(file, "quillet-scan", "1.0", 1700000000, 4096);
        TScanOptions options;
        options.ClusterSize = 4096;
        options.SparseSwitch = options.CompressedSwitch = switches;
        options.Sink = &writer;
        scanned.Scan(disk, options);
        ASSERT_TRUE(writer.Finish());
        exports[switches] = file.str();
    }
    const std::string& text = exports[0];
    EXPECT_EQ(exports[1], text) << "the switches change what a scan counts, not what it exports";
    EXPECT_NE(text.find("{\"name\":\"sparse\",\"asize\":10485760,\"dsize\":0}"), std::string::npos)
        << text;
    EXPECT_NE(text.find("{\"name\":\"plain\",\"asize\":5,\"dsize\":4096}"), std::string::npos)
        << text;
    std::stringstream ours(text);
    TFolderList imported(".");
    ASSERT_EQ(ImportScan(imported, ours, "ours.json", {}), "");
    EXPECT_EQ(imported.TotalNominal, 5) << "a sparse file counts what it takes";
    ExpectNoNegativeSlack(imported);

    // ncdu -x writes a mount point as a folder array marked excluded, a folder on another
    // file system also as an object; gdu writes a sparse file's dsize below its asize.
    std::istringstream theirs(
        "[1,2,{\"progname\":\"ncdu\"},\n[{\"name\":\"/srv\",\"dev\":1},\n"
        "[{\"name\":\"pts\",\"dev\":26,\"excluded\":\"othfs\"},{\"name\":\"x\",\"asize\":7}],\n"
        "{\"name\":\"proc\",\"dev\":21,\"excluded\":\"otherfs\"},\n"
        "{\"name\":\"left out\",\"excluded\":\"pattern\"},\n"
        "[{\"name\":\"data\"},{\"name\":\"image\",\"asize\":10485760,\"dsize\":1048576},\n"
        "{\"name\":\"a\",\"asize\":10,\"dsize\":4096}]]]\n");
    ASSERT_EQ(ImportScan(imported, theirs, "theirs.json", {}), "");
    test::ExpectConsistentTree(imported);
    ASSERT_EQ(imported.Count(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(imported.Name(i), std::string(1, kFolderMark) + (i == 0 ? "pts" : "proc"));
        ASSERT_TRUE(imported.Node(i).Children()) << "shown as a folder";
        EXPECT_EQ(imported.Node(i).Children()->Count(), 1) << "and empty";
    }
    EXPECT_EQ(imported.Name(2), std::string(1, kFolderMark) + "data");
    EXPECT_EQ(imported.FileCount, 2);
    EXPECT_EQ(imported.TotalNominal, 1048576 + 10);
    EXPECT_EQ(imported.TotalSlack(), 4096 - 10);
    ExpectNoNegativeSlack(imported);
}

// Each entry of the list's root has the sizes and count the earlier scan holds for it.
void ExpectSameSizes(const TFolderList& list, const EarlierScan& earlier) {
    const EarlierScan::FolderIndex root = earlier.Root();
    EXPECT_EQ(earlier.Count(root), list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        const int found = earlier.Find(root, list.Name(i));
        ASSERT_GE(found, 0) << list.Name(i);
        const EarlierScan::Sizes sizes = earlier.EntrySizes(root, found);
        EXPECT_EQ(sizes.Nominal, list.Node(i).Nominal()) << list.Name(i);
        EXPECT_EQ(sizes.Allocated, list.Node(i).Allocated()) << list.Name(i);
        EXPECT_EQ(sizes.FileCount, list.Node(i).FileCount()) << list.Name(i);
    }
}

// An export is counted as the scan that wrote it counted, imported or read as the earlier scan
// of a comparison: a file that takes a cluster or more less than its size is sparse by the
// scan's own rule (in the clusters of whoever counts it, single bytes for an import), sizes are
// exact up to 2^63 - 1 and larger ones refused, and a file that gdu lists under several links
// (gdu marks only the links after the first) counts once.
TEST(ScanExport, AnExportCountsAsTheScanThatWroteIt) {
    test::TempTree tree;
    tree.SparseFile("sparse", 10 << 20);
    tree.File("short hole", 8192);  // then 1808 bytes of hole: less than a cluster
    ASSERT_EQ(truncate(tree.Path("short hole").c_str(), 10000), 0);
    tree.Link("link", "sparse");
    LinuxFolderSource disk;
    TFolderList scanned(tree.Root() + "/");
    std::stringstream file;
    NcduExportWriter writer(file, "quillet-scan", "1.0", 0, 4096);
    TScanOptions options;
    options.ClusterSize = 4096;
    options.SparseSwitch = options.CompressedSwitch = true;
    options.Sink = &writer;
    scanned.Scan(disk, options);
    ASSERT_TRUE(writer.Finish());
    const std::string text = file.str();
    TFolderList imported(".");
    ASSERT_EQ(ImportScan(imported, file, "ours.json", {}), "");
    ExpectSameTree(scanned, imported);
    options.Sink = nullptr;
    TScanOptions importing;
    importing.AllocationFromSource = true;
    for (const auto& [counting, list] : {std::pair{options, &scanned}, {importing, &imported}}) {
        std::istringstream in(text);
        const TEarlierScanReading earlier = ReadEarlierScan(in, "ours.json", counting);
        ASSERT_EQ(earlier.Error, "");
        ExpectSameSizes(*list, earlier.Scan);
    }

    const std::string gdu =
        "[1,2,{\"progname\":\"gdu\",\"progver\":\"5.22.0\"},\n[{\"name\":\"/t\"},\n"
        "{\"name\":\"link2\",\"asize\":100000,\"dsize\":102400},\n"
        "[{\"name\":\"d2\"},{\"name\":\"link\",\"asize\":100000,\"dsize\":102400,\"ino\":7,"
        "\"hlnkc\":true}],\n"
        "[{\"name\":\"d1\"},{\"name\":\"orig\",\"asize\":100000,\"dsize\":102400,\"ino\":7,"
        "\"hlnkc\":true}],\n"
        "{\"name\":\"holes\",\"asize\":10000,\"dsize\":8192}]]\n";
    std::istringstream gduIn(gdu);
    ASSERT_EQ(ImportScan(imported, gduIn, "gdu.json", {}), "");
    EXPECT_EQ(imported.FileCount, 4);
    EXPECT_EQ(imported.TotalNominal, 100000 + 8192) << "the links once, the holes not counted";
    EXPECT_EQ(imported.TotalAllocated, 102400 + 8192);
    for (const auto& [counting, nominal, allocated] :
         {std::tuple{importing, 100000 + 8192, 102400 + 8192},
          {options, 100000 + 10000, 102400 + 12288}}) {
        std::istringstream in(gdu);
        const TEarlierScanReading earlier = ReadEarlierScan(in, "gdu.json", counting);
        ASSERT_EQ(earlier.Error, "");
        const EarlierScan::Sizes total = earlier.Scan.FolderSizes(earlier.Scan.Root());
        EXPECT_EQ(total.Nominal, nominal) << counting.ClusterSize;
        EXPECT_EQ(total.Allocated, allocated) << counting.ClusterSize;
    }

    const std::string head = "[1,2,{},\n[{\"name\":\"/r\"},\n{\"name\":\"huge\",\"asize\":";
    std::istringstream huge(head + "9223372036854775807,\"dsize\":9223372036854775806}]]");
    ImportFolderSource source(huge, "huge.json");
    ASSERT_TRUE(source.Start());
    const std::unique_ptr<FolderHandle> root = source.OpenRoot(source.RootPath());
    FolderEntry entry;
    ASSERT_TRUE(root->Next(entry));
    EXPECT_EQ(entry.Size, 9223372036854775807u);
    EXPECT_EQ(entry.OnDiskSize, 9223372036854775806u);
    huge.clear();
    huge.seekg(0);
    ASSERT_EQ(ImportScan(imported, huge, "huge.json", {}), "");
    EXPECT_EQ(std::to_string(imported.TotalNominal), "9223372036854775806")
        << "sparse, never rounded";
    std::istringstream tooHuge(head + "1,\"dsize\":18446744073709551616}]]");
    EXPECT_NE(ImportScan(imported, tooHuge, "huge.json", {})
                  .find("at byte 58: dsize out of range: larger than 9223372036854775807"),
              std::string::npos);
    std::istringstream sumTooHuge(head + "9223372036854775807},{\"name\":\"b\",\"asize\":1}]]");
    EXPECT_NE(ImportScan(imported, sumTooHuge, "huge.json", {})
                  .find("sizes add up to more than 9223372036854775807 bytes"),
              std::string::npos);
}

TEST(ScanExport, ABadFileIsRefusedWithItsNameAndOffsetAndLeavesNothing) {
    const std::string head = "[1,2,{\"progname\":\"x\"},\n[{\"name\":\"/r\"},";
    const std::string deep = [] {
        std::string text = "[1,0,{},[{\"name\":\"/r\"}";
        for (int i = 0; i < 70000; ++i)
            text += ",[{\"name\":\"d\"}";
        return text + std::string(70001, ']') + "]";
    }();
    struct Case {
        std::string Text;
        std::string Problem;
    };
    const Case cases[] = {
        {"", "at byte 0: the file ends too early"},
        {head + "{\"name\":\"a\",\"asize\":1}", "at byte 60: the file ends too early"},
        {head + "{\"name\":\"a\" \"asize\":1}]]", "at byte 50: ',' expected"},
        {"[2,0,{},[{\"name\":\"/r\"}]]", "at byte 2: format version 2 is not supported"},
        {head + "{\"name\":\"a\",\"asize\":9223372036854775808}]]",
         "at byte 58: asize out of range: larger than 9223372036854775807"},
        {head + "{\"name\":\"a\",\"nlink\":-1}]]", "at byte 58: negative number"},
        {head + "{\"name\":\"a\",\"dsize\":1.5}]]", "at byte 58: whole number expected"},
        {head + "{\"name\":\"a\\u0000b\"}]]", "at byte 54: NUL character"},
        {head + "{\"name\":\"a/b\"}]]", "at byte 38: an entry has a name that a file"},
        {head + "{\"asize\":1}]]", "at byte 38: an entry has no name"},
        {deep, "at byte 917513: folders nested deeper than 65536 levels"},
        {head + "{\"name\":\"" + std::string(3 << 20, 'a') + "\"}]]",
         "at byte 46: string longer than 65536 bytes"},
        {head + "{\"name\":\"a\",\"x\":" + std::string(100, '[') + "}]]",
         "at byte 118: values nested too deep"},
        {head + "{\"name\":\"a\"}]] []", "at byte 53: more text after the end"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.Text);
        TFolderList root(".");
        const std::string error = ImportScan(root, in, "bad.json", {});
        EXPECT_NE(error.find("The scan file bad.json cannot be read " + c.Problem),
                  std::string::npos)
            << error;
        EXPECT_EQ(root.Count(), 0);
        EXPECT_EQ(root.FileCount, 0);
        EXPECT_EQ(root.TotalNominal, 0);
    }
}

// A tree holds each name once: its memory follows the names, not depth times path length.
TEST(ScanExport, ADeepImportTakesAFewTimesItsFilesSize) {
    constexpr int kDepth = 2000;
    const std::string name(250, 'n');
    std::string json = R"([1,2,{"progname":"t","progver":"1","timestamp":0},[{"name":"/r"},)";
    for (int i = 0; i < kDepth; ++i)
        json += R"([{"name":")" + name + R"("},)";
    json += R"({"name":"bottom","asize":7})";
    json += std::string(kDepth, ']') + "]]";
    std::istringstream in(json);

    const std::size_t before = mallinfo2().uordblks;
    TFolderList root(".");
    ASSERT_EQ(ImportScan(root, in, "deep.json", {}), "");
    const std::size_t held = mallinfo2().uordblks - before;
    // Without its paths the tree takes about twice the file; each list holding its whole path
    // took 500 MB here. (Under a sanitizer mallinfo2 reports nothing, and this checks nothing.)
    EXPECT_LT(held, 4 * json.size())
        << "bytes held by the tree of a " << json.size() << "-byte export";
    EXPECT_EQ(root.FileCount, 1);
    EXPECT_EQ(root.FolderCount, kDepth);
    EXPECT_EQ(root.LongestPath().size(), 3 + kDepth * (name.size() + 1) + 6);
}

}  // namespace
}  // namespace quillet
