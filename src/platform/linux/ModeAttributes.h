// The attribute bits (FileAttributes.h) that a Linux name and file mode mean.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string_view>

#include "platform/FileAttributes.h"

namespace quillet {

// Hidden for a leading ".", read-only without the owner's write bit, system and not regular
// for anything but a file, folder or link.
inline std::uint32_t AttributesOf(std::string_view name, mode_t mode) {
    std::uint32_t attributes = !name.empty() && name.front() == '.' ? kAttributeHidden : 0u;
    if (!(mode & S_IWUSR)) attributes |= kAttributeReadOnly;
    if (S_ISDIR(mode)) attributes |= kAttributeDirectory;
    if (!S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode))
        attributes |= kAttributeSystem | kAttributeNotRegular;
    return attributes;
}

}  // namespace quillet
