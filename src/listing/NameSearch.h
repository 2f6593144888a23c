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
    explicit NameSearch(NamePattern pattern) : Pattern_(std::move(pattern)) {}
    // Keeps only the limit largest matches by the chosen kind, for the window: a pattern that
    // matches millions of entries lists a readable number of them, and Total says how much
    // they all take.
    NameSearch(NamePattern pattern, TDisplayMode mode, TSizeUnit unit, std::size_t limit);

    void Add(const SubtreeWalk::Visit& visit);
    // Largest first; the search is empty afterwards. A search that keeps a limit ranks by its
    // own kind and unit.
    std::vector<const TFolderData*> Take(TDisplayMode mode, TSizeUnit unit);

    // Every match so far, kept or not.
    std::int64_t Matches() const { return Matches_; }
    // Of a search that keeps a limit: what every match so far takes, each byte once (a match
    // inside a matched folder adds nothing more).
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
    std::vector<const TFolderData*> Found_;  // every match, when no limit is kept
    std::int64_t Matches_ = 0;
    bool Bounded_ = false;
    std::size_t Limit_ = 0;
    TDisplayMode Mode_ = TDisplayMode::dmAllocated;
    TSizeUnit Unit_ = TSizeUnit::suBytes;
    std::vector<Kept> Heap_;  // the smallest kept match on top
    ByteCount Total_ = 0;
    // The outermost matched folder the walk is in, as its entries' FolderPath begins.
    std::string MatchedFolder_;
};

// A node's path relative to top, which holds it, as stored; a folder's without a trailing
// separator.
std::string RelativePath(const TFolderData& node, const TFolderList& top);

}  // namespace quillet
