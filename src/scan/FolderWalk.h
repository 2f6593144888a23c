// The walk under every scan: depth first, in the order the file system lists entries, with an
// explicit stack instead of recursion so that no depth of folders can overflow the call stack.
// It holds only the handles of the open folders and the path of the one being read; what is
// made of the entries is up to the sink it tells: the tree of TFolderList::Scan, or an export
// written as the walk goes, which then needs no tree at all.
#pragma once

#include <string>

#include "platform/FolderSource.h"
#include "scan/FileInfo.h"

namespace quillet {

// Walks the folder at rootPath (a full path ending in the separator) and everything beneath
// it, and tells options.Sink, which must be set, of every folder and file in scan order. Of the
// other options it heeds the cancel flag, the exclusions, Progress and ProcessMessages: what a
// file counts for is the sink's business.
void WalkFolders(FolderSource& source, const std::string& rootPath, const TScanOptions& options);

}  // namespace quillet
