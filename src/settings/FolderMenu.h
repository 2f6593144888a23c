// The file managers' folder entry "Usage Pie Chart": choosing it on a folder starts the
// program on that folder. On Windows it is Explorer's entry, in the registry, and only the
// environment's Executable counts (ExplorerFolderMenu.cpp). On Linux each installed file manager
// with a per-user mechanism gets its own action file (Dolphin, Nemo, Caja / PCManFM, Nautilus,
// Thunar); one that is not installed is left alone. Enabling writes them afresh, so a moved program
// gets its path rewritten; disabling removes them (and only the program's own action from Thunar's
// shared file). Each entry hides itself, or does nothing, once the program is gone (uninstalled,
// moved), each the way its file manager offers. Files are written atomically; every failure is
// silent.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace quillet {

struct TFolderMenuEnvironment {
    QString Executable;  // full path of the program the entry starts
    QString DataHome;    // ~/.local/share
    QString ConfigHome;  // ~/.config
    std::function<bool(const QString& program)> IsInstalled;  // on the PATH
    QString SystemThunarActions = QStringLiteral("/etc/xdg/Thunar/uca.xml");
    QByteArray IconSvg;  // installed as the theme icon "quillet", which some managers need
    // Data folders whose hicolor theme may hold the icon already (the system's, the program's
    // install prefix): then no copy goes into DataHome.
    QStringList IconDataDirs;
};

void RegisterFolderMenu(bool enable, const TFolderMenuEnvironment& environment);

// This user's folders, the running program, and the PATH.
TFolderMenuEnvironment SystemFolderMenuEnvironment(const QByteArray& iconSvg);

// The paths of the files that enabling writes for each installed file manager (Linux).
QStringList FolderMenuFiles(const TFolderMenuEnvironment& environment);

}  // namespace quillet
