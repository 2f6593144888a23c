#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing/FileExtension.h"
#include "listing/FileTypeTotals.h"
#include "listing/LargestFiles.h"
#include "listing/NameSearch.h"
#include "support/FakeFolderSource.h"

namespace quillet {
namespace {

using test::FakeFile;
using test::FakeFolder;

TEST(TreeViews, AFilesTypeIsTheTextAfterItsLastDotWithAToZInLowerCase) {
    EXPECT_EQ(FileExtension("a.tar.gz"), "gz");
    EXPECT_EQ(FileExtension("Photo.JPG"), "jpg");
    EXPECT_EQ(FileExtension("Ärger.ÄBC"), "Äbc") << "only A to Z change";
    EXPECT_EQ(FileExtension("x.\xff\xfe"), "\xff\xfe") << "bytes stay as they are";
    EXPECT_EQ(FileExtension(".bashrc.bak"), "bak");
    for (const char* none : {".bashrc", "Makefile", "ends.", "", "."})
        EXPECT_EQ(FileExtension(none), "") << none;
}

TEST(TreeViews, FindMatchesTextAnywhereAndShellPatternsWholeInEitherCase) {
    const NamePattern text("Read");
    EXPECT_TRUE(text.Matches("README.md"));
    EXPECT_TRUE(text.Matches("unread"));
    EXPECT_FALSE(text.Matches("rea"));
    const NamePattern glob("*.LOG");
    EXPECT_TRUE(glob.Matches("a.log"));
    EXPECT_TRUE(glob.Matches(".log"));
    EXPECT_FALSE(glob.Matches("a.log.1")) << "a pattern with * matches the whole name";
    const NamePattern one("?.txt");
    EXPECT_TRUE(one.Matches("ä.txt")) << "? is one character, not one byte";
    EXPECT_FALSE(one.Matches("ab.txt"));
    EXPECT_TRUE(NamePattern("a*b*c").Matches("aXbYbZc"));
    // What is shown as an escape is typed as it is shown.
    EXPECT_TRUE(NamePattern("line\\nbreak").Matches("line\nbreak"));
    EXPECT_TRUE(NamePattern("\\xff").Matches("bad\xff"));
    EXPECT_TRUE(NamePattern("*\\\\*").Matches("a\\b"));
    const NamePattern huge(std::string(100000, '*') + std::string(100000, 'a'));
    EXPECT_FALSE(huge.Matches(std::string(255, 'a')));
}

TEST(TreeViews, LargestFilesAreRankedBySizeThenPathTheSameOnEveryRun) {
    // Files of one size in several folders, met in an order that is not theirs by path.
    test::FakeFolderSource source(FakeFolder(
        "", {FakeFile("z", 100), FakeFolder("b", {FakeFile("y", 100), FakeFile("big.iso", 900)}),
             FakeFolder("a", {FakeFile("x", 100), FakeFolder("c", {FakeFile("w.ISO", 50)})}),
             FakeFile("small", 10)}));
    TFolderList root("/r/");
    root.Scan(source, {});
    const auto ranked = [&](std::size_t limit, TSizeUnit unit, std::optional<std::string> type) {
        LargestFiles largest(limit, TDisplayMode::dmNominal, unit, false, std::move(type));
        SubtreeWalk(root).All([&](const SubtreeWalk::Visit& visit) { largest.Add(visit); });
        std::vector<std::string> rows;
        for (const TRankedFile& file : largest.Take())
            rows.push_back(RankedFileText(file.Value, file.Path, unit));
        return rows;
    };
    using Rows = std::vector<std::string>;
    EXPECT_EQ(ranked(4, TSizeUnit::suBytes, {}),
              Rows({"900   b/big.iso", "100   a/x", "100   b/y", "100   z"}));
    EXPECT_EQ(ranked(2, TSizeUnit::suCount, {}), Rows({"900   b/big.iso", "100   a/x"}))
        << "in Count by nominal size, in bytes";
    EXPECT_EQ(ranked(9, TSizeUnit::suBytes, "iso"), Rows({"900   b/big.iso", " 50   a/c/w.ISO"}));
    EXPECT_EQ(ranked(0, TSizeUnit::suBytes, {}), Rows());

    NameSearch search(NamePattern("?"), TDisplayMode::dmNominal, TSizeUnit::suBytes);
    const TFolderData& folderA = root.Node(2);
    ASSERT_EQ(RelativePath(folderA, root), "a");
    const TFolderList& a = *folderA.Children();
    SubtreeWalk(a).All([&](const SubtreeWalk::Visit& visit) { search.Add(visit); });
    Rows found;
    for (const TFolderData* node : search.Take())
        found.push_back(RelativePath(*node, a));
    EXPECT_EQ(found, Rows({"x", "c"})) << "files and folders below the folder only";
}

TEST(TreeViews, TypesCountedInBoundedPassesAreTheTypesOfOneCount) {
    // 120 types in two folders, of sizes that tie and that differ, each in either case.
    std::vector<test::FakeNode> first, second;
    for (int i = 0; i < 300; ++i) {
        const std::string name =
            "f" + std::to_string(i) + "." + (i / 120 % 2 ? "T" : "t") + std::to_string(i % 120);
        (i % 3 ? first : second).push_back(FakeFile(name, 10 + (i % 120) % 7 * 1000));
    }
    test::FakeFolderSource source(
        FakeFolder("", {FakeFolder("a", std::move(first)), FakeFolder("b", std::move(second))}));
    TFolderList root("/r/");
    root.Scan(source, {});
    struct Counted {
        std::vector<std::string> Rows;
        std::int64_t Types;
        TTypeTotal Others;
        int Passes = 1;
    };
    const auto count = [&](TTypeLimits limits) {
        FileTypeTotals totals(TDisplayMode::dmNominal, TSizeUnit::suBytes, limits);
        Counted counted;
        for (;; ++counted.Passes) {
            SubtreeWalk(root).All([&](const SubtreeWalk::Visit& visit) { totals.Add(visit); });
            if (!totals.EndPass()) break;
        }
        std::vector<TTypeTotal> types = totals.Take();
        SortTypes(types, TDisplayMode::dmNominal, TSizeUnit::suBytes);
        for (const TTypeTotal& type : types)
            counted.Rows.push_back(TypeText(type, TDisplayMode::dmNominal, TSizeUnit::suBytes));
        counted.Types = totals.TypeCount();
        counted.Others = totals.Others();
        return counted;
    };
    const Counted all = count({});
    ASSERT_EQ(all.Rows.size(), 120u);
    EXPECT_EQ(all.Passes, 1);
    EXPECT_EQ(all.Rows.front(), "18030   3   t13") << "t13, t20 ... t55 and t6 tie";
    // A table of room for a few types at a time counts the same in more passes.
    const Counted bounded = count({SIZE_MAX, 800});
    EXPECT_GT(bounded.Passes, 10);
    EXPECT_EQ(bounded.Rows, all.Rows);
    // Only the largest kept, ties by extension; the others summed.
    const Counted kept = count({7, 800});
    EXPECT_EQ(kept.Rows, std::vector<std::string>(all.Rows.begin(), all.Rows.begin() + 7));
    EXPECT_EQ(kept.Types, 120);
    EXPECT_EQ(kept.Others.Files, 300 - 7 * 3);
}

}  // namespace
}  // namespace quillet
