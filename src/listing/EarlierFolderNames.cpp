#include "listing/EarlierFolderNames.h"

#include <utility>

namespace quillet {

EarlierFolderNames::EarlierFolderNames(const EarlierScan& earlier,
                                       EarlierScan::FolderIndex folder) {
    const int count = folder == EarlierScan::kNoFolder ? 0 : earlier.Count(folder);
    const auto size = static_cast<std::size_t>(count);
    First_.reserve(size);
    NextOfName_.assign(size, -1);
    Matched_.assign(size, false);
    for (int i = count - 1; i >= 0; --i) {
        const auto [first, added] = First_.emplace(earlier.Name(folder, i), i);
        if (!added) NextOfName_[static_cast<std::size_t>(i)] = std::exchange(first->second, i);
    }
}

int EarlierFolderNames::Match(std::string_view name) {
    const auto found = First_.find(name);
    if (found == First_.end() || found->second < 0) return -1;
    const int entry = found->second;
    found->second = NextOfName_[static_cast<std::size_t>(entry)];
    Matched_[static_cast<std::size_t>(entry)] = true;
    return entry;
}

}  // namespace quillet
