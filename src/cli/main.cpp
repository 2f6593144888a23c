#include <iostream>

#include "cli/ScanCommand.h"
#include "platform/ExcludesFolder.h"
#include "platform/SharedHeaps.h"
#include "platform/TerminalWidth.h"
#include "platform/linux/LinuxFolderSource.h"
#include "platform/linux/LinuxVolumeQuery.h"
#include "scan/ReadAheadSource.h"

namespace {

// The scanned tree is left to the system at exit: freeing a million nodes one by one costs
// more than building them. A global keeps it reachable, so leak checkers stay quiet.
quillet::TFolderList* ScannedTree = nullptr;

}  // namespace

int main(int argc, char** argv) {
    quillet::ShareHeapsAcrossThreads();
    std::ios::sync_with_stdio(false);
    quillet::ReadAheadSource folders(std::make_unique<quillet::LinuxFolderSource>());
    quillet::LinuxVolumeQuery volumes;
    ScannedTree = new quillet::TFolderList(".");
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quillet::RunScanCommand(
        args, std::cout, std::cerr,
        {folders, volumes, quillet::ExcludesFolder(), *ScannedTree, quillet::StandardErrorColumns});
}
