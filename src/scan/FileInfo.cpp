#include "scan/FileInfo.h"

#include "scan/SpecialEntries.h"
#include "scan/Utf16Length.h"

namespace quillet {

TFolderData::TFolderData(double nominal, double allocated, TFolderList* ownerList,
                         std::unique_ptr<TFolderList> children)
    : Nominal(nominal), Allocated(allocated), OwnerList(ownerList), Children(std::move(children)) {}

TFolderData::TFolderData(TFolderData&&) noexcept = default;
TFolderData& TFolderData::operator=(TFolderData&&) noexcept = default;
TFolderData::~TFolderData() = default;

std::int32_t TFolderData::FileCount() const {
    if (Children) return Children->FileCount;
    return IsBackEntry(*this) ? 0 : 1;
}

TFolderList* ParentList(const TFolderData* node) {
    return node && node->OwnerList ? node->OwnerList->Parent : nullptr;
}

TFolderList::TFolderList(std::string path)
    : Parent(nullptr), Path_(std::move(path)), PathLength16_(Utf16Length(Path_)) {}

TFolderList::TFolderList(TFolderList* parent) : Parent(parent) {}

TFolderList::~TFolderList() {
    Clear();
}

std::string_view TFolderList::Name(int index) const {
    const auto i = static_cast<std::size_t>(index);
    const std::uint32_t begin = i == 0 ? 0 : NameEnds_[i - 1];
    return std::string_view(Names_).substr(begin, NameEnds_[i] - begin);
}

int TFolderList::IndexOf(const TFolderData* node) const {
    if (Nodes_.empty() || node < Nodes_.data() || node >= Nodes_.data() + Nodes_.size()) return -1;
    return static_cast<int>(node - Nodes_.data());
}

void TFolderList::Reserve(std::size_t entries, std::size_t nameBytes) {
    Nodes_.reserve(Nodes_.size() + entries);
    NameEnds_.reserve(NameEnds_.size() + entries);
    Names_.reserve(Names_.size() + nameBytes);
}

void TFolderList::Append(std::string_view prefix, std::string_view name, TFolderData&& node) {
    Nodes_.push_back(std::move(node));
    Names_.append(prefix).append(name);
    NameEnds_.push_back(static_cast<std::uint32_t>(Names_.size()));
}

void TFolderList::AddFile(std::string_view name, double nominal, double allocated) {
    Append({}, name, TFolderData(nominal, allocated, this, nullptr));
    TotalNominal += nominal;
    TotalAllocated += allocated;
    TotalSlack += allocated - nominal;
    FileCount += 1;
}

void TFolderList::AddBackEntry() {
    Append({}, "..", TFolderData(0, 0, this, nullptr));
}

TFolderList& TFolderList::BeginFolder(std::string_view name) {
    auto child = std::make_unique<TFolderList>(this);
    TFolderList& k = *child;
    k.IndexInParent_ = static_cast<std::uint32_t>(Nodes_.size());
    k.PathLength16_ = PathLength16_ + Utf16Length(name) + 1;
    Append(std::string_view(&kFolderMark, 1), name, TFolderData(0, 0, this, std::move(child)));
    return k;
}

void TFolderList::EndFolder(const TFolderList& k) {
    TFolderData& node = Node(static_cast<int>(k.IndexInParent_));
    node.Nominal = k.TotalNominal;
    node.Allocated = k.TotalAllocated;
    TotalNominal += k.TotalNominal;
    TotalAllocated += k.TotalAllocated;
    TotalSlack += k.TotalSlack;
    FolderCount += k.FolderCount;
    FileCount += k.FileCount;
    if (k.LongestPathLength > LongestPathLength) {
        LongestPathLength = k.LongestPathLength;
        LongestList_ = k.LongestList_;
        LongestIndex_ = k.LongestIndex_;
    }
}

void TFolderList::NoteLongestFile(int index) {
    const std::string_view name = Name(index);
    // A name never has more UTF-16 units than bytes: most files are ruled out without decoding.
    if (PathLength16_ + static_cast<std::int64_t>(name.size()) <= LongestPathLength) return;
    const std::int32_t length = PathLength16_ + Utf16Length(name);
    if (length > LongestPathLength) {
        LongestPathLength = length;
        LongestList_ = this;
        LongestIndex_ = static_cast<std::uint32_t>(index);
    }
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
    path.reserve(list->Path_.size() + length);
    path = list->Path_;
    for (auto it = lists.rbegin(); it != lists.rend(); ++it) {
        const TFolderList& k = **it;
        // The name in the parent carries the folder mark in front; the path ends in a separator.
        path.append(k.Parent->Name(static_cast<int>(k.IndexInParent_)).substr(1));
        path.push_back(kPathSeparator);
    }
    return path;
}

std::string TFolderList::LongestPath() const {
    if (!LongestList_) return {};
    return LongestList_->Path() + std::string(LongestList_->Name(static_cast<int>(LongestIndex_)));
}

void TFolderList::ResetTotals() {
    TotalNominal = TotalAllocated = TotalSlack = 0;
    FileCount = FolderCount = LongestPathLength = 0;
    LongestList_ = nullptr;
}

void TFolderList::Clear() {
    // Frees the subtree without recursion, so no depth of folders can exhaust the stack.
    std::vector<std::unique_ptr<TFolderList>> pending;
    auto detachChildren = [&pending](TFolderList& list) {
        for (TFolderData& node : list.Nodes_) {
            if (node.Children) pending.push_back(std::move(node.Children));
        }
        list.Nodes_.clear();
        list.NameEnds_.clear();
        list.Names_.clear();
    };
    detachChildren(*this);
    while (!pending.empty()) {
        std::unique_ptr<TFolderList> list = std::move(pending.back());
        pending.pop_back();
        detachChildren(*list);
    }
    Nodes_.shrink_to_fit();
    NameEnds_.shrink_to_fit();
    Names_.shrink_to_fit();
    LongestPathLength = 0;
    LongestList_ = nullptr;
}

void TFolderList::ResetTo(std::string path) {
    Clear();
    Path_ = std::move(path);
    PathLength16_ = Utf16Length(Path_);
}

}  // namespace quillet
