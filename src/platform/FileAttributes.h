// Attribute bits of a folder entry, the same on every system. The values are those of the
// Windows file attributes, so the Windows backend passes its own through unchanged and the
// properties dialog shows the same boxes everywhere; other systems set the bits that mean the
// same to their users (see linux/ModeAttributes.h).
#pragma once

#include <cstdint>

namespace quillet {

enum FileAttribute : std::uint32_t {
    kAttributeReadOnly = 0x1,
    kAttributeHidden = 0x2,
    // A file the system itself uses: on Windows its own attribute, on Linux anything that is
    // neither a file, a folder nor a link (a named pipe, a socket, a device).
    kAttributeSystem = 0x4,
    kAttributeDirectory = 0x10,
    kAttributeArchive = 0x20,
    kAttributeSparse = 0x200,
    // A folder on which another file system is mounted, which a scan counts but does not
    // enter; the value is that of a Windows reparse point, which a mounted folder is there.
    kAttributeMountPoint = 0x400,
    kAttributeCompressed = 0x800,
    // Neither a file, a folder nor a link, so its size says nothing of its contents (what an
    // ncdu export calls "notreg"). No Windows attribute has this bit.
    kAttributeNotRegular = 0x80000000,
};

}  // namespace quillet
