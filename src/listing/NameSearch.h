// The files and folders below a folder whose names match a pattern (NamePattern), for Find and
// quillet-scan --find: largest first by the chosen kind (in Count, by the files each holds),
// entries of one size in the order the walk met them.
#pragma once

#include <string>
#include <vector>

#include "listing/NamePattern.h"
#include "listing/SizeUnits.h"
#include "listing/SubtreeWalk.h"

namespace quillet {

class NameSearch {
public:
    explicit NameSearch(NamePattern pattern) : Pattern_(std::move(pattern)) {}

    void Add(const SubtreeWalk::Visit& visit);
    // Largest first; the search is empty afterwards.
    std::vector<const TFolderData*> Take(TDisplayMode mode, TSizeUnit unit);

private:
    NamePattern Pattern_;
    std::vector<const TFolderData*> Matches_;
};

// A node's path relative to top, which holds it, as stored; a folder's without a trailing
// separator.
std::string RelativePath(const TFolderData& node, const TFolderList& top);

}  // namespace quillet
