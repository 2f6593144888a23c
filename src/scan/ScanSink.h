// What a scan reports as it goes: to the tree it builds, and to a listener that writes the scan
// out (an export) as it goes, with a tree beside it or none. Every folder that is entered is
// opened and closed once, files and left-out folders are reported in between, in scan order.
#pragma once

#include <string_view>

#include "platform/FolderSource.h"

namespace quillet {

class ScanSink {
public:
    virtual ~ScanSink() = default;

    // entry is null for the folder at which the scan starts; its name is then its full path
    // without the trailing "/" ("/" itself for the root). handle is the folder's, open for the
    // walk, for its hints only; null when the folder could not be enumerated.
    virtual void FolderOpened(std::string_view name, const FolderEntry* entry,
                              const FolderHandle* handle) = 0;
    // Every file, with the sizes the file system gives it (whatever the scan counts), also a
    // later link of a hard-linked file, whose sizes a tree counts as 0.
    virtual void FileFound(const FolderEntry& entry) = 0;
    // A folder of the scan root left out by the exclusion list.
    virtual void FolderExcluded(std::string_view name) = 0;
    virtual void FolderClosed() = 0;
};

}  // namespace quillet
