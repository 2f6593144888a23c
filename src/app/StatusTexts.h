// The texts the window builds around sizes and counts (its status bar, its label of the
// longest path, the chart's hints, the note on a comparison), in the user's language. The
// numbers come from src/listing, whose own texts stay English for quillet-scan and the saved
// listing. UTF-8, as the listing's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "listing/SizeUnits.h"
#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"
#include "scan/NumberText.h"

namespace quillet {

// A figure in the unit with its name: "1,234.5 kB"; in Count a number of files, "12 files".
std::string SizeShownText(ByteCount value, TSizeUnit unit, const NumberPunctuation& punctuation);

// The folder's total of the chosen kind, as TotalSizeText, with the unit's name translated.
std::string TotalShownText(const TFolderList& list, TDisplayMode mode, TSizeUnit unit,
                           const NumberPunctuation& punctuation);

// "  (45,678.9 kB free)"; empty in bytes and Count.
std::string FreeSpaceSuffix(ByteCount freeBytes, TSizeUnit unit,
                            const NumberPunctuation& punctuation);

// " Files: 1,234" and " Folders: 56", as the status bar shows them.
std::string FilesText(std::int32_t count, const NumberPunctuation& punctuation);
std::string FoldersText(std::int32_t count, const NumberPunctuation& punctuation);

// "Max path: 57" and its hint "Maximum characters in file name is 57 at /the/path"; a path
// longer than twice kMaxPathHintEnd bytes shows only as many at each end, "…" between.
std::string MaxPathCaption(std::int32_t length);
std::string MaxPathHint(std::int32_t length, std::string_view path);

// What the status bar adds to a folder's total: "  (+1,234.5 kB since 8 Dec 2026 10:00)";
// Count gives files. since names the earlier scan; empty, it is left out: "  (+1,234.5 kB)".
std::string GrowthSuffix(ByteCount growth, TSizeUnit unit, const NumberPunctuation& punctuation,
                         std::string_view since);

// What a comparison of the tree under root with earlier, matched by path, says about the
// folders it pairs when they are not the same folder: which folder of the earlier scan the
// tree is compared with, or that it holds none of it. Empty when both scans are of one folder.
std::string ComparisonNote(const EarlierScan& earlier, const TFolderList& root);

}  // namespace quillet
