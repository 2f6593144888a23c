// Attribute bits of a folder entry. The values are those of the Windows file attributes, so a
// second backend can pass its own through unchanged and the properties dialog shows the same
// boxes on every platform.
#pragma once

#include <cstdint>

namespace quillet {

enum FileAttribute : std::uint32_t {
    kAttributeReadOnly = 0x1,
    kAttributeHidden = 0x2,
    kAttributeSystem = 0x4,
    kAttributeDirectory = 0x10,
    kAttributeArchive = 0x20,
    kAttributeSparse = 0x200,
    kAttributeCompressed = 0x800,
};

}  // namespace quillet
