// One folder of an earlier scan by name, for matching a folder's entries with its entries. A
// hand-made export may name an entry twice in one folder, and its import then lists both: the
// n-th entry of a name is matched with the n-th earlier one, so that a scan compared with
// itself shows no change.
#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

#include "scan/EarlierScan.h"

namespace quillet {

class EarlierFolderNames {
public:
    // folder may be kNoFolder: a folder the earlier scan did not have, where nothing matches.
    EarlierFolderNames(const EarlierScan& earlier, EarlierScan::FolderIndex folder);

    // The earlier entry matched with the next entry of that name; -1 when none is left.
    int Match(std::string_view name);
    // How many entries the earlier folder has, and whether entry i of them was matched.
    int Count() const { return static_cast<int>(Matched_.size()); }
    bool Matched(int entry) const { return Matched_[static_cast<std::size_t>(entry)]; }

private:
    // Each name leads to its first entry not yet matched, each entry to the next of its name.
    std::unordered_map<std::string_view, int> First_;
    std::vector<int> NextOfName_;
    std::vector<bool> Matched_;
};

}  // namespace quillet
