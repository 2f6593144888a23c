// What one WIN32_FIND_DATAW says of its entry, read the same way by the scan and by the
// properties: a symbolic link to a folder is a file of its own, as on Linux, while a junction
// or a volume mount point is a folder that leads elsewhere and is not entered.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

struct FoundEntry {
    bool IsFolder = false;
    bool Enterable = false;        // a folder that is no link of any kind
    std::uint32_t Attributes = 0;  // FileAttribute bits
    std::uint64_t Size = 0;
};

FoundEntry ReadFoundEntry(const WIN32_FIND_DATAW& data);

// A search of every entry of folder (with or without its final separator), its first result
// in first; INVALID_HANDLE_VALUE with the system's error when there is none.
HANDLE SearchFolder(const std::string& folder, WIN32_FIND_DATAW& first);

// The bytes the entry folder + name holds on disk: asked of the system for a compressed or
// sparse file (its size when the system does not say), its size for any other, so the path is
// only built for the few that need it. A scan rounds it up to clusters.
std::uint64_t AllocatedSize(const FoundEntry& entry, std::string_view folder,
                            std::string_view name);

}  // namespace quillet
