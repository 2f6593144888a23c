// The main window's settings, with their defaults. The settings store keeps them between runs
// and the options dialog edits them; everything else only reads them.
#pragma once

#include <cstdint>

#include "listing/SizeUnits.h"

namespace quillet {

struct TMainSettings {
    TDisplayMode DisplayMode = TDisplayMode::dmAllocated;
    TSizeUnit DisplayUnits = TSizeUnit::suKB;
    std::uint8_t DisplayCompressed = 1;  // 0 not available, 1 on-disk size, 2 nominal size
    std::uint8_t DisplaySparse = 1;
    bool RightClickFolder = true;
    bool DisplayFreeDiskSpace = true;
    bool RepeatedScan = false;
    int RepeatInterval = 10;            // minutes
    bool CompareRepeatedScans = false;  // each timed scan shows what changed since the last
};

}  // namespace quillet
