// The two entries of a list that stand for no file: the back entry ".." that begins every list
// below the root, and the free-space entry that begins a volume root's list. Both names are
// also legal file paths ("(/mnt/x free space)" is a file below a folder "("), so these entries
// are told by their place in the tree and their figures, never by their names.
#pragma once

#include "scan/FileInfo.h"

namespace quillet {

// The first entry of a list that has a parent: no file, no folder, no size.
bool IsBackEntry(const TFolderData& node);

// The first entry of the root list, when its size is negative: no file on disk has one.
bool IsFreeSpaceEntry(const TFolderData& node);

}  // namespace quillet
