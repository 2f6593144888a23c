// The chart's entries without the widget: each entry text is a number, a blank and a name,
// with the caller's object attached. The value is read back from the text, so slices follow
// the figures the user sees; entries are then sorted largest first.
#pragma once

#include <optional>
#include <string>
#include <string_view>
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

}  // namespace quillet
