#include "app/SliceHint.h"

#include <cmath>

#include "scan/ShownName.h"
#include "scan/SpecialEntries.h"

namespace quillet {
namespace {

const char* ModeName(TDisplayMode mode) {
    switch (mode) {
        case TDisplayMode::dmNominal:
            return " nominal";
        case TDisplayMode::dmSlackOnly:
            return " slack";
        case TDisplayMode::dmAllocated:
            break;
    }
    return " allocated";
}

// The folder's entries of the chosen kind, added up as the pie adds its slices; the free
// space is not part of the folder.
double FolderTotal(const TFolderList& list, TDisplayMode mode, TSizeUnit unit) {
    double total = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        if (!IsFreeSpaceEntry(node))
            total += std::fabs(static_cast<double>(EntryValue(node, mode, unit)));
    }
    return total;
}

std::string WithoutLeadingBlank(std::string text) {
    return text.erase(0, text.find_first_not_of(' '));
}

}  // namespace

std::string SliceHint(const TFolderData& node, TDisplayMode mode, TSizeUnit unit,
                      const NumberPunctuation& punctuation) {
    const TFolderList* list = node.OwnerList();
    const int index = list ? list->IndexOf(&node) : -1;
    if (index < 0 || IsBackEntry(node)) return {};
    std::string hint = ShownName(list->Name(index)) + "\n";
    if (IsFreeSpaceEntry(node)) {
        // Free bytes have no count: Count shows them in bytes, as the status bar does.
        const TSizeUnit shownUnit = unit == TSizeUnit::suCount ? TSizeUnit::suBytes : unit;
        return hint + "Free space on the volume: " +
               SizeWithUnitText(-node.Allocated, shownUnit, punctuation);
    }
    const ByteCount value = EntryValue(node, mode, unit);
    hint += SizeWithUnitText(value, unit, punctuation);
    if (unit != TSizeUnit::suCount) hint += ModeName(mode);
    const double total = FolderTotal(*list, mode, unit);
    if (total > 0) {
        const double share = std::fabs(static_cast<double>(value)) / total * 100;
        hint += "\n" + GroupedNumberText(share, 1, punctuation) + "% of this folder";
    }
    if (node.Children()) {
        hint += "\n" + WithoutLeadingBlank(FilesText(node.FileCount(), punctuation)) + "\n" +
                WithoutLeadingBlank(FoldersText(node.Children()->FolderCount, punctuation));
    }
    return hint;
}

}  // namespace quillet
