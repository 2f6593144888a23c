#include "scan/FileInfo.h"

#include <algorithm>

#include "scan/SpecialEntries.h"
#include "scan/Utf16Length.h"

namespace quillet {

static_assert(sizeof(TFolderData) == 16 && sizeof(TFolderList) <= 72,
              "the tree's memory is mostly these: mind their size");

TFolderData::TFolderData(ByteCount nominal, ByteCount allocated)
    : Value_(nominal), Slack_(kLargeSlack) {
    // A slack that does not fit stays kLargeSlack: the list keeps that file's allocated size.
    ByteCount slack = 0;
    if (!__builtin_sub_overflow(allocated, nominal, &slack) && slack > kLargeSlack &&
        slack <= INT32_MAX)
        Slack_ = static_cast<std::int32_t>(slack);
}

TFolderData::TFolderData(std::unique_ptr<TFolderList> children)
    : Value_(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(children.release()))),
      Slack_(kFolder) {}

TFolderData::TFolderData(TFolderData&& other) noexcept
    : Value_(other.Value_), Index_(other.Index_), Slack_(other.Slack_) {
    if (Slack_ == kFolder) other.Slack_ = 0;
}

TFolderData::~TFolderData() {
    TakeChildren();
}

TFolderList* TFolderData::Children() const {
    return Slack_ == kFolder ? reinterpret_cast<TFolderList*>(static_cast<std::uintptr_t>(Value_))
                             : nullptr;
}

TFolderList* TFolderData::OwnerList() const {
    return Index_ == kNotInList ? nullptr : ListEntries::OwnerOf(this - Index_);
}

ByteCount TFolderData::Nominal() const {
    if (const TFolderList* children = Children()) return children->TotalNominal;
    return Value_;
}

ByteCount TFolderData::Allocated() const {
    if (const TFolderList* children = Children()) return children->TotalAllocated;
    if (Slack_ == kLargeSlack) return OwnerList()->LargeAllocation(Index_);
    return Value_ + Slack_;
}

std::unique_ptr<TFolderList> TFolderData::TakeChildren() {
    std::unique_ptr<TFolderList> children(Children());
    if (children) Value_ = Slack_ = 0;
    return children;
}

std::int32_t TFolderData::FileCount() const {
    if (const TFolderList* children = Children()) return children->FileCount;
    return IsBackEntry(*this) ? 0 : 1;
}

TFolderList* ParentList(const TFolderData* node) {
    const TFolderList* owner = node ? node->OwnerList() : nullptr;
    return owner ? owner->Parent : nullptr;
}

TFolderList::TFolderList(std::string path)
    : Parent(nullptr), Extras_(std::make_unique<Extras>(Extras{std::move(path), {}})) {}

TFolderList::TFolderList(TFolderList* parent) : Parent(parent) {}

TFolderList::~TFolderList() {
    Clear();
}

std::string_view TFolderList::Name(int index) const {
    return Entries_.Name(static_cast<std::size_t>(index));
}

int TFolderList::IndexOf(const TFolderData* node) const {
    const TFolderData* nodes = Entries_.Nodes();
    if (Entries_.Count() == 0 || node < nodes || node >= nodes + Entries_.Count()) return -1;
    return static_cast<int>(node - nodes);
}

TFolderList::Extras& TFolderList::TheExtras() {
    if (!Extras_) Extras_ = std::make_unique<Extras>();
    return *Extras_;
}

ByteCount TFolderList::LargeAllocation(std::uint32_t index) const {
    const auto& large = Extras_->LargeAllocations;
    return std::lower_bound(large.begin(), large.end(), index,
                            [](const std::pair<std::uint32_t, ByteCount>& entry,
                               std::uint32_t wanted) { return entry.first < wanted; })
        ->second;
}

void TFolderList::AddFile(std::string_view name, ByteCount nominal, ByteCount allocated) {
    TFolderData node(nominal, allocated);
    // Kept in index order, as the files are appended.
    if (node.Slack_ == TFolderData::kLargeSlack)
        TheExtras().LargeAllocations.emplace_back(static_cast<std::uint32_t>(Count()), allocated);
    Entries_.Append(*this, {}, name, std::move(node));
    TotalNominal = AddBytes(TotalNominal, nominal);
    TotalAllocated = AddBytes(TotalAllocated, allocated);
    FileCount += 1;
}

void TFolderList::AddBackEntry() {
    Entries_.Append(*this, {}, "..", TFolderData(0, 0));
}

