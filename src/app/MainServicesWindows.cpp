// The window's services that Windows answers: the scan's folders through the Win32 listing,
// the mouse buttons as the system holds them, Explorer, and the shell's open.
#include "app/MainServices.h"
#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32VolumeQuery.h"
#include "platform/win32/WindowsShell.h"

namespace quillet {

void AddSystemServices(TMainServices& services) {
    services.Folders = std::make_shared<Win32FolderSource>();
    services.Volumes = std::make_shared<Win32VolumeQuery>();
    services.MouseButtonDown = LeftOrRightButtonHeld;
    // As on Linux, a shell that cannot do it is not reported on: the entry was there a moment
    // ago (the window checks), and the shell says itself when no program is associated.
    services.ShowInFileManager = [](const std::string& path, std::function<void()>) {
        ShowInExplorer(path);
    };
    services.OpenFile = [](const std::string& path, std::function<void()>) {
        OpenWithAssociatedProgram(path);
    };
}

}  // namespace quillet
