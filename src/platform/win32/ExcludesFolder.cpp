#include "platform/ExcludesFolder.h"
#include "platform/ExecutableFolder.h"

namespace quillet {

// On Windows the file lives beside the executable only: a program installed there owns its
// folder, and the window's per-user settings are in the registry.
std::string ExcludesFolder() {
    return ExecutableFolder();
}

}  // namespace quillet
