// The folder entry on Windows: Explorer's, in the registry (platform/win32/ExplorerFolderMenu.h).
#include "platform/win32/ExplorerFolderMenu.h"
#include "platform/ExecutableFolder.h"
#include "settings/FolderMenu.h"

namespace quillet {

void RegisterFolderMenu(bool enable, const TFolderMenuEnvironment& environment) {
    RegisterExplorerFolderMenu(enable, environment.Executable.toStdString());
}

TFolderMenuEnvironment SystemFolderMenuEnvironment(const QByteArray& iconSvg) {
    TFolderMenuEnvironment environment;
    environment.Executable = QString::fromStdString(ExecutablePath());
    environment.IconSvg = iconSvg;
    return environment;
}

}  // namespace quillet
