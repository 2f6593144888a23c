// Files below a folder grouped by type (FileExtension), for the File Types view and
// quillet-scan --types: each type's sizes and number of files. While comparing with an earlier
// scan, the earlier scan's files of the same folder are taken off, so that each type shows how
// it changed, a shrinking one below 0.
//
// A folder can hold as many types as files, and the window must not keep more than a few
// bytes a file for its views, so the counting can be bounded. The table of types then never
// grows past its share of bytes: a pass over the files counts only the types whose hash falls
// in a range, narrowed whenever the table would grow past its share, and the next pass takes
// the types past it. Only the largest types are kept as rows; the others are summed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "listing/SizeUnits.h"
#include "listing/SubtreeWalk.h"
#include "scan/EarlierScan.h"

namespace quillet {

struct TTypeTotal {
    std::string Extension;  // empty for the files without one
    ByteCount Nominal = 0;
    ByteCount Allocated = 0;
    std::int64_t Files = 0;
};

struct TTypeLimits {
    std::size_t Rows = SIZE_MAX;        // the types kept, the largest of the chosen kind
    std::size_t TableBytes = SIZE_MAX;  // what the types being counted may take at once
};

// The tree's names (and the earlier scan's) must stay as they are while the totals are kept:
// the types are kept as views of them.
class FileTypeTotals {
public:
    // The types are ranked by the figure of mode and unit (while comparing, by the size of
    // the change, growth or loss), for the rows kept.
    FileTypeTotals(TDisplayMode mode, TSizeUnit unit, TTypeLimits limits = {});

    void Add(const SubtreeWalk::Visit& visit);
    // Takes off every file of the earlier scan below its folder that stands for top.
    void Subtract(const EarlierScan& earlier, const TFolderList& top) {
        BeginSubtract(earlier, top);
        while (SubtractStep(SIZE_MAX)) {
        }
    }
    // The same a slice at a time, for the window: up to budget earlier entries per step; false
    // once all are taken off. The earlier scan must stay as it is until then.
    void BeginSubtract(const EarlierScan& earlier, const TFolderList& top);
    bool SubtractStep(std::size_t budget);
    // Ends a pass over every file below the folder (and the earlier scan's, while comparing):
    // true when some types are still to be counted by another pass over the same files.
    bool EndPass();

    // The rows kept, in no particular order, without the types that did not change since the
    // earlier scan; the collector is empty afterwards.
    std::vector<TTypeTotal> Take();
    // Every type found that changed, kept or not.
    std::int64_t TypeCount() const { return TypeCount_; }
    // The sums of the types found but not kept.
    const TTypeTotal& Others() const { return Others_; }

private:
    void Count(std::string_view name, ByteCount nominal, ByteCount allocated, int files);
    // Halves the range counted in this pass, dropping the types past it.
    void Narrow();
    void Keep(TTypeTotal type);
    // Larger (the size of a change, while comparing), or as large and first by extension.
    bool Before(const TTypeTotal& a, const TTypeTotal& b) const;

    struct Sizes {
        ByteCount Nominal = 0;
        ByteCount Allocated = 0;
        std::int64_t Files = 0;
    };
    // Extensions that differ only in the case of A to Z are one type.
    struct CaseHash {
        std::size_t operator()(std::string_view text) const;
    };
    struct CaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::unordered_map<std::string_view, Sizes, CaseHash, CaseEqual> Types_;
    std::size_t TableTypes_;  // what the table may hold
    // The hashes of the types this pass counts, both ends included.
    std::uint64_t First_ = 0;
    std::uint64_t Last_ = UINT64_MAX;
    const EarlierScan* Earlier_ = nullptr;
    // The earlier folders being taken off, each with its next entry.
    std::vector<std::pair<EarlierScan::FolderIndex, int>> Open_;

    TDisplayMode Mode_;
    TSizeUnit Unit_;
    std::size_t RowLimit_;
    std::vector<TTypeTotal> Kept_;  // a heap, the last kept on top
    std::int64_t TypeCount_ = 0;
    TTypeTotal Others_;
};

// The type's figure of the chosen kind, or its files in Count.
ByteCount TypeValue(const TTypeTotal& type, TDisplayMode mode, TSizeUnit unit);

// Largest first (while comparing, the largest growth first and the largest loss last), then by
// extension.
void SortTypes(std::vector<TTypeTotal>& types, TDisplayMode mode, TSizeUnit unit);

// The value, three blanks, the number of files, three blanks, the extension as ShownName shows
// it or kNoExtensionText: "  1.5   12   jpg".
std::string TypeText(const TTypeTotal& type, TDisplayMode mode, TSizeUnit unit);

}  // namespace quillet
