#include <gtest/gtest.h>

#include <QLocale>

#include "app/LocalePunctuation.h"
#include "app/StatusTexts.h"
#include "listing/SizeUnits.h"
#include "support/FakeFolderSource.h"

namespace quillet {
namespace {

using U = TSizeUnit;
using M = TDisplayMode;

const TFolderData& File(TFolderList& list, ByteCount nominal, ByteCount allocated) {
    list.AddFile("f", nominal, allocated);
    return list.Node(list.Count() - 1);
}

TEST(SizeUnits, DivisorsArePowersOf1024) {
    EXPECT_EQ(UnitDivisor(U::suBytes), 1);
    EXPECT_EQ(UnitDivisor(U::suKB), 1024);
    EXPECT_EQ(UnitDivisor(U::suMB), 1048576);
    EXPECT_EQ(UnitDivisor(U::suGB), 1073741824);
    EXPECT_EQ(UnitDivisor(U::suTB), 1099511627776.0);
    EXPECT_EQ(UnitDivisor(U::suCount), 1);
}

TEST(SizeUnits, EntryValueFollowsTheModeOrCountsFiles) {
    std::vector<test::FakeNode> files;
    for (int i = 0; i < 7; ++i)
        files.push_back(test::FakeFile("x" + std::to_string(i), i < 3 ? 1000 : 0));
    test::FakeFolderSource source(test::FakeFolder("r", {test::FakeFolder("f", files)}));
    TFolderList root("/r/");
    TScanOptions options;
    options.ClusterSize = 4096;
    root.Scan(source, options);
    const TFolderData& folder = root.Node(0);
    EXPECT_EQ(EntryValue(folder, M::dmNominal, U::suKB), 3000);
    EXPECT_EQ(EntryValue(folder, M::dmAllocated, U::suKB), 12288);
    EXPECT_EQ(EntryValue(folder, M::dmSlackOnly, U::suKB), 9288);
    EXPECT_EQ(EntryValue(folder, M::dmSlackOnly, U::suCount), 7);
}

// Worked values, English: entry text and status total.
TEST(SizeUnits, WorkedValues) {
    const NumberPunctuation english =
        LocalePunctuation(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        double Bytes;
        U Unit;
        const char* Entry;
        const char* Total;
    };
    for (const Case& c :
         {Case{1536, U::suKB, "1.5", "1.5 kB"}, Case{1572864, U::suMB, "1.50", "1.50 MB"},
          Case{5368709120, U::suGB, "5.000", "5.000 GB"},
          Case{5368709120, U::suTB, "0.00488", "0.005 TB"},
          Case{123456789, U::suBytes, "123456789", "123,456,789 bytes"},
          Case{1280, U::suKB, "1.3", "1.3 kB"}}) {
        EXPECT_EQ(EntrySizeText(c.Bytes, c.Unit), c.Entry);
        TFolderList list("/");
        list.AddFile("f", c.Bytes, c.Bytes);
        EXPECT_EQ(TotalSizeText(list, M::dmAllocated, c.Unit, english), c.Total);
    }
    EXPECT_EQ(FilesText(1234, english), " Files: 1,234");
    EXPECT_EQ(FoldersText(56, english), " Folders: 56");
}

TEST(SizeUnits, ACommaDecimalLocaleChangesTotalsButNeverEntries) {
    const NumberPunctuation german = LocalePunctuation(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.DecimalSeparator, ",");
    EXPECT_EQ(german.GroupSeparator, ".");
    TFolderList list("/");
    list.AddFile("f", 1572864, 1572864);
    EXPECT_EQ(TotalSizeText(list, M::dmNominal, U::suMB, german), "1,50 MB");
    EXPECT_EQ(EntrySizeText(1572864, U::suMB), "1.50");
    EXPECT_EQ(FreeSpaceSuffix(1264128000, U::suKB, german), "  (1.234.500,0 kB free)");
    EXPECT_EQ(FilesText(1234, german), " Files: 1.234");
}

TEST(SizeUnits, TheBackEntryIsZeroInEveryUnit) {
    // The back entry that a scan puts first in every list below the root.
    test::FakeFolderSource source(test::FakeFolder("r", {test::FakeFolder("f")}));
    TFolderList root("/r/");
    root.Scan(source, {});
    const TFolderData& back = root.Node(0).Children()->Node(0);
    const std::vector<std::pair<U, const char*>> expected = {
        {U::suBytes, "  0   .."}, {U::suKB, "0.0   .."},     {U::suMB, "0.00   .."},
        {U::suGB, "0.000   .."},  {U::suTB, "0.00000   .."}, {U::suCount, "  0   .."}};
    for (const auto& [unit, text] : expected) {
        for (M mode : {M::dmNominal, M::dmAllocated, M::dmSlackOnly}) {
            EXPECT_EQ(EntryText(back, "..", mode, unit), text);
        }
    }
}

TEST(SizeUnits, EntryTextsLowerOnlyAsciiLettersAndPadToThree) {
    TFolderList list("/");
    const TFolderData& file = File(list, 5, 4096);
    EXPECT_EQ(EntryText(file, "/Program Files", M::dmNominal, U::suBytes), "  5   /program files");
    EXPECT_EQ(EntryText(file, "\xC3\x84RGER.TXT", M::dmAllocated, U::suKB),
              "4.0   \xC3\x84rger.txt");
    EXPECT_EQ(EntryText(file, "x", M::dmSlackOnly, U::suBytes), "4091   x");
    EXPECT_EQ(EntryText(file, "x", M::dmSlackOnly, U::suCount), "  1   x");
}

TEST(SizeUnits, TheFreeSpaceEntryIsNegativeExceptInCountAndSlack) {
    TFolderList root("/");
    const TFolderData& free = File(root, -52428800000, -52428800000);
    EXPECT_EQ(EntryText(free, "(/ free space)", M::dmAllocated, U::suGB),
              "-48.828   (/ free space)");
    EXPECT_EQ(EntryText(free, "(/ free space)", M::dmNominal, U::suBytes),
              "-52428800000   (/ free space)");
    EXPECT_EQ(EntryText(free, "(/ free space)", M::dmSlackOnly, U::suMB), "0.00   (/ free space)");
    EXPECT_EQ(EntryText(free, "(/ free space)", M::dmAllocated, U::suCount),
              "  1   (/ free space)");
}

TEST(SizeUnits, AFolderShownFromItsFiguresHasTheRowsAndOrderOfItsTexts) {
    TFolderList list("/");
    // Ties in every unit, halves that round up, sizes past 2^53 and a name ending in a blank.
    const std::vector<ByteCount> sizes = {
        0,       1,          51,      52,      1024,      1075,      1076,
        1048576, 1024,       3 << 20, 1 << 30, 1LL << 40, 1LL << 55, (1LL << 62) + 1,
        999,     5LL * 1024, 512,     512,     7};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        list.AddFile(i == 3 ? "Trailing " : "f" + std::to_string(i % 5), sizes[i],
                     sizes[sizes.size() - 1 - i]);
    for (U unit : {U::suBytes, U::suKB, U::suMB, U::suGB, U::suTB, U::suCount}) {
        for (M mode : {M::dmNominal, M::dmAllocated, M::dmSlackOnly}) {
            TStringListWithDouble lines = FolderEntries(list, mode, unit);
            const double total = PrepareEntries(lines);
            SortEntries(lines);
            const TChartEntries texts(std::move(lines));
            std::vector<TObjectAndDouble> figures = FolderEntryFigures(list, mode, unit);
            double figuresTotal = 0;
            for (const TObjectAndDouble& figure : figures)
                figuresTotal += figure.Value;
            const TChartEntries shown(std::move(figures), [&](const TObjectAndDouble& record) {
                return FolderEntryText(list, *static_cast<const TFolderData*>(record.Obj), mode,
                                       unit);
            });
            EXPECT_EQ(figuresTotal, total);
            ASSERT_EQ(shown.size(), texts.size());
            // Sorted as far as read: a row read first, then all from the top.
            EXPECT_EQ(shown.Text(shown.size() / 2), texts.Text(texts.size() / 2));
            for (std::size_t i = 0; i < shown.size(); ++i) {
                EXPECT_EQ(shown.Text(i), texts.Text(i));
                EXPECT_EQ(shown.Record(i).Obj, texts.Record(i).Obj);
                EXPECT_EQ(shown.Record(i).Value, texts.Record(i).Value) << shown.Text(i);
            }
        }
    }
    for (ByteCount value : {-52428800000LL, -(1LL << 62), -1LL}) {
        for (U unit : {U::suBytes, U::suKB, U::suTB}) {
            EXPECT_EQ(EntryFigure(value, unit),
                      -*ReadEntryValue(TrimEntryText(EntrySizeText(value, unit))));
        }
    }
}

TEST(SizeUnits, CountShowsTheByteTotalAndNoFreeSpace) {
    const NumberPunctuation english;
    TFolderList list("/");
    list.AddFile("a", 1000000, 1003520);
    list.AddFile("b", 234, 4096);
    EXPECT_EQ(TotalSizeText(list, M::dmAllocated, U::suCount, english), "1,007,616 bytes");
    EXPECT_EQ(TotalSizeText(list, M::dmNominal, U::suBytes, english), "1,000,234 bytes");
    EXPECT_EQ(TotalSizeText(list, M::dmSlackOnly, U::suKB, english), "7.2 kB");
    EXPECT_EQ(TotalSizeText(list, M::dmNominal, U::suTB, english), "0.000 TB");
    EXPECT_EQ(FreeSpaceSuffix(46775193, U::suBytes, english), "");
    EXPECT_EQ(FreeSpaceSuffix(46775193, U::suCount, english), "");
    EXPECT_EQ(FreeSpaceSuffix(46775193, U::suKB, english), "  (45,678.9 kB free)");
    EXPECT_EQ(FreeSpaceSuffix(5368709120, U::suTB, english), "  (0.005 TB free)");
}

TEST(SizeUnits, MaxPathCaptionAndHint) {
    EXPECT_EQ(MaxPathCaption(57), "Max path: 57");
    EXPECT_EQ(MaxPathHint(57, "/home/a/b.txt"),
              "Maximum characters in file name is 57 at /home/a/b.txt");
    // A path of megabytes keeps its ends, no character cut in two ("\xC3\xA9" is one).
    const std::string deep = "/\xC3\xA9" + std::string(2000000, 'd') + "/end\xC3\xA9.txt";
    const std::string hint = MaxPathHint(2000000, deep);
    const std::string at = "Maximum characters in file name is 2000000 at ";
    EXPECT_EQ(hint.substr(0, at.size() + 4), at + "/\xC3\xA9"
                                                  "d");
    EXPECT_EQ(hint.substr(hint.size() - 10), "/end\xC3\xA9.txt");
    EXPECT_NE(hint.find("d\u2026d"), std::string::npos);
    EXPECT_LE(hint.size(), at.size() + 2 * kMaxPathHintEnd + 3);
    EXPECT_EQ(hint.find("\\x"), std::string::npos) << "nothing shown as a stray byte";
}

}  // namespace
}  // namespace quillet
