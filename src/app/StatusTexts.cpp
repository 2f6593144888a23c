#include "app/StatusTexts.h"

#include <QCoreApplication>
#include <QString>

#include "scan/ShownName.h"

namespace quillet {
namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "1,234.5 kB" with the unit's name as the units box shows it. The names are the box's own
// texts ("bytes", "kB", ...), so both read alike in every language.
std::string WithUnitNameShown(const std::string& text) {
    const std::size_t blank = text.rfind(' ');
    if (blank == std::string::npos) return text;
    const std::string name = text.substr(blank + 1);
    return text.substr(0, blank + 1) +
           QCoreApplication::translate("TMainForm", name.c_str()).toStdString();
}

}  // namespace

std::string SizeShownText(ByteCount value, TSizeUnit unit, const NumberPunctuation& punctuation) {
    if (unit != TSizeUnit::suCount)
        return WithUnitNameShown(SizeWithUnitText(value, unit, punctuation));
    const QString count = Utf8(GroupedQuotientText(value, 1, 0, punctuation));
    return (value == 1 ? QCoreApplication::translate("TMainForm", "%1 file", "a count of files")
                       : QCoreApplication::translate("TMainForm", "%1 files", "a count of files"))
        .arg(count)
        .toStdString();
}

std::string TotalShownText(const TFolderList& list, TDisplayMode mode, TSizeUnit unit,
                           const NumberPunctuation& punctuation) {
    return WithUnitNameShown(TotalSizeText(list, mode, unit, punctuation));
}

std::string FreeSpaceSuffix(ByteCount freeBytes, TSizeUnit unit,
                            const NumberPunctuation& punctuation) {
    if (unit == TSizeUnit::suBytes || unit == TSizeUnit::suCount) return {};
    return QCoreApplication::translate("TMainForm", "  (%1 free)")
        .arg(Utf8(SizeShownText(freeBytes, unit, punctuation)))
        .toStdString();
}

std::string FilesText(std::int32_t count, const NumberPunctuation& punctuation) {
    return QCoreApplication::translate("TMainForm", " Files: %1")
        .arg(Utf8(GroupedNumberText(count, 0, punctuation)))
        .toStdString();
}

std::string FoldersText(std::int32_t count, const NumberPunctuation& punctuation) {
    return QCoreApplication::translate("TMainForm", " Folders: %1")
        .arg(Utf8(GroupedNumberText(count, 0, punctuation)))
        .toStdString();
}

std::string MaxPathCaption(std::int32_t length) {
    return QCoreApplication::translate("TMainForm", "Max path: %1").arg(length).toStdString();
}

std::string MaxPathHint(std::int32_t length, std::string_view path) {
    return QCoreApplication::translate("TMainForm", "Maximum characters in file name is %1 at %2")
        .arg(QString::number(length), Utf8(MaxPathHintPath(path)))
        .toStdString();
}

std::string GrowthSuffix(ByteCount growth, TSizeUnit unit, const NumberPunctuation& punctuation,
                         std::string_view since) {
    const QString change = Utf8((growth > 0 ? "+" : "") + SizeShownText(growth, unit, punctuation));
    if (since.empty()) return ("  (" + change + ")").toStdString();
    return QCoreApplication::translate("TMainForm", "  (%1 since %2)")
        .arg(change, Utf8(since))
        .toStdString();
}

std::string ComparisonNote(const EarlierScan& earlier, const TFolderList& root) {
    const std::string path = root.Path();
    if (path == earlier.RootPath) return {};
    const QString tree = Utf8(ShownName(path)), before = Utf8(ShownName(earlier.RootPath));
    // A line for each path, so that a message box breaks no path.
    QString note;
    if (IsPathWithin(earlier.RootPath, path)) {
        note = QCoreApplication::translate(
                   "TMainForm",
                   "The earlier scan of %1\nholds only part of %2:\nthe rest shows as new.")
                   .arg(before, tree);
    } else if (!IsPathWithin(path, earlier.RootPath)) {
        note =
            QCoreApplication::translate("TMainForm", "Comparing %1\nwith the earlier scan of %2.")
                .arg(tree, before);
    } else if (earlier.FolderAt(path) == EarlierScan::kNoFolder) {
        note = QCoreApplication::translate(
                   "TMainForm",
                   "The earlier scan of %1\ndoes not hold %2:\neverything in it shows as new.")
                   .arg(before, tree);
    } else {
        note = QCoreApplication::translate(
                   "TMainForm", "Comparing %1\nwith the same folder of the earlier scan of %2.")
                   .arg(tree, before);
    }
    return note.toStdString();
}

}  // namespace quillet
