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

// Capabilities by file-system type name as the mount table spells it ("ext4", "vfat", ...).
VolumeCapabilities CapabilitiesOfFileSystem(const std::string& type);

}  // namespace quillet
