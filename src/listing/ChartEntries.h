// The chart's entries without the widget: each entry text is a number, a blank and a name,
// with the caller's object attached. The value is read back from the text, so slices follow
// the figures the user sees; entries are then sorted largest first. A folder's entries may
// instead come with their figures alone, their texts written only when they are shown.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet {

struct TObjectAndDouble {
    const void* Obj = nullptr;  // the caller's; never owned or dereferenced by the chart
    double Value = 0;           // absolute value of the entry
};

struct TChartEntry {
    std::string Text;
    TObjectAndDouble Record;
};

using TStringListWithDouble = std::vector<TChartEntry>;

// Drops leading and trailing blanks and control characters.
std::string_view TrimEntryText(std::string_view text);

struct TEntryParts {
    std::string_view Value;  // up to the first blank
    std::string_view Name;   // after it, trimmed; empty when the text has no blank
};
TEntryParts SplitEntryText(std::string_view trimmed);

// The number of a value part, "." as decimal point whatever the locale: an optional sign,
// digits with an optional fraction, an optional exponent. Nothing else is accepted.
std::optional<double> ReadEntryValue(std::string_view valuePart);

// Trims every text, reads its value and drops the texts that are not a number, keeping the
// order; returns the sum of the absolute values.
double PrepareEntries(TStringListWithDouble& entries);

// For the changes since an earlier scan: trims and reads the texts as PrepareEntries does, then
// orders them by their signed values, the largest growth first and the largest loss last. An
// entry's value is its growth, 0 for a loss, so that only growth gets a slice. Returns the sum
// of the growths.
double PrepareGrowthEntries(TStringListWithDouble& entries);

// Largest value first. The sort is the chart's own quicksort, not a stable one: entries of
// equal value end in the order it leaves them, which the saved listing shows.
void SortEntries(TStringListWithDouble& entries);

// Writes the text of an entry that came with its value alone, as PrepareEntries would have left
// it (trimmed), its number reading as that value.
using TEntryTextMaker = std::function<std::string(const TObjectAndDouble& record)>;

// The entries the chart shows, in its order: each one's record, and its text, kept or written
// when asked for. A folder of a million entries is shown without a million texts (only those
// of the slices, the rows drawn and the saved listing are written) and without waiting for
// the whole of its sort: its entries are sorted as far as they are read, the largest first.
class TChartEntries {
public:
    TChartEntries() = default;
    // Entries with their texts, already in the chart's order.
    explicit TChartEntries(TStringListWithDouble entries);
    // Entries with their values alone, in any order; text writes their texts. They end in the
    // order SortEntries gives texts that read as these values.
    TChartEntries(std::vector<TObjectAndDouble> records, TEntryTextMaker text);

    std::size_t size() const { return Records_.size(); }
    bool empty() const { return Records_.empty(); }
    const TObjectAndDouble& Record(std::size_t index) const {
        if (index >= Sorted_) SortUpTo(index + 1);
        return Records_[index];
    }
    std::string Text(std::size_t index) const;

private:
    // Goes on with the sort until the first `end` records are in their places.
    void SortUpTo(std::size_t end) const;

    // Reading an entry sorts the records before it: they change as the entries are read.
    mutable std::vector<TObjectAndDouble> Records_;
    // The ranges of Records_ that are still to be sorted, the leftmost last.
    mutable std::vector<std::pair<long, long>> Unsorted_;
    mutable std::size_t Sorted_ = 0;  // the records before it are in their places
    std::vector<std::string> Texts_;  // one for each record, or none when MakeText_ writes them
    TEntryTextMaker MakeText_;
};

}  // namespace quillet
