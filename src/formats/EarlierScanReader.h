// An earlier scan read from an export, to compare a new scan with: only the names and sizes of
// its entries are kept (EarlierScan), never a tree.
#pragma once

#include <istream>
#include <string>

#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"

namespace quillet {

// Reads an export (ours, ncdu's or gdu's) as the scan with options would have counted its
// files, with that scan's exclusions at the root, message pump and cancel flag.
// shownFileName names the file in errors. The error is empty on success; a cancelled reading
// gives an empty scan and no error.
struct TEarlierScanReading {
    EarlierScan Scan;
    std::string Error;
};
TEarlierScanReading ReadEarlierScan(std::istream& in, const std::string& shownFileName,
                                    const TScanOptions& options);

}  // namespace quillet
