#include "listing/LargestFiles.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "listing/FileExtension.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

// Whether a comes before b in the list: larger, or as large with the smaller path.
bool Before(const TRankedFile& a, const TRankedFile& b) {
    return a.Value != b.Value ? a.Value > b.Value : a.Path < b.Path;
}

// folderPath + name against path, without joining them.
int ComparePath(std::string_view folderPath, std::string_view name, std::string_view path) {
    const std::size_t head = std::min(folderPath.size(), path.size());
    if (const int c = folderPath.compare(0, head, path.substr(0, head)); c != 0) return c;
    if (head < folderPath.size()) return 1;
    return name.compare(path.substr(head));
}

}  // namespace

TSizeUnit RankedUnit(TSizeUnit unit) {
    return unit == TSizeUnit::suCount ? TSizeUnit::suBytes : unit;
}

LargestFiles::LargestFiles(std::size_t limit, TDisplayMode mode, TSizeUnit unit, bool comparing,
                           std::optional<std::string> extension)
    : Limit_(limit),
      Mode_(unit == TSizeUnit::suCount ? TDisplayMode::dmNominal : mode),
      Comparing_(comparing),
      Extension_(std::move(extension)) {
    Heap_.reserve(std::min<std::size_t>(limit, 1 << 16) + 1);
}

bool LargestFiles::Ranks(const SubtreeWalk::Visit& visit, ByteCount value) const {
    if (Heap_.size() < Limit_) return true;
    const TRankedFile& last = Heap_.front();
    if (value != last.Value) return value > last.Value;
    return ComparePath(visit.FolderPath, visit.Name, last.Path) < 0;
}

void LargestFiles::Add(const SubtreeWalk::Visit& visit) {
    const TFolderData& node = *visit.Node;
    if (node.Children()) return;
    if (Extension_ && !SameIgnoringAsciiCase(FileExtensionAsStored(visit.Name), *Extension_))
        return;
    ++Files_;
    if (Limit_ == 0) return;
    ByteCount value = ValueOfKind(node.Nominal(), node.Allocated(), 1, Mode_, TSizeUnit::suBytes);
    if (Comparing_) {
        if (visit.Before)
            value -= ValueOfKind(visit.Before->Nominal, visit.Before->Allocated, 1, Mode_,
                                 TSizeUnit::suBytes);
        if (value <= 0) return;
    }
    if (!Ranks(visit, value)) return;
    std::string path;
    path.reserve(visit.FolderPath.size() + visit.Name.size());
    path.append(visit.FolderPath).append(visit.Name);
    if (Heap_.size() == Limit_) {
        std::pop_heap(Heap_.begin(), Heap_.end(), Before);
        Heap_.pop_back();
    }
    Heap_.push_back({&node, value, std::move(path)});
    std::push_heap(Heap_.begin(), Heap_.end(), Before);
}

std::vector<TRankedFile> LargestFiles::Take() {
    std::sort_heap(Heap_.begin(), Heap_.end(), Before);
    return std::move(Heap_);
}

std::string RankedFileText(ByteCount value, std::string_view path, TSizeUnit unit) {
    return EntrySizeText(value, RankedUnit(unit)) + "   " + ShownName(path);
}

}  // namespace quillet
