// Attribute bits of a folder entry. The values are those of the Windows file attributes, so a
// second backend can pass its own through unchanged and the properties dialog shows the same
// boxes on every platform.
#pragma once

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <string_view>

namespace quillet {

enum FileAttribute : std::uint32_t {
    kAttributeReadOnly = 0x1,
    kAttributeHidden = 0x2,
    kAttributeSystem = 0x4,
    kAttributeDirectory = 0x10,
    kAttributeArchive = 0x20,
    kAttributeSparse = 0x200,
    // A folder on which another file system is mounted, which a scan counts but does not
    // enter; the value is that of a Windows reparse point, which a mounted folder is there.
    kAttributeMountPoint = 0x400,
    kAttributeCompressed = 0x800,
};

#ifndef _WIN32
// The attributes that a name and a file mode (st_mode) give: hidden for a leading ".",
// read-only without the owner's write bit, system for anything but a file, folder or link.
inline std::uint32_t AttributesOf(std::string_view name, mode_t mode) {
    std::uint32_t attributes = !name.empty() && name.front() == '.' ? kAttributeHidden : 0u;
    if (!(mode & S_IWUSR)) attributes |= kAttributeReadOnly;
    if (S_ISDIR(mode)) attributes |= kAttributeDirectory;
    if (!S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode)) attributes |= kAttributeSystem;
    return attributes;
}
#endif

}  // namespace quillet
