// The export that quillet-scan --export writes of a folder on disk, stamped with timestamp:
// the earlier scan that a comparison reads. Header only: it needs the scan library, which the
// tests that use it link and the support library does not.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "formats/NcduExport.h"
#include "platform/linux/LinuxFolderSource.h"
#include "scan/FileInfo.h"

namespace quillet::test {

inline std::string ExportedScan(const std::string& folder, std::int64_t timestamp) {
    std::ostringstream exported;
    NcduExportWriter writer(exported, "quillet-scan", "1.0", timestamp, 4096);
    LinuxFolderSource disk;
    TFolderList scanned(folder + "/");
    TScanOptions options;
    options.Sink = &writer;
    scanned.Scan(disk, options);
    return writer.Finish() ? exported.str() : std::string();
}

}  // namespace quillet::test
