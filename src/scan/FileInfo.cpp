#include "scan/FileInfo.h"

#include <algorithm>

#include "scan/SpecialEntries.h"
#include "scan/Utf16Length.h"

namespace quillet {

static_assert(sizeof(TFolderData) == 24 && sizeof(TFolderList) <= 88,
              "the tree's memory is mostly these: mind their size");

TFolderData::TFolderData(ByteCount nominal, ByteCount allocated, TFolderList* ownerList,
                         std::unique_ptr<TFolderList> children)
    : Nominal(nominal), Allocated(allocated), List_(reinterpret_cast<std::uintptr_t>(ownerList)) {
    static_assert(alignof(TFolderList) > kOwnsChildren);
    if (children) {
        children->Parent = ownerList;
        List_ = reinterpret_cast<std::uintptr_t>(children.release()) | kOwnsChildren;
    }
}

TFolderData::TFolderData(TFolderData&& other) noexcept
    : Nominal(other.Nominal), Allocated(other.Allocated), List_(other.List_) {
    if (List_ & kOwnsChildren) other.List_ = 0;
}

TFolderData::~TFolderData() {
    TakeChildren();
}

TFolderList* TFolderData::Children() const {
    return List_ & kOwnsChildren ? reinterpret_cast<TFolderList*>(List_ & ~kOwnsChildren) : nullptr;
}

TFolderList* TFolderData::OwnerList() const {
    if (TFolderList* children = Children()) return children->Parent;
    return reinterpret_cast<TFolderList*>(List_);
}

std::unique_ptr<TFolderList> TFolderData::TakeChildren() {
    std::unique_ptr<TFolderList> children(Children());
    if (children) List_ = reinterpret_cast<std::uintptr_t>(children->Parent);
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
    : Parent(nullptr),
      PathLength16_(Utf16Length(path)),
      RootPath_(std::make_unique<std::string>(std::move(path))) {}

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

void TFolderList::AddFile(std::string_view name, ByteCount nominal, ByteCount allocated) {
    Entries_.Append({}, name, TFolderData(nominal, allocated, this, nullptr));
    TotalNominal = AddBytes(TotalNominal, nominal);
    TotalAllocated = AddBytes(TotalAllocated, allocated);
    TotalSlack = AddBytes(TotalSlack, allocated - nominal);
    FileCount += 1;
}

void TFolderList::AddBackEntry() {
    Entries_.Append({}, "..", TFolderData(0, 0, this, nullptr));
}

TFolderList& TFolderList::BeginFolder(std::string_view name) {
    auto child = std::make_unique<TFolderList>(this);
    TFolderList& k = *child;
    k.IndexInParent_ = static_cast<std::uint32_t>(Entries_.Count());
    k.PathLength16_ = PathLength16_ + Utf16Length(name) + 1;
    Entries_.Append(std::string_view(&kFolderMark, 1), name,
                    TFolderData(0, 0, this, std::move(child)));
    return k;
}

void TFolderList::EndFolder(const TFolderList& k) {
    TFolderData& node = Node(static_cast<int>(k.IndexInParent_));
    node.Nominal = k.TotalNominal;
    node.Allocated = k.TotalAllocated;
    TotalNominal = AddBytes(TotalNominal, k.TotalNominal);
    TotalAllocated = AddBytes(TotalAllocated, k.TotalAllocated);
    TotalSlack = AddBytes(TotalSlack, k.TotalSlack);
    FolderCount += k.FolderCount;
    FileCount += k.FileCount;
    LongestPathLength = std::max(LongestPathLength, k.LongestPathLength);
}

void TFolderList::NoteLongestFile(int index) {
    const std::string_view name = Name(index);
    // A name never has more UTF-16 units than bytes: most files are ruled out without decoding.
    if (PathLength16_ + static_cast<std::int64_t>(name.size()) <= LongestPathLength) return;
    const std::int32_t length = PathLength16_ + Utf16Length(name);
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
    if (list->RootPath_) path = *list->RootPath_;
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
        int Next;
    };
    std::vector<Level> open;
    if (LongestPathLength > 0) open.push_back({this, 0});
    while (!open.empty()) {
        Level& level = open.back();
        if (level.Next == level.List->Count()) {
            open.pop_back();
            continue;
        }
        const TFolderList& list = *level.List;
        const int i = level.Next++;
        const TFolderData& node = list.Node(i);
        if (const TFolderList* children = node.Children()) {
            if (children->LongestPathLength == LongestPathLength) open.push_back({children, 0});
            continue;
        }
        const std::string_view name = list.Name(i);
        if (list.PathLength16_ + static_cast<std::int64_t>(name.size()) < LongestPathLength ||
            IsBackEntry(node) || IsFreeSpaceEntry(node)) {
            continue;
        }
        if (list.PathLength16_ + Utf16Length(name) == LongestPathLength)
            return list.Path() + std::string(name);
    }
    return {};
}

void TFolderList::ResetTotals() {
    TotalNominal = TotalAllocated = TotalSlack = 0;
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
    RootPath_ = std::make_unique<std::string>(std::move(path));
    PathLength16_ = Utf16Length(*RootPath_);
}

}  // namespace quillet
