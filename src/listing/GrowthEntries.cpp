#include "listing/GrowthEntries.h"

#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

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
    const int earlierCount = folder == EarlierScan::kNoFolder ? 0 : earlier.Count(folder);
    std::vector<bool> matched(static_cast<std::size_t>(earlierCount));
    // A hand-made export may name an entry twice in one folder, and its import then lists both:
    // the n-th entry of a name is matched with the n-th earlier one, so that a scan compared
    // with itself shows no change. Each name leads to its first entry not yet matched, each
    // entry to the next of its name.
    std::unordered_map<std::string_view, int> earlierIndex(static_cast<std::size_t>(earlierCount));
    std::vector<int> nextOfName(static_cast<std::size_t>(earlierCount), -1);
    for (int i = earlierCount - 1; i >= 0; --i) {
        const auto [first, added] = earlierIndex.emplace(earlier.Name(folder, i), i);
        if (!added) nextOfName[static_cast<std::size_t>(i)] = std::exchange(first->second, i);
    }
    TStringListWithDouble entries;
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        if (IsFreeSpaceEntry(node)) continue;
        ByteCount change = EntryValue(node, mode, unit);
        const auto found = earlierIndex.find(list.Name(i));
        const int before = found == earlierIndex.end() ? -1 : found->second;
        if (before >= 0) {
            found->second = nextOfName[static_cast<std::size_t>(before)];
            matched[static_cast<std::size_t>(before)] = true;
            change -= EarlierValue(earlier.EntrySizes(folder, before), mode, unit);
        } else if (folder == EarlierScan::kNoFolder && node.Children()) {
            // A folder above the earlier scan's may hold it.
            if (const auto sizes = EarlierSizesOf(*node.Children(), earlier))
                change -= EarlierValue(*sizes, mode, unit);
        }
        if (change != 0 || IsBackEntry(node))
            entries.push_back({EntryText(change, list.Name(i), unit), {&node, 0}});
    }
    for (int i = 0; i < earlierCount; ++i) {
        if (matched[static_cast<std::size_t>(i)]) continue;
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

std::string GrowthSuffix(ByteCount growth, TSizeUnit unit, const NumberPunctuation& punctuation,
                         std::string_view since) {
    return "  (" + std::string(growth > 0 ? "+" : "") +
           SizeWithUnitText(growth, unit, punctuation) +
           (since.empty() ? std::string() : " since " + std::string(since)) + ")";
}

std::string ComparisonNote(const EarlierScan& earlier, const TFolderList& root) {
    const std::string path = root.Path();
    if (path == earlier.RootPath) return {};
    const std::string tree = ShownName(path), before = ShownName(earlier.RootPath);
    // A line for each path, so that a message box breaks no path.
    if (IsPathWithin(earlier.RootPath, path))
        return "The earlier scan of " + before + "\nholds only part of " + tree +
               ":\nthe rest shows as new.";
    if (!IsPathWithin(path, earlier.RootPath))
        return "Comparing " + tree + "\nwith the earlier scan of " + before + ".";
    if (earlier.FolderAt(path) == EarlierScan::kNoFolder)
        return "The earlier scan of " + before + "\ndoes not hold " + tree +
               ":\neverything in it shows as new.";
    return "Comparing " + tree + "\nwith the same folder of the earlier scan of " + before + ".";
}

}  // namespace quillet
