#include "scan/VolumeData.h"

#include "platform/PathSeparator.h"

namespace quillet {

TVolumeData ReadVolumeData(const VolumeQuery& query, const std::string& scanPath) {
    TVolumeData volume;
    if (const auto space = query.Space(scanPath)) {
        volume.ClusterSize = static_cast<std::int32_t>(space->ClusterSize);
        if (volume.ClusterSize < 1) volume.ClusterSize = 1;
        volume.FreeSpace = ToByteCount(space->FreeBytes);
    }
    if (const auto caps = query.Capabilities(scanPath)) {
        volume.CompressionSupported = caps->Compression;
        volume.SparseSupported = caps->Sparse;
    }
    if (const auto location = query.Location(scanPath)) {
        volume.MountPoint = location->MountPoint;
        volume.ScanPathIsMountPoint = location->PathIsMountPoint;
    }
    return volume;
}

std::string FreeSpaceEntryName(const std::string& mountPoint) {
    std::string name = mountPoint;
    while (name.size() > 1 && name.back() == kPathSeparator)
        name.pop_back();
    return "(" + name + " free space)";
}

bool AddFreeSpaceEntry(TFolderList& root, const TVolumeData& volume, bool freeSpaceSwitch,
                       std::uint8_t& displayCompressed, std::uint8_t& displaySparse) {
    if (!volume.ScanPathIsMountPoint || !freeSpaceSwitch || volume.FreeSpace == 0) return false;
    root.AddFile(FreeSpaceEntryName(volume.MountPoint), -volume.FreeSpace, -volume.FreeSpace);
    if (displayCompressed != 0) displayCompressed = 1;
    if (displaySparse != 0) displaySparse = 1;
    return true;
}

TScanOptions PrepareScan(TFolderList& root, const std::string& scanPath, const TVolumeData& volume,
                         std::string_view exclusionText, bool freeSpaceSwitch,
                         std::uint8_t& displayCompressed, std::uint8_t& displaySparse) {
    root.ResetTo(scanPath);
    AddFreeSpaceEntry(root, volume, freeSpaceSwitch, displayCompressed, displaySparse);
    TScanOptions options;
    options.ClusterSize = volume.ClusterSize;
    options.ExclusionText = exclusionText;
    // Read after the free-space entry, which may have changed them.
    options.CompressedSwitch = OnDiskSwitch(displayCompressed);
    options.SparseSwitch = OnDiskSwitch(displaySparse);
    return options;
}

TSizeIndicator SizeAccountingIndicator(const TVolumeData& volume, bool compressedSwitch,
                                       bool sparseSwitch) {
    TSizeIndicator indicator;
    indicator.Visible = volume.CompressionSupported || volume.SparseSupported;
    std::string text;
    if (volume.CompressionSupported) {
        if (compressedSwitch) {
            text = "Compressed,";
            indicator.FontColour = 0x00FF0000;
            indicator.Hint = "\"Compressed\" sizes are the actual on-disk file size.";
        } else {
            text = "Uncompressed,";
            indicator.FontColour = 0x00000000;
            indicator.Hint =
                "\"Uncompressed\" sizes are the nominal space occupied if not compressed.";
        }
    }
    if (volume.SparseSupported) {
        if (sparseSwitch) {
            text += " sparse";
            indicator.Hint += "\r\"Sparse\" sizes are the actual on-disk file size.";
        } else {
            text += " non-sparse";
            indicator.Hint +=
                "\r\"Non-sparse\" sizes are the nominal space occupied if not sparse.";
        }
    }
    indicator.Caption = text + " ";
    return indicator;
}

}  // namespace quillet
