#include "listing/NameSearch.h"

#include <algorithm>

#include "platform/PathSeparator.h"

namespace quillet {

void NameSearch::Add(const SubtreeWalk::Visit& visit) {
    if (Pattern_.Matches(visit.Name)) Matches_.push_back(visit.Node);
}

std::vector<const TFolderData*> NameSearch::Take(TDisplayMode mode, TSizeUnit unit) {
    std::stable_sort(Matches_.begin(), Matches_.end(),
                     [&](const TFolderData* a, const TFolderData* b) {
                         return EntryValue(*a, mode, unit) > EntryValue(*b, mode, unit);
                     });
    return std::move(Matches_);
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
