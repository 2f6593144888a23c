// Volume questions on Windows, asked of the drive root that begins the path ("C:\"): cluster
// size from GetDiskFreeSpaceW (1 on a network drive, where it is no allocation unit), all
// free bytes from GetDiskFreeSpaceExW, and the compression and sparse-file flags from
// GetVolumeInformationW. A path without a drive root (a network path) has no volume data.
#pragma once

#include <optional>
#include <string>

#include "platform/VolumeQuery.h"

namespace quillet {

class Win32VolumeQuery final : public VolumeQuery {
public:
    std::optional<VolumeSpace> Space(const std::string& path) const override;
    std::optional<VolumeCapabilities> Capabilities(const std::string& path) const override;
    std::optional<VolumeLocation> Location(const std::string& path) const override;
};

// "X:\" when path begins with a drive letter, a colon and a backslash.
std::optional<std::string> DriveRoot(const std::string& path);

}  // namespace quillet
