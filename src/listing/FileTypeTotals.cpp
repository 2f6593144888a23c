#include "listing/FileTypeTotals.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "listing/FileExtension.h"
#include "scan/ShownName.h"

namespace quillet {

std::size_t FileTypeTotals::CaseHash::operator()(std::string_view text) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    return hash;
}

bool FileTypeTotals::CaseEqual::operator()(std::string_view a, std::string_view b) const {
    return SameIgnoringAsciiCase(a, b);
}

void FileTypeTotals::Count(std::string_view name, ByteCount nominal, ByteCount allocated,
                           int files) {
    Sizes& type = Types_[FileExtensionAsStored(name)];
    type.Nominal = AddBytes(type.Nominal, nominal);
    type.Allocated = AddBytes(type.Allocated, allocated);
    type.Files += files;
}

void FileTypeTotals::Add(const SubtreeWalk::Visit& visit) {
    if (!visit.Node->Children()) Count(visit.Name, visit.Node->Nominal, visit.Node->Allocated, 1);
}

void FileTypeTotals::BeginSubtract(const EarlierScan& earlier, const TFolderList& top) {
    Earlier_ = &earlier;
    Open_.clear();
    if (const EarlierScan::FolderIndex start = earlier.FolderOf(top);
        start != EarlierScan::kNoFolder)
        Open_.emplace_back(start, 0);
}

bool FileTypeTotals::SubtractStep(std::size_t budget) {
    while (!Open_.empty() && budget > 0) {
        auto& [folder, next] = Open_.back();
        if (next == Earlier_->Count(folder)) {
            Open_.pop_back();
            continue;
        }
        --budget;
        const int i = next++;
        if (const EarlierScan::FolderIndex sub = Earlier_->SubFolder(folder, i);
            sub != EarlierScan::kNoFolder) {
            Open_.emplace_back(sub, 0);
            continue;
        }
        const EarlierScan::Sizes sizes = Earlier_->EntrySizes(folder, i);
        Count(Earlier_->Name(folder, i), -sizes.Nominal, -sizes.Allocated, -1);
    }
    return !Open_.empty();
}

std::vector<TTypeTotal> FileTypeTotals::Take() {
    std::vector<TTypeTotal> types;
    types.reserve(Types_.size());
    for (const auto& [extension, type] : Types_) {
        if (type.Files != 0 || type.Nominal != 0 || type.Allocated != 0)
            types.push_back(
                {LowerAsciiLetters(extension), type.Nominal, type.Allocated, type.Files});
    }
    Types_.clear();
    return types;
}

ByteCount TypeValue(const TTypeTotal& type, TDisplayMode mode, TSizeUnit unit) {
    return ValueOfKind(type.Nominal, type.Allocated, type.Files, mode, unit);
}

void SortTypes(std::vector<TTypeTotal>& types, TDisplayMode mode, TSizeUnit unit) {
    std::sort(types.begin(), types.end(), [&](const TTypeTotal& a, const TTypeTotal& b) {
        const ByteCount x = TypeValue(a, mode, unit), y = TypeValue(b, mode, unit);
        return x != y ? x > y : a.Extension < b.Extension;
    });
}

std::string TypeText(const TTypeTotal& type, TDisplayMode mode, TSizeUnit unit) {
    const std::string name =
        type.Extension.empty() ? std::string(kNoExtensionText) : ShownName(type.Extension);
    return EntrySizeText(TypeValue(type, mode, unit), unit) + "   " + std::to_string(type.Files) +
           "   " + name;
}

}  // namespace quillet
