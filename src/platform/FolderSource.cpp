#include "platform/FolderSource.h"

namespace quillet {

FolderHandle::~FolderHandle() = default;
FolderSource::~FolderSource() = default;

}  // namespace quillet
