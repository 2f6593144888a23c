#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "platform/LinuxFolderSource.h"
#include "scan/FileInfo.h"
#include "scan/ImportFolderSource.h"
#include "scan/NcduExport.h"
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
        EXPECT_EQ(actual.Node(i).Nominal, expected.Node(i).Nominal) << expected.Name(i);
        EXPECT_EQ(actual.Node(i).Allocated, expected.Node(i).Allocated) << expected.Name(i);
        ASSERT_EQ(!actual.Node(i).Children, !expected.Node(i).Children) << expected.Name(i);
        if (expected.Node(i).Children)
            ExpectSameTree(*expected.Node(i).Children, *actual.Node(i).Children);
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
    NcduExportWriter writer(file, "quillet-scan", "1.0", 1700000000);
    TScanOptions options;
    options.ClusterSize = 4096;
    options.SparseSwitch = true;
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

TEST(ScanExport, ABadFileIsRefusedWithItsNameAndOffsetAndLeavesNothing) {
    const std::string head = "[1,2,{\"progname\":\"x\"},\n[{\"name\":\"/r\"},";
    const std::string deep = [] {
        std::string text = "[1,0,{},[{\"name\":\"/r\"}";
        for (int i = 0; i < 10000; ++i)
            text += ",[{\"name\":\"d\"}";
        return text + std::string(10001, ']') + "]";
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
        {head + "{\"name\":\"a\",\"asize\":9223372036854775808}]]", "at byte 58: number out"},
        {head + "{\"name\":\"a\",\"nlink\":-1}]]", "at byte 58: negative number"},
        {head + "{\"name\":\"a\",\"dsize\":1.5}]]", "at byte 58: whole number expected"},
        {head + "{\"name\":\"a\\u0000b\"}]]", "at byte 54: NUL character"},
        {head + "{\"name\":\"a/b\"}]]", "at byte 38: an entry has a name that a file"},
        {head + "{\"asize\":1}]]", "at byte 38: an entry has no name"},
        {deep, "at byte 57353: folders nested deeper than 4096 levels"},
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

}  // namespace
}  // namespace quillet
