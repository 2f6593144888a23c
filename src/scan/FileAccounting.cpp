#include "scan/FileAccounting.h"

#include "platform/FileAttributes.h"
#include "scan/ClusterRounding.h"

namespace quillet {

TCountedSizes CountedSizes(const FolderEntry& entry, const TScanOptions& options) {
    double size = static_cast<double>(entry.Size);
    if (options.AllocationFromSource) return {size, static_cast<double>(entry.OnDiskSize)};
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