TFolderList& TFolderList::BeginFolder(std::string_view name) {
    auto child = std::make_unique<TFolderList>(this);
    TFolderList& k = *child;
    k.IndexInParent_ = static_cast<std::uint32_t>(Entries_.Count());
    Entries_.Append(*this, std::string_view(&kFolderMark, 1), name, TFolderData(std::move(child)));
    return k;
}

void TFolderList::EndFolder(const TFolderList& k) {
    TotalNominal = AddBytes(TotalNominal, k.TotalNominal);
    TotalAllocated = AddBytes(TotalAllocated, k.TotalAllocated);
    FolderCount += k.FolderCount;
    FileCount += k.FileCount;
    LongestPathLength = std::max(LongestPathLength, k.LongestPathLength);
}

std::int32_t TFolderList::SubfolderPathLength16(std::int32_t pathLength16, std::string_view name) {
    return pathLength16 + Utf16Length(name) + 1;
}

void TFolderList::NoteLongestFile(int index, std::int32_t pathLength16) {
    const std::string_view name = Name(index);
    // A name never has more UTF-16 units than bytes: most files are ruled out without decoding.
    if (pathLength16 + static_cast<std::int64_t>(name.size()) <= LongestPathLength) return;
    const std::int32_t length = pathLength16 + Utf16Length(name);
    LongestPathLength = std::max(LongestPathLength, length);
}

std::string TFolderList::Path() const {
    std::vector<const TFolderList*> lists;  // this list and those above it, up to the root
    std::size_t length = 0;
    const TFolderList* list = this;
    for (; list->Parent && list->IndexInParent_ != kNotInParent; list = list->Parent) {
        lists.push_back(list);
        length += list->Parent->Name(static_cast<int>(list->IndexInParent_)).size();
    }
    std::string path;
    if (list->Extras_) path = list->Extras_->RootPath;
    path.reserve(path.size() + length);
    for (auto it = lists.rbegin(); it != lists.rend(); ++it) {
        const TFolderList& k = **it;
        // The name in the parent carries the folder mark in front; the path ends in a separator.
        path.append(k.Parent->Name(static_cast<int>(k.IndexInParent_)).substr(1));
        path.push_back(kPathSeparator);
    }
    return path;
}

std::string TFolderList::LongestPath() const {
    // Looked for when asked rather than kept in every list, which would cost a tree 16 bytes a
    // folder: depth first in list order, which is scan order, into the sub-folders that hold a
    // path this long, so the search goes down little more than one branch.
    struct Level {
        const TFolderList* List;
        std::int32_t PathLength16;
        int Next;
    };
    std::vector<Level> open;
    if (LongestPathLength > 0) open.push_back({this, Utf16Length(Path()), 0});
    while (!open.empty()) {
        Level& level = open.back();
        if (level.Next == level.List->Count()) {
            open.pop_back();
            continue;
        }
        const TFolderList& list = *level.List;
        const std::int32_t pathLength16 = level.PathLength16;
        const int i = level.Next++;
        const TFolderData& node = list.Node(i);
        const std::string_view name = list.Name(i);
        if (const TFolderList* children = node.Children()) {
            // The name in the list carries the folder mark in front.
            if (children->LongestPathLength == LongestPathLength)
                open.push_back({children, SubfolderPathLength16(pathLength16, name.substr(1)), 0});
            continue;
        }
        if (pathLength16 + static_cast<std::int64_t>(name.size()) < LongestPathLength ||
            IsBackEntry(node) || IsFreeSpaceEntry(node)) {
            continue;
        }
        if (pathLength16 + Utf16Length(name) == LongestPathLength)
            return list.Path() + std::string(name);
    }
    return {};
}

void TFolderList::ResetTotals() {
    TotalNominal = TotalAllocated = 0;
    FileCount = FolderCount = LongestPathLength = 0;
}

void TFolderList::Clear() {
    // Frees the subtree without recursion, so no depth of folders can exhaust the stack.
    std::vector<std::unique_ptr<TFolderList>> pending;
    auto detachChildren = [&pending](TFolderList& list) {
        for (int i = 0; i < list.Count(); ++i) {
            if (std::unique_ptr<TFolderList> children = list.Node(i).TakeChildren())
                pending.push_back(std::move(children));
        }
        list.Entries_.Clear();
        if (list.Extras_) list.Extras_->LargeAllocations = {};
    };
    detachChildren(*this);
    while (!pending.empty()) {
        std::unique_ptr<TFolderList> list = std::move(pending.back());
        pending.pop_back();
        detachChildren(*list);
    }
    LongestPathLength = 0;
}

void TFolderList::ResetTo(std::string path) {
    Clear();
    TheExtras().RootPath = std::move(path);
}

}  // namespace quillet
