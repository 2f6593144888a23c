// The user's list of top-level folders to leave out of a scan: section "Directories" of
// Excludes.ini beside the executable, one value per line (the keys are ignored).
//
// The lines become one comma text, lower-cased for A to Z only, and a folder directly in the
// scan root is left out when "=" + its lower-cased name occurs anywhere in that text. A plain
// substring test: a folder "Tem" is left out by a value "Temp".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"

namespace quillet {

std::string ExclusionText(const std::vector<IniValue>& lines);

// Reads folder + "/Excludes.ini" afresh; a missing file or section excludes nothing.
std::string ReadExclusionText(const std::string& folder);

bool IsExcluded(std::string_view exclusionText, std::string_view folderName);

}  // namespace quillet
