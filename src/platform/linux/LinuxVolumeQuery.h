// Volume questions on Linux. The mount that holds a path is found by its mount id (statx)
// in the mount table that libmount reads: st_dev alone would not do, since every btrfs
// subvolume has its own.
#pragma once

#include "platform/VolumeQuery.h"

namespace quillet {

class LinuxVolumeQuery final : public VolumeQuery {
public:
    std::optional<VolumeSpace> Space(const std::string& path) const override;
    std::optional<VolumeCapabilities> Capabilities(const std::string& path) const override;
    std::optional<VolumeLocation> Location(const std::string& path) const override;
};

// Capabilities by file-system type name as the mount table spells it ("ext4", "vfat", ...):
// only file systems known to report allocation faithfully in st_blocks have any.
VolumeCapabilities CapabilitiesOfFileSystem(const std::string& type);

// Network and FUSE file systems report a transfer size as their block size, not an
// allocation unit: their files are measured with a cluster size of 1.
bool IsNetworkOrFuse(const std::string& type);

// The type of the file system that holds path, as the mount table spells it; empty when
// the mount table does not show it.
std::string FileSystemType(const std::string& path);

}  // namespace quillet
