// quillet-scan: the scan engine from the command line. Scans a folder as the window would
// and prints the rows the window would list for it, largest first, one per line.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/FolderSource.h"
#include "platform/VolumeQuery.h"
#include "scan/FileInfo.h"

namespace quillet {

struct ScanCommandSystem {
    FolderSource& Folders;
    const VolumeQuery& Volumes;
    std::string ExcludesFolder;  // where Excludes.ini is looked for
    // Receives the tree of a scan that prints rows (an export builds none); the caller decides
    // when to free it.
    TFolderList& Root;
    // Standard error's width when it is a terminal, which then shows the scan's progress; 0,
    // or none, when it is not.
    std::function<int()> ErrColumns = nullptr;
};

// args excludes the program name. Returns the exit status: 0, or 2 for bad arguments or a
// folder that cannot be scanned (with the reason on err).
int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   ScanCommandSystem system);

}  // namespace quillet
