#include "app/SliceHint.h"

#include <QCoreApplication>
#include <cmath>

#include "app/StatusTexts.h"
#include "scan/ShownName.h"
#include "scan/SpecialEntries.h"

namespace quillet {
namespace {

// size with the kind of size shown: "1.5 kB allocated".
std::string WithModeName(const std::string& size, TDisplayMode mode) {
    const QString shown = QString::fromUtf8(size);
    switch (mode) {
        case TDisplayMode::dmNominal:
            return QCoreApplication::translate("TMainForm", "%1 nominal").arg(shown).toStdString();
        case TDisplayMode::dmSlackOnly:
            return QCoreApplication::translate("TMainForm", "%1 slack").arg(shown).toStdString();
        case TDisplayMode::dmAllocated:
            break;
    }
    return QCoreApplication::translate("TMainForm", "%1 allocated").arg(shown).toStdString();
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
        return hint +
               QCoreApplication::translate("TMainForm", "Free space on the volume: %1")
                   .arg(QString::fromUtf8(SizeShownText(-node.Allocated(), shownUnit, punctuation)))
                   .toStdString();
    }
    const ByteCount value = EntryValue(node, mode, unit);
    const std::string size = SizeShownText(value, unit, punctuation);
    hint += unit == TSizeUnit::suCount ? size : WithModeName(size, mode);
    const double total = FolderTotal(*list, mode, unit);
    if (total > 0) {
        const double share = std::fabs(static_cast<double>(value)) / total * 100;
        hint += "\n" + QCoreApplication::translate("TMainForm", "%1% of this folder")
                           .arg(QString::fromUtf8(GroupedNumberText(share, 1, punctuation)))
                           .toStdString();
    }
    if (node.Children()) {
        hint += "\n" + WithoutLeadingBlank(FilesText(node.FileCount(), punctuation)) + "\n" +
                WithoutLeadingBlank(FoldersText(node.Children()->FolderCount, punctuation));
    }
    return hint;
}

}  // namespace quillet
