#include "scan/FileAccounting.h"

#include <algorithm>

#include "platform/FileAttributes.h"
#include "scan/ClusterRounding.h"

namespace quillet {

TCountedSizes CountedSizes(const FolderEntry& entry, const TScanOptions& options) {
    double size = static_cast<double>(entry.Size);
    // A sparse or compressed file takes less on disk than its nominal size, and ncdu and gdu
    // write what it takes. A scan never counts an allocation below the size it counts, so
    // neither does an import: slack is never below 0.
    if (options.AllocationFromSource)
        return {size, std::max(static_cast<double>(entry.OnDiskSize), size)};
    const bool onDisk = (options.CompressedSwitch && (entry.Attributes & kAttributeCompressed)) ||
                        (options.SparseSwitch && (entry.Attributes & kAttributeSparse));
    if (onDisk) size = static_cast<double>(entry.OnDiskSize);
    return {size, RoundToClusters(size, options.ClusterSize)};
}

bool LinkedFiles::SeenBefore(const FolderEntry& entry) {
    if (entry.Links <= 1) return false;
    return !Seen_.insert(FileId{entry.Device, entry.Inode}).second;
}

}  // namespace quillet
