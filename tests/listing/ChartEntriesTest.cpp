#include <gtest/gtest.h>

#include <random>

#include "listing/ChartEntries.h"

namespace quillet {
namespace {

TStringListWithDouble Entries(const std::vector<std::string>& texts) {
    TStringListWithDouble entries;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        entries.push_back({texts[i], {reinterpret_cast<const void*>(i + 1), 0}});
    }
    return entries;
}

std::vector<std::string> Texts(const TStringListWithDouble& entries) {
    std::vector<std::string> texts;
    for (const TChartEntry& e : entries)
        texts.push_back(e.Text);
    return texts;
}

TEST(ChartEntries, ReadsOnlyPlainNumbersWithAFullStop) {
    for (const char* good : {"0", "42", "-1.5", "+3", "1.25e3", "7E-2", "5.", ".5", "00012"}) {
        EXPECT_TRUE(ReadEntryValue(good)) << good;
    }
    EXPECT_EQ(*ReadEntryValue("-48.828"), -48.828);
    EXPECT_EQ(*ReadEntryValue("1.25e3"), 1250);
    for (const char* bad : {"", "abc", "1,5", "1.2.3", "e5", "1e", "--1", "0x10", "inf", "nan",
                            "1 2", ".", "-", "1e999"}) {
        EXPECT_FALSE(ReadEntryValue(bad)) << bad;
    }
}

TEST(ChartEntries, SplitsValueAndNameAtTheFirstBlank) {
    const TEntryParts parts = SplitEntryText(TrimEntryText("  12.5   \\program files \t"));
    EXPECT_EQ(parts.Value, "12.5");
    EXPECT_EQ(parts.Name, "\\program files");
    EXPECT_EQ(SplitEntryText("42").Name, "");
    EXPECT_EQ(SplitEntryText("1   " + std::string(2000, 'x')).Name.size(), 996u)
        << "999 characters are taken from the blank on";
}

TEST(ChartEntries, PrepareDropsUnreadableLinesAndSumsAbsoluteValues) {
    TStringListWithDouble entries = Entries({"  5   a", "abc", "20   b", "-10   free", "42", "\n"});
    const double total = PrepareEntries(entries);
    EXPECT_EQ(total, 77);
    EXPECT_EQ(Texts(entries), (std::vector<std::string>{"5   a", "20   b", "-10   free", "42"}));
    EXPECT_EQ(entries[2].Record.Value, 10);
    EXPECT_EQ(entries[2].Record.Obj, reinterpret_cast<const void*>(4)) << "objects travel along";
}

TEST(ChartEntries, SortsLargestFirstAsTheChartDraws) {
    TStringListWithDouble entries = Entries({"5   a", "20   b", "-10   free"});
    PrepareEntries(entries);
    SortEntries(entries);
    EXPECT_EQ(Texts(entries), (std::vector<std::string>{"20   b", "-10   free", "5   a"}));
}

// The textbook form of the chart's quicksort, recursing left then right.
void ReferenceSort(TStringListWithDouble& e, long l, long r) {
    const double pivot = e[static_cast<std::size_t>((l + r) / 2)].Record.Value;
    long i = l, j = r;
    do {
        while (e[static_cast<std::size_t>(i)].Record.Value > pivot)
            ++i;
        while (e[static_cast<std::size_t>(j)].Record.Value < pivot)
            --j;
        if (i <= j) std::swap(e[static_cast<std::size_t>(i++)], e[static_cast<std::size_t>(j--)]);
    } while (i <= j);
    if (l < j) ReferenceSort(e, l, j);
    if (i < r) ReferenceSort(e, i, r);
}

TEST(ChartEntries, EqualValuesEndWhereTheChartsQuicksortLeavesThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::string> texts;
        const int n = 1 + static_cast<int>(random() % 300);
        for (int i = 0; i < n; ++i) {
            texts.push_back(std::to_string(random() % 8) + "   item" + std::to_string(i));
        }
        TStringListWithDouble ours = Entries(texts);
        PrepareEntries(ours);
        TStringListWithDouble reference = ours;
        std::vector<TObjectAndDouble> records;
        for (const TChartEntry& entry : ours)
            records.push_back(entry.Record);
        SortEntries(ours);
        ReferenceSort(reference, 0, static_cast<long>(reference.size()) - 1);
        ASSERT_EQ(Texts(ours), Texts(reference));

        // Without texts, sorted only as far as read: any entry read first lies where the
        // whole sort puts it.
        const TChartEntries shown(std::move(records), [&](const TObjectAndDouble& record) {
            return texts[reinterpret_cast<std::size_t>(record.Obj) - 1];
        });
        const std::size_t first = random() % static_cast<std::size_t>(n);
        ASSERT_EQ(shown.Text(first), reference[first].Text);
        for (std::size_t i = 0; i < shown.size(); ++i)
            ASSERT_EQ(shown.Text(i), reference[i].Text);
    }
}

TEST(ChartEntries, SortingManyEqualOrOrderedValuesStaysShallow) {
    TStringListWithDouble entries;
    for (int i = 0; i < 200000; ++i)
        entries.push_back({"", {nullptr, double(i % 3 ? i : 1)}});
    SortEntries(entries);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        ASSERT_GE(entries[i - 1].Record.Value, entries[i].Record.Value);
    }
}

}  // namespace
}  // namespace quillet
