// Size units, the kind of size shown, and every text the window builds from a size or a count.
// Entry texts go to the chart, which reads their numbers back, so they never depend on the
// locale; totals, free space and counts are grouped with the user's separators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/ChartEntries.h"
#include "scan/FileInfo.h"
#include "scan/NumberText.h"

namespace quillet {

// Codes are stored in the settings: never renumber.
enum class TSizeUnit : std::uint8_t {
    suBytes = 0,
    suKB = 1,
    suMB = 2,
    suGB = 3,
    suTB = 4,
    suCount = 5
};
enum class TDisplayMode : std::uint8_t { dmNominal = 0, dmAllocated = 1, dmSlackOnly = 2 };

// 1024-based: a kB is 1024 bytes. 1 for bytes and Count.
ByteCount UnitDivisor(TSizeUnit unit);

// The file count in Count, else the size of the chosen kind; not yet divided.
ByteCount ValueOfKind(ByteCount nominal, ByteCount allocated, ByteCount files, TDisplayMode mode,
                      TSizeUnit unit);
ByteCount EntryValue(const TFolderData& node, TDisplayMode mode, TSizeUnit unit);

// The value divided by the unit, with the unit's decimals (TB has five), padded to 3 places.
std::string EntrySizeText(ByteCount value, TSizeUnit unit);

// Size text, three blanks, then the name with A to Z lower-cased and shown as ShownName
// says: "  1.5   readme.txt".
std::string EntryText(ByteCount value, std::string_view name, TSizeUnit unit);
std::string EntryText(const TFolderData& node, std::string_view name, TDisplayMode mode,
                      TSizeUnit unit);

// Every entry of the folder as the list and quillet-scan show it, each carrying its node.
TStringListWithDouble FolderEntries(const TFolderList& list, TDisplayMode mode, TSizeUnit unit);

// The number an entry's text shows for value in the unit, as reading the text gives it.
double EntryFigure(ByteCount value, TSizeUnit unit);
// The same entries with their figures and without texts, for the window: it writes the texts
// of the rows it shows with FolderEntryText, not those of a whole folder of a million.
std::vector<TObjectAndDouble> FolderEntryFigures(const TFolderList& list, TDisplayMode mode,
                                                 TSizeUnit unit);
// The text of the entry of node, one of list's, as FolderEntries writes it, trimmed.
std::string FolderEntryText(const TFolderList& list, const TFolderData& node, TDisplayMode mode,
                            TSizeUnit unit);

// The folder's total of the chosen kind, e.g. "1,234.5 kB". Count shows bytes, undivided.
std::string TotalSizeText(const TFolderList& list, TDisplayMode mode, TSizeUnit unit,
                          const NumberPunctuation& punctuation);

// A figure in the unit, grouped, with the unit's name: "1,234.5 kB"; in Count a number of
// files, "1,234 files".
std::string SizeWithUnitText(ByteCount value, TSizeUnit unit, const NumberPunctuation& punctuation);

// The path as the window's hint on the longest path shows it; a path longer than twice
// kMaxPathHintEnd bytes shows only as many at each end, "…" between.
constexpr std::size_t kMaxPathHintEnd = 300;
std::string MaxPathHintPath(std::string_view path);

}  // namespace quillet
