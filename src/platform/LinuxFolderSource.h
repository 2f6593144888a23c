// Folder enumeration on Linux: getdents64 on an open folder, then one statx per entry relative
// to that folder. Symbolic links are never followed, and a scan never leaves the file system
// of its root: a folder that is a mount point (or another device, such as a btrfs subvolume)
// cannot be opened, as with du -x.
#pragma once

#include "platform/FolderSource.h"

namespace quillet {

class LinuxFolderSource final : public FolderSource {
public:
    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;
};

}  // namespace quillet
