#include "scan/SwitchDependentFiles.h"

#include <utility>

#include "platform/FileAttributes.h"

namespace quillet {

void SwitchDependentFiles::FileFound(const FolderEntry& entry) {
    const std::uint64_t ordinal = Ordinal_++;
    if (!(entry.Attributes & (kAttributeCompressed | kAttributeSparse))) return;
    if (Links_.SeenBefore(entry)) return;
    Files_.push_back(
        {entry.Size, entry.OnDiskSize, static_cast<std::uint32_t>(ordinal), entry.Attributes});
}

std::vector<EarlierScan::SwitchDependentFile> SwitchDependentFiles::Take() {
    Ordinal_ = 0;
    Links_ = {};
    return std::exchange(Files_, {});
}

}  // namespace quillet
