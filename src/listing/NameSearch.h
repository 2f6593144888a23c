// The files and folders below a folder whose names match a pattern (NamePattern), for Find and
// quillet-scan --find: largest first by the chosen kind (in Count, by the files each holds),
// entries of one size in the order the walk met them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "listing/NamePattern.h"
#include "listing/SizeUnits.h"
#include "listing/SubtreeWalk.h"

namespace quillet {

class NameSearch {
public:
    // Matches are ranked by the chosen kind and unit. Only the limit largest are kept: the
    // window lists a readable number of a pattern that matches millions of entries, and
    // Total says how much they all take.
    NameSearch(NamePattern pattern, TDisplayMode mode, TSizeUnit unit,
               std::size_t limit = SIZE_MAX);

    void Add(const SubtreeWalk::Visit& visit);
    // The kept matches, largest first; the search is empty afterwards.
    std::vector<const TFolderData*> Take();

    // Every match so far, kept or not.
    std::int64_t Matches() const { return Matches_; }
    // What every match so far takes, each byte once (a match inside a matched folder adds
    // nothing more).
    ByteCount Total() const { return Total_; }

private:
    struct Kept {
        ByteCount Value;
        std::int64_t Order;  // of the walk, for entries of one size
        const TFolderData* Node;
    };
    // Larger, or as large and met first.
    static bool Before(const Kept& a, const Kept& b);
    void Keep(const SubtreeWalk::Visit& visit);

    NamePattern Pattern_;
    std::int64_t Matches_ = 0;
    std::size_t Limit_;
    TDisplayMode Mode_;
    TSizeUnit Unit_;
    std::vector<Kept> Heap_;  // the smallest kept match on top
    ByteCount Total_ = 0;
    // The outermost matched folder the walk is in, as its entries' FolderPath begins.
    std::string MatchedFolder_;
};

// A node's path relative to top, which holds it, as stored; a folder's without a trailing
// separator.
std::string RelativePath(const TFolderData& node, const TFolderList& top);

}  // namespace quillet
