// quillet-scan.exe: the arguments are taken as the system holds them (UTF-16) and handed on as
// WTF-8, and the console is told that the output is UTF-8.
#include <windows.h>

#include <iostream>

#include "cli/ScanCommand.h"
#include "platform/ExcludesFolder.h"
#include "platform/ProgramArguments.h"
#include "platform/TerminalWidth.h"
#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32Names.h"
#include "platform/win32/Win32VolumeQuery.h"

namespace {

// The scanned tree is left to the system at exit, as on Linux: freeing it costs more than
// building it.
quillet::TFolderList* ScannedTree = nullptr;

}  // namespace

int main() {
    SetConsoleOutputCP(CP_UTF8);
    std::ios::sync_with_stdio(false);
    quillet::Win32FolderSource folders;
    quillet::Win32VolumeQuery volumes;
    ScannedTree = new quillet::TFolderList(".");
    return quillet::RunScanCommand(
        quillet::ProgramArguments(0, nullptr), std::cout, std::cerr,
        {folders, volumes, quillet::ExcludesFolder(), *ScannedTree, quillet::StandardErrorColumns});
}
