// When a file counts as sparse where the system has no attribute that says so: what it takes
// on disk falls at least a whole cluster below its size. Less is no hole: a small file that
// btrfs or ext4 keeps inline takes no block of its own. The scan of a disk, an import and the
// reading of an earlier scan all decide by this one rule, so that they count a file alike.
#pragma once

#include <cstdint>

namespace quillet {

constexpr bool CountsAsSparse(std::uint64_t size, std::uint64_t onDiskSize,
                              std::uint64_t clusterSize) {
    return onDiskSize < size && size - onDiskSize >= clusterSize;
}

}  // namespace quillet
