#include "listing/NameSearch.h"

#include <algorithm>

#include "platform/PathSeparator.h"

namespace quillet {

bool NameSearch::Before(const Kept& a, const Kept& b) {
    return a.Value != b.Value ? a.Value > b.Value : a.Order < b.Order;
}

NameSearch::NameSearch(NamePattern pattern, TDisplayMode mode, TSizeUnit unit, std::size_t limit)
    : Pattern_(std::move(pattern)), Limit_(limit), Mode_(mode), Unit_(unit) {
    Heap_.reserve(std::min<std::size_t>(limit, 1 << 16) + 1);
}

void NameSearch::Add(const SubtreeWalk::Visit& visit) {
    if (!Pattern_.Matches(visit.Name)) return;
    ++Matches_;
    Keep(visit);
}

void NameSearch::Keep(const SubtreeWalk::Visit& visit) {
    const ByteCount value = EntryValue(*visit.Node, Mode_, Unit_);
    const bool inMatchedFolder =
        !MatchedFolder_.empty() &&
        visit.FolderPath.substr(0, MatchedFolder_.size()) == MatchedFolder_;
    if (!inMatchedFolder) {
        Total_ = AddBytes(Total_, value);
        MatchedFolder_.clear();
        if (visit.Node->Children())
            MatchedFolder_.append(visit.FolderPath).append(visit.Name).push_back(kPathSeparator);
    }
    const Kept kept{value, Matches_, visit.Node};
    if (Heap_.size() == Limit_) {
        if (Limit_ == 0 || !Before(kept, Heap_.front())) return;
        std::pop_heap(Heap_.begin(), Heap_.end(), Before);
        Heap_.pop_back();
    }
    Heap_.push_back(kept);
    std::push_heap(Heap_.begin(), Heap_.end(), Before);
}

std::vector<const TFolderData*> NameSearch::Take() {
    std::sort_heap(Heap_.begin(), Heap_.end(), Before);
    std::vector<const TFolderData*> nodes;
    nodes.reserve(Heap_.size());
    for (const Kept& kept : Heap_)
        nodes.push_back(kept.Node);
    Heap_.clear();
    return nodes;
}

std::string RelativePath(const TFolderData& node, const TFolderList& top) {
    std::vector<std::string_view> names;
    const TFolderList* list = node.OwnerList();
    std::string_view name = list->Name(list->IndexOf(&node));
    if (node.Children()) name.remove_prefix(1);
    names.push_back(name);
    for (; list && list != &top && list->Parent; list = list->Parent)
        names.push_back(list->Parent->Name(list->IndexInParent()).substr(1));
    std::string path;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        if (!path.empty()) path += kPathSeparator;
        path.append(*it);
    }
    return path;
}

}  // namespace quillet
