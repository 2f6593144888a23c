// The largest files below a folder, for the Largest Files view and quillet-scan --largest: at
// most a given number, largest first, files of one size ordered by their path, so that the
// list is the same on every run. Sizes are of the chosen kind; in Count, where every file
// counts one, files are ranked by their nominal size. While comparing with an earlier scan, a
// file's figure is how much it grew (a new file's, its whole size) and only files that grew
// are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/SizeUnits.h"
#include "listing/SubtreeWalk.h"

namespace quillet {

struct TRankedFile {
    const TFolderData* Node;
    ByteCount Value;   // bytes; RankedUnit says how to show them
    std::string Path;  // relative to the walk's top, as stored
};

// The unit a ranked file's value is shown in: Count ranks by bytes and shows them.
TSizeUnit RankedUnit(TSizeUnit unit);

class LargestFiles {
public:
    // extension, when given, keeps only the files of that type (FileExtension's text).
    LargestFiles(std::size_t limit, TDisplayMode mode, TSizeUnit unit, bool comparing,
                 std::optional<std::string> extension = std::nullopt);

    void Add(const SubtreeWalk::Visit& visit);
    // Largest first; the collector is empty afterwards.
    std::vector<TRankedFile> Take();
    // The files met so far, of the type when one is given, ranked or not.
    std::int64_t Files() const { return Files_; }

private:
    bool Ranks(const SubtreeWalk::Visit& visit, ByteCount value) const;

    std::size_t Limit_;
    TDisplayMode Mode_;
    bool Comparing_;
    std::optional<std::string> Extension_;
    std::int64_t Files_ = 0;
    std::vector<TRankedFile> Heap_;  // the smallest kept file on top
};

// value in the unit RankedUnit gives, three blanks, the path as ShownName shows it.
std::string RankedFileText(ByteCount value, std::string_view path, TSizeUnit unit);

}  // namespace quillet
