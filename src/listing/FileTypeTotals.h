// Files below a folder grouped by type (FileExtension), for the File Types view and
// quillet-scan --types: each type's sizes and number of files. While comparing with an earlier
// scan, the earlier scan's files of the same folder are taken off, so that each type shows how
// it changed, a shrinking one below 0.
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

// The tree's names (and the earlier scan's) must stay as they are while the totals are kept:
// the types are kept as views of them.
class FileTypeTotals {
public:
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
    // In no particular order, without the types that did not change since the earlier scan;
    // the collector is empty afterwards.
    std::vector<TTypeTotal> Take();

private:
    void Count(std::string_view name, ByteCount nominal, ByteCount allocated, int files);

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
    const EarlierScan* Earlier_ = nullptr;
    // The earlier folders being taken off, each with its next entry.
    std::vector<std::pair<EarlierScan::FolderIndex, int>> Open_;
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
