// The window's services that Windows answers: the scan's folders through the Win32 listing,
// the mouse buttons as the system holds them, Explorer, and the shell's open.
#include <QApplication>

#include "app/ErrorBox.h"
#include "app/MainServices.h"
#include "app/SystemReasons.h"
#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32VolumeQuery.h"
#include "platform/win32/WindowsShell.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

// Says why the shell was not given the entry, or could not show it, over the window that
// asked; the shell's own failures it says itself.
void SayWhyNot(const QString& failure, const std::string& path, const std::string& problem) {
    if (problem.empty()) return;
    ShowErrorBox(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                 failure.arg(QString::fromUtf8(ShownName(path)), SystemReasonText(problem)));
}

}  // namespace

void AddSystemServices(TMainServices& services) {
    services.Folders = std::make_shared<Win32FolderSource>();
    services.Volumes = std::make_shared<Win32VolumeQuery>();
    services.MouseButtonDown = LeftOrRightButtonHeld;
    // The shell says itself when no program is associated; what it was never given, the
    // window says.
    services.ShowInFileManager = [](const std::string& path, std::function<void()>) {
        SayWhyNot(QCoreApplication::translate("TMainForm", "Cannot show %1: %2"), path,
                  ShowInExplorer(path));
    };
    services.OpenFile = [](const std::string& path, std::function<void()>) {
        SayWhyNot(QCoreApplication::translate("TMainForm", "Cannot open %1: %2"), path,
                  OpenWithAssociatedProgram(path));
    };
}

}  // namespace quillet
