#include "listing/FileTypeTotals.h"

#include <algorithm>
#include <utility>

#include "base/AsciiCase.h"
#include "listing/FileExtension.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

// What one type takes in the table: the node (its link, its cached hash, the view of its name
// and the sums, 64 bytes with the allocator's own) and its bucket, with room to spare.
constexpr std::size_t kTableBytesPerType = 80;

// FNV-1a over the extension with A to Z lower-cased, then mixed so that the high bits, which
// the passes split on, depend on every byte.
std::uint64_t TypeHash(std::string_view extension) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : extension)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    hash = (hash ^ (hash >> 30)) * 0xbf58476d1ce4e5b9ull;
    hash = (hash ^ (hash >> 27)) * 0x94d049bb133111ebull;
    return hash ^ (hash >> 31);
}

// How large a figure is, growth or loss.
std::uint64_t Magnitude(ByteCount value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

std::size_t FileTypeTotals::CaseHash::operator()(std::string_view text) const {
    return static_cast<std::size_t>(TypeHash(text));
}

bool FileTypeTotals::CaseEqual::operator()(std::string_view a, std::string_view b) const {
    return SameIgnoringAsciiCase(a, b);
}

FileTypeTotals::FileTypeTotals(TDisplayMode mode, TSizeUnit unit, TTypeLimits limits)
    : TableTypes_(std::max<std::size_t>(limits.TableBytes / kTableBytesPerType, 1)),
      Mode_(mode),
      Unit_(unit),
      RowLimit_(limits.Rows) {
    // Room made at once, so that growing never holds the old buckets beside the new ones.
    if (limits.TableBytes != SIZE_MAX) Types_.reserve(TableTypes_);
    if (limits.Rows != SIZE_MAX) Kept_.reserve(limits.Rows);
}

void FileTypeTotals::Count(std::string_view name, ByteCount nominal, ByteCount allocated,
                           int files) {
    const std::string_view extension = FileExtensionAsStored(name);
    const std::uint64_t hash = TypeHash(extension);
    if (hash < First_ || hash > Last_) return;
    Sizes& type = Types_[extension];
    type.Nominal = AddBytes(type.Nominal, nominal);
    type.Allocated = AddBytes(type.Allocated, allocated);
    type.Files += files;
    if (Types_.size() > TableTypes_) Narrow();
}

void FileTypeTotals::Narrow() {
    // Types of one hash cannot be told apart by a range: past that the table grows.
    while (Types_.size() > TableTypes_ && First_ < Last_) {
        Last_ = First_ + (Last_ - First_) / 2;
        std::erase_if(Types_, [&](const auto& type) { return TypeHash(type.first) > Last_; });
    }
}

void FileTypeTotals::Add(const SubtreeWalk::Visit& visit) {
    if (!visit.Node->Children())
        Count(visit.Name, visit.Node->Nominal(), visit.Node->Allocated(), 1);
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

bool FileTypeTotals::Before(const TTypeTotal& a, const TTypeTotal& b) const {
    const std::uint64_t x = Magnitude(TypeValue(a, Mode_, Unit_));
    const std::uint64_t y = Magnitude(TypeValue(b, Mode_, Unit_));
    return x != y ? x > y : a.Extension < b.Extension;
}

void FileTypeTotals::Keep(TTypeTotal type) {
    ++TypeCount_;
    const auto before = [this](const TTypeTotal& a, const TTypeTotal& b) { return Before(a, b); };
    if (Kept_.size() < RowLimit_) {
        Kept_.push_back(std::move(type));
        std::push_heap(Kept_.begin(), Kept_.end(), before);
        return;
    }
    if (!Kept_.empty() && Before(type, Kept_.front())) {
        std::pop_heap(Kept_.begin(), Kept_.end(), before);
        std::swap(type, Kept_.back());
        std::push_heap(Kept_.begin(), Kept_.end(), before);
    }
    Others_.Nominal = AddBytes(Others_.Nominal, type.Nominal);
    Others_.Allocated = AddBytes(Others_.Allocated, type.Allocated);
    Others_.Files += type.Files;
}

bool FileTypeTotals::EndPass() {
    for (const auto& [extension, type] : Types_) {
        if (type.Files != 0 || type.Nominal != 0 || type.Allocated != 0)
            Keep({LowerAsciiLetters(extension), type.Nominal, type.Allocated, type.Files});
    }
    if (Last_ == UINT64_MAX) {
        Types_ = {};  // gives the buckets back too
        return false;
    }
    Types_.clear();
    First_ = Last_ + 1;
    Last_ = UINT64_MAX;
    return true;
}

std::vector<TTypeTotal> FileTypeTotals::Take() {
    return std::exchange(Kept_, {});
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
