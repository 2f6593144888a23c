#include "platform/win32/Win32VolumeQuery.h"

#include <windows.h>

#include "platform/win32/Win32Names.h"

namespace quillet {

VolumeQuery::~VolumeQuery() = default;

std::optional<std::string> DriveRoot(const std::string& path) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() < 3 || !letter(path[0]) || path[1] != ':' || path[2] != '\\')
        return std::nullopt;
    return path.substr(0, 3);
}

std::optional<VolumeSpace> Win32VolumeQuery::Space(const std::string& path) const {
    const auto root = DriveRoot(path);
    if (!root) return std::nullopt;
    const std::wstring wideRoot = WideFromWtf8(*root);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceW(wideRoot.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
        return std::nullopt;
    VolumeSpace space;
    space.ClusterSize = bytesPerSector * sectorsPerCluster;
    if (space.ClusterSize == 0) space.ClusterSize = 1;
    ULARGE_INTEGER totalFree;
    if (GetDiskFreeSpaceExW(wideRoot.c_str(), nullptr, nullptr, &totalFree)) {
        space.FreeBytes = totalFree.QuadPart;
    } else {
        space.FreeBytes = std::uint64_t{space.ClusterSize} * freeClusters;
    }
    if (GetDriveTypeW(wideRoot.c_str()) == DRIVE_REMOTE) space.ClusterSize = 1;
    return space;
}

std::optional<VolumeCapabilities> Win32VolumeQuery::Capabilities(const std::string& path) const {
    const auto root = DriveRoot(path);
    if (!root) return std::nullopt;
    DWORD longestName = 0, flags = 0;
    if (!GetVolumeInformationW(WideFromWtf8(*root).c_str(), nullptr, 0, nullptr, &longestName,
                               &flags, nullptr, 0))
        return std::nullopt;
    return VolumeCapabilities{(flags & FILE_FILE_COMPRESSION) != 0,
                              (flags & FILE_SUPPORTS_SPARSE_FILES) != 0};
}

std::optional<VolumeLocation> Win32VolumeQuery::Location(const std::string& path) const {
    const auto root = DriveRoot(path);
    if (!root) return std::nullopt;
    return VolumeLocation{*root, path.size() == 3};
}

}  // namespace quillet
