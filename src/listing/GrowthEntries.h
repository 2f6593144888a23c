// A folder's entries as changes since an earlier scan, for the chart, the list and
// quillet-scan --since: each entry of the folder whose size (of the chosen kind, in the chosen
// unit) changed, by how much; an entry that is new counts its whole size, one that is gone its
// earlier size negated, an unchanged one is left out. Entries are matched by name.
#pragma once

#include <string>
#include <string_view>

#include "listing/ChartEntries.h"
#include "listing/SizeUnits.h"
#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"
#include "scan/NumberText.h"

namespace quillet {

// Entry texts as EntryText builds them, with the change as the number. An entry of the list
// carries its node; a gone entry carries none, so nothing can act on it. The back entry is
// kept, at 0, as the way up; the free-space entry is no entry of the folder and is left out.
TStringListWithDouble GrowthEntries(const TFolderList& list, const EarlierScan& earlier,
                                    TDisplayMode mode, TSizeUnit unit);

// How much the whole folder changed: bytes of the chosen kind, or files in Count.
ByteCount FolderGrowth(const TFolderList& list, const EarlierScan& earlier, TDisplayMode mode,
                       TSizeUnit unit);

}  // namespace quillet
