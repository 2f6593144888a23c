#include <iostream>

#include "cli/ScanCommand.h"
#include "platform/ExecutableFolder.h"
#include "platform/LinuxFolderSource.h"
#include "platform/LinuxVolumeQuery.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    quillet::LinuxFolderSource folders;
    quillet::LinuxVolumeQuery volumes;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quillet::RunScanCommand(args, std::cout, std::cerr,
                                   {folders, volumes, quillet::ExecutableFolder()});
}
