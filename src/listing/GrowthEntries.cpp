#include "listing/GrowthEntries.h"

#include <optional>

#include "listing/EarlierFolderNames.h"
#include "scan/ShownName.h"
#include "scan/SpecialEntries.h"

namespace quillet {
namespace {

// EntryValue of an earlier entry.
ByteCount EarlierValue(const EarlierScan::Sizes& sizes, TDisplayMode mode, TSizeUnit unit) {
    return ValueOfKind(sizes.Nominal, sizes.Allocated, sizes.FileCount, mode, unit);
}

// The earlier sizes of all that list holds: its own folder's; or, matched by path, for a
// folder the earlier scan did not have but that holds the earlier scan's folder, that
// folder's. None when the earlier scan had nothing of it.
std::optional<EarlierScan::Sizes> EarlierSizesOf(const TFolderList& list,
                                                 const EarlierScan& earlier) {
    const EarlierScan::FolderIndex folder = earlier.FolderOf(list);
    if (folder != EarlierScan::kNoFolder) return earlier.FolderSizes(folder);
    if (earlier.MatchesByPath() && IsPathWithin(earlier.RootPath, list.Path()))
        return earlier.FolderSizes(earlier.FolderAt(earlier.RootPath));
    return std::nullopt;
}

}  // namespace

TStringListWithDouble GrowthEntries(const TFolderList& list, const EarlierScan& earlier,
                                    TDisplayMode mode, TSizeUnit unit) {
    const EarlierScan::FolderIndex folder = earlier.FolderOf(list);
    EarlierFolderNames names(earlier, folder);
    TStringListWithDouble entries;
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        if (IsFreeSpaceEntry(node)) continue;
        ByteCount change = EntryValue(node, mode, unit);
        if (const int before = names.Match(list.Name(i)); before >= 0) {
            change -= EarlierValue(earlier.EntrySizes(folder, before), mode, unit);
        } else if (folder == EarlierScan::kNoFolder && node.Children()) {
            // A folder above the earlier scan's may hold it.
            if (const auto sizes = EarlierSizesOf(*node.Children(), earlier))
                change -= EarlierValue(*sizes, mode, unit);
        }
        if (change != 0 || IsBackEntry(node))
            entries.push_back({EntryText(change, list.Name(i), unit), {&node, 0}});
    }
    for (int i = 0; i < names.Count(); ++i) {
        if (names.Matched(i)) continue;
        const ByteCount change = -EarlierValue(earlier.EntrySizes(folder, i), mode, unit);
        if (change != 0) entries.push_back({EntryText(change, earlier.Name(folder, i), unit), {}});
    }
    return entries;
}

ByteCount FolderGrowth(const TFolderList& list, const EarlierScan& earlier, TDisplayMode mode,
                       TSizeUnit unit) {
    const EarlierScan::Sizes now{list.TotalNominal, list.TotalAllocated, list.FileCount};
    const auto before = EarlierSizesOf(list, earlier);
    return EarlierValue(now, mode, unit) - (before ? EarlierValue(*before, mode, unit) : 0);
}

}  // namespace quillet
