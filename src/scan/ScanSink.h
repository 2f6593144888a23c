// What a scan reports as it goes, for a listener that writes the scan out (an export) while
// the tree is built, instead of walking the finished tree a second time. Every folder that
// is entered is opened and closed once, files and left-out folders are reported in between,
// in scan order.
#pragma once

#include <string_view>

#include "platform/FolderSource.h"

namespace quillet {

class ScanSink {
public:
    virtual ~ScanSink() = default;

    // entry is null for the folder at which the scan starts; its name is then its full path
    // without the trailing "/" ("/" itself for the root). readable is false when the folder
    // could not be enumerated.
    virtual void FolderOpened(std::string_view name, const FolderEntry* entry, bool readable) = 0;
    // Every file, with the sizes the file system gives it (whatever the scan counts), also a
    // later link of a hard-linked file, whose sizes the tree counts as 0.
    virtual void FileFound(const FolderEntry& entry) = 0;
    // A folder of the scan root left out by the exclusion list.
    virtual void FolderExcluded(std::string_view name) = 0;
    virtual void FolderClosed() = 0;
};

}  // namespace quillet
