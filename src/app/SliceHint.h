// What a slice of the main window's chart says when the mouse rests on it: the entry's whole
// name (its label may be cut short, or missing on a narrow slice), its size, its share of the
// shown folder and, for a folder, what it holds.
#pragma once

#include <string>

#include "listing/SizeUnits.h"

namespace quillet {

// Lines of plain text; empty for the back entry, which has no slice to tell about.
std::string SliceHint(const TFolderData& node, TDisplayMode mode, TSizeUnit unit,
                      const NumberPunctuation& punctuation);

}  // namespace quillet
