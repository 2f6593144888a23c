// The user's list of top-level folders to leave out of a scan: section "Directories" of
// Excludes.ini beside the executable, one value per line (the keys are ignored).
//
// The lines become one comma text, lower-cased for A to Z only, and a folder directly in the
// scan root is left out when "=" + its lower-cased name occurs anywhere in that text. A plain
// substring test: a folder "Tem" is left out by a value "Temp".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "scan/IniFile.h"

namespace quillet {

std::string ExclusionText(const std::vector<IniValue>& lines);

// Reads folder + "/Excludes.ini" afresh; a missing file or section excludes nothing.
std::string ReadExclusionText(const std::string& folder);

// The matching rule, prepared once per scan: what follows each "=" of the text is sorted, so
// that each folder costs a binary search instead of a pass over the whole text.
class ExclusionList {
public:
    explicit ExclusionList(std::string_view exclusionText);

    bool Excludes(std::string_view folderName) const;

private:
    std::string_view Following(std::size_t start) const;

    std::string Text_;
    std::vector<std::size_t> Starts_;  // offsets just past each "=", sorted by what follows
};

}  // namespace quillet
