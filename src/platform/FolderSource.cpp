#include "platform/FolderSource.h"

namespace quillet {

FolderHandle::~FolderHandle() = default;

std::size_t FolderHandle::NextRun(FolderEntry* entries, std::size_t) {
    return Next(entries[0]) ? 1 : 0;
}

FolderSource::~FolderSource() = default;

}  // namespace quillet
