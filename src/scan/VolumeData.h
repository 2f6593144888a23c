// What a scan needs to know about the volume that holds its folder, asked afresh before every
// scan, and what follows from it: the free-space entry of a volume's root and the text of the
// small indicator that says how compressed and sparse files are counted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/VolumeQuery.h"
#include "scan/FileInfo.h"

namespace quillet {

struct TVolumeData {
    std::int32_t ClusterSize = 1;  // 1 when the volume cannot be asked
    ByteCount FreeSpace = 0;       // 0 when the volume cannot be asked
    bool CompressionSupported = false;
    bool SparseSupported = false;
    std::string MountPoint;  // without trailing "/" (but "/"); empty when unknown
    bool ScanPathIsMountPoint = false;
};

TVolumeData ReadVolumeData(const VolumeQuery& query, const std::string& scanPath);

// "(" + mount point + " free space)", e.g. "(/home free space)".
std::string FreeSpaceEntryName(const std::string& mountPoint);

// The compressed and sparse settings: 0 not available, 1 on-disk size, 2 nominal size.
constexpr bool OnDiskSwitch(std::uint8_t setting) {
    return setting == 1;
}

// Adds the free-space entry to the freshly reset root list when the scan starts at a mount
// point, the switch is on and there is free space. A volume shown with its free space counts
// compressed and sparse files at their on-disk size, so each available setting becomes 1.
// True when the entry was added.
bool AddFreeSpaceEntry(TFolderList& root, const TVolumeData& volume, bool freeSpaceSwitch,
                       std::uint8_t& displayCompressed, std::uint8_t& displaySparse);

// What every scan does before it starts: reset the root list to the scan path (freeing the
// previous tree), add the free-space entry where it belongs, and give the options that follow
// from the volume and the settings. The caller adds its cancel flag, progress and pump.
TScanOptions PrepareScan(TFolderList& root, const std::string& scanPath, const TVolumeData& volume,
                         std::string_view exclusionText, bool freeSpaceSwitch,
                         std::uint8_t& displayCompressed, std::uint8_t& displaySparse);

struct TSizeIndicator {
    bool Visible = false;
    std::string Caption;                      // always ends in one blank
    std::string Hint;                         // sentences separated by a carriage return
    std::optional<std::uint32_t> FontColour;  // 0x00BBGGRR; unset leaves the colour as it was
};

TSizeIndicator SizeAccountingIndicator(const TVolumeData& volume, bool compressedSwitch,
                                       bool sparseSwitch);

}  // namespace quillet
