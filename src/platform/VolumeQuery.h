// Questions about the volume (mounted file system) that holds a path. The scan asks them once
// before every scan. LinuxVolumeQuery answers them from statvfs and the mount table,
// Win32VolumeQuery from the drive root.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillet {

struct VolumeSpace {
    std::uint32_t ClusterSize = 1;  // bytes per allocation unit
    std::uint64_t FreeBytes = 0;    // all free bytes, not only the caller's share
};

struct VolumeCapabilities {
    bool Compression = false;  // compressed files report their compressed allocation
    bool Sparse = false;       // files can hold holes
};

struct VolumeLocation {
    std::string MountPoint;         // where the volume is mounted, without a trailing "/" (but "/")
    bool PathIsMountPoint = false;  // the asked path is that mount point itself
};

class VolumeQuery {
public:
    virtual ~VolumeQuery();
    virtual std::optional<VolumeSpace> Space(const std::string& path) const = 0;
    virtual std::optional<VolumeCapabilities> Capabilities(const std::string& path) const = 0;
    virtual std::optional<VolumeLocation> Location(const std::string& path) const = 0;
};

}  // namespace quillet
