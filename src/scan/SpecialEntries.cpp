#include "scan/SpecialEntries.h"

namespace quillet {

bool IsBackEntry(const TFolderData& node) {
    const TFolderList* list = node.OwnerList();
    return list && list->Parent && !node.Children() && list->IndexOf(&node) == 0;
}

bool IsFreeSpaceEntry(const TFolderData& node) {
    const TFolderList* list = node.OwnerList();
    return list && !list->Parent && !node.Children() && node.Nominal() < 0 &&
           list->IndexOf(&node) == 0;
}

}  // namespace quillet
