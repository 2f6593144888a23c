#include "listing/SizeUnits.h"

#include "base/AsciiCase.h"
#include "base/Utf8.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

struct UnitFacts {
    ByteCount Divisor;
    int EntryDecimals;
    int TotalDecimals;
    const char* TotalName;
};

const UnitFacts& Facts(TSizeUnit unit) {
    static constexpr UnitFacts kFacts[] = {
        {1, 0, 0, "bytes"},
        {ByteCount{1} << 10, 1, 1, "kB"},
        {ByteCount{1} << 20, 2, 2, "MB"},
        {ByteCount{1} << 30, 3, 3, "GB"},
        {ByteCount{1} << 40, 5, 3, "TB"},
        {1, 0, 0, "bytes"},
    };
    const auto code = static_cast<std::size_t>(unit);
    return kFacts[code < std::size(kFacts) ? code : 0];
}

// Bytes and Count are written undivided, with no free-space figure.
bool IsDividedUnit(TSizeUnit unit) {
    return unit != TSizeUnit::suBytes && unit != TSizeUnit::suCount;
}

std::string TotalText(ByteCount bytes, TSizeUnit unit, const NumberPunctuation& punctuation) {
    const UnitFacts& facts = Facts(unit);
    return GroupedQuotientText(bytes, facts.Divisor, facts.TotalDecimals, punctuation) + " " +
           facts.TotalName;
}

}  // namespace

ByteCount UnitDivisor(TSizeUnit unit) {
    return Facts(unit).Divisor;
}

ByteCount ValueOfKind(ByteCount nominal, ByteCount allocated, ByteCount files, TDisplayMode mode,
                      TSizeUnit unit) {
    if (unit == TSizeUnit::suCount) return files;
    switch (mode) {
        case TDisplayMode::dmNominal:
            return nominal;
        case TDisplayMode::dmSlackOnly:
            return allocated - nominal;
        case TDisplayMode::dmAllocated:
            break;
    }
    return allocated;
}

ByteCount EntryValue(const TFolderData& node, TDisplayMode mode, TSizeUnit unit) {
    // A node's file count is looked up, not stored: only Count asks for it.
    if (unit == TSizeUnit::suCount) return node.FileCount();
    return ValueOfKind(node.Nominal(), node.Allocated(), 0, mode, unit);
}

std::string EntrySizeText(ByteCount value, TSizeUnit unit) {
    const UnitFacts& facts = Facts(unit);
    std::string text = PlainQuotientText(value, facts.Divisor, facts.EntryDecimals);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

std::string EntryText(ByteCount value, std::string_view name, TSizeUnit unit) {
    std::string text = EntrySizeText(value, unit);
    // Most names show as they are: they go straight in, without two strings of their own.
    if (!ShownAsItIs(name)) return text + "   " + ShownName(LowerAsciiLetters(name));
    text.reserve(text.size() + 3 + name.size());
    text += "   ";
    for (const char c : name)
        text += LowerAscii(c);
    return text;
}

std::string EntryText(const TFolderData& node, std::string_view name, TDisplayMode mode,
                      TSizeUnit unit) {
    return EntryText(EntryValue(node, mode, unit), name, unit);
}

TStringListWithDouble FolderEntries(const TFolderList& list, TDisplayMode mode, TSizeUnit unit) {
    TStringListWithDouble entries;
    entries.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        entries.push_back({EntryText(node, list.Name(i), mode, unit), {&node, 0}});
    }
    return entries;
}

double EntryFigure(ByteCount value, TSizeUnit unit) {
    const UnitFacts& facts = Facts(unit);
    return PlainQuotientFigure(value, facts.Divisor, facts.EntryDecimals);
}

std::vector<TObjectAndDouble> FolderEntryFigures(const TFolderList& list, TDisplayMode mode,
                                                 TSizeUnit unit) {
    std::vector<TObjectAndDouble> figures(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        figures[static_cast<std::size_t>(i)] = {&node,
                                                EntryFigure(EntryValue(node, mode, unit), unit)};
    }
    return figures;
}

std::string FolderEntryText(const TFolderList& list, const TFolderData& node, TDisplayMode mode,
                            TSizeUnit unit) {
    const std::string text = EntryText(node, list.Name(list.IndexOf(&node)), mode, unit);
    return std::string(TrimEntryText(text));
}

std::string TotalSizeText(const TFolderList& list, TDisplayMode mode, TSizeUnit unit,
                          const NumberPunctuation& punctuation) {
    ByteCount total = list.TotalAllocated;
    if (mode == TDisplayMode::dmNominal) total = list.TotalNominal;
    if (mode == TDisplayMode::dmSlackOnly) total = list.TotalSlack();
    return TotalText(total, IsDividedUnit(unit) ? unit : TSizeUnit::suBytes, punctuation);
}

std::string SizeWithUnitText(ByteCount value, TSizeUnit unit,
                             const NumberPunctuation& punctuation) {
    if (unit == TSizeUnit::suCount)
        return GroupedQuotientText(value, 1, 0, punctuation) + (value == 1 ? " file" : " files");
    return TotalText(value, unit, punctuation);
}

std::string MaxPathHintPath(std::string_view path) {
    // A deep tree's longest path can run to megabytes: the hint keeps its two ends.
    if (path.size() <= 2 * kMaxPathHintEnd) return ShownName(path);
    std::size_t head = kMaxPathHintEnd, tail = path.size() - kMaxPathHintEnd;
    while (head > 0 && IsUtf8Continuation(path[head]))
        --head;  // no character is cut in two
    while (tail < path.size() && IsUtf8Continuation(path[tail]))
        ++tail;
    return ShownName(path.substr(0, head)) + "\u2026" + ShownName(path.substr(tail));
}

}  // namespace quillet
