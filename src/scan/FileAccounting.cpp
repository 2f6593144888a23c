#include "scan/FileAccounting.h"

#include <algorithm>

#include "platform/FileAttributes.h"
#include "scan/ClusterRounding.h"

namespace quillet {

TCountedSizes CountedSizes(const FolderEntry& entry, const TScanOptions& options) {
    ByteCount size = ToByteCount(entry.Size);
    // An export holds what the scan that wrote it counted: a file that takes less than its
    // size on disk (which the import marks sparse) counts what it takes. A scan never counts
    // an allocation below the size it counts, so neither does an import: slack is never
    // below 0.
    if (options.AllocationFromSource) {
        const ByteCount onDisk = ToByteCount(entry.OnDiskSize);
        if (entry.Attributes & (kAttributeSparse | kAttributeCompressed)) size = onDisk;
        return {size, std::max(onDisk, size)};
    }
    const bool onDisk = (options.CompressedSwitch && (entry.Attributes & kAttributeCompressed)) ||
                        (options.SparseSwitch && (entry.Attributes & kAttributeSparse));
    if (onDisk) size = ToByteCount(entry.OnDiskSize);
    return {size, RoundToClusters(size, options.ClusterSize)};
}

std::uint64_t AllocatedBytes(const FolderEntry& entry, std::int32_t clusterSize) {
    const bool onDisk = entry.Attributes & (kAttributeSparse | kAttributeCompressed);
    const std::uint64_t size = onDisk ? entry.OnDiskSize : entry.Size;
    const auto cluster = static_cast<std::uint64_t>(clusterSize);
    return size % cluster == 0 ? size : size + (cluster - size % cluster);
}

bool LinkedFiles::SeenBefore(const FolderEntry& entry) {
    if (entry.Links <= 1) return false;
    return !Seen_.insert(FileId{entry.Device, entry.Inode}).second;
}

}  // namespace quillet
