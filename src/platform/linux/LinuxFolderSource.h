// Folder enumeration on Linux: getdents64 on an open folder, then one statx per entry relative
// to that folder. Symbolic links are never followed, and a scan never leaves the file system
// of its root: a folder that is a mount point (or another device, such as a btrfs subvolume)
// cannot be opened, as with du -x. The device is checked on the open folder itself, since a
// file system may be mounted on it after it was listed.
//
// Different handles of one scan may be used on different threads (each on one thread at a
// time), so that a ReadAheadSource can open folders ahead of the scan.
#pragma once

#include "platform/FolderSource.h"

namespace quillet {

// The names of a long folder are stat'ed by two threads at once, the caller's and a helper
// that the scan starts; the entries still come out in listing order, on the caller's thread.
class LinuxFolderSource final : public FolderSource {
public:
    enum class Threads { Two, One };
    // maxOpenFolders: descriptors a scan may hold, one per open level; 0 for as many as the
    // system grants. Deeper levels share what is left, so the result is the same.
    explicit LinuxFolderSource(Threads threads = Threads::Two, int maxOpenFolders = 0)
        : ShareStats_(threads == Threads::Two), MaxOpenFolders_(maxOpenFolders) {}

    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;
    int OpenHandleBudget() override;
    // Sub-folders are opened relative to their parent's descriptor, whatever their path's length.
    bool NeedsChildPaths() const override { return false; }

private:
    bool ShareStats_;
    int MaxOpenFolders_;
};

}  // namespace quillet
