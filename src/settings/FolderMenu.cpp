#include "settings/FolderMenu.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "platform/ExecutableFolder.h"
#include "platform/RegularFile.h"

namespace quillet {
namespace {

const QString kActionId = QStringLiteral("quillet-usage-pie-chart");
constexpr std::size_t kMaxThunarActionsBytes = 64 << 20;
const QString kDescription = QStringLiteral("Show the disk usage of this folder as a pie chart");

// A path as one double-quoted argument of a desktop file's Exec line: the quoting rules
// first, then the escapes of a desktop file's string values.
QString DesktopQuoted(const QString& path) {
    QString quoted;
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c == '%' ? QStringLiteral("%%") : QString(c);
    }
    quoted.replace('\\', QStringLiteral("\\\\"));
    return '"' + quoted + '"';
}

// A path as one single-quoted shell word.
QString ShellQuoted(const QString& path) {
    QString quoted = path;
    quoted.replace('\'', QStringLiteral("'\\''"));
    return '\'' + quoted + '\'';
}

// The same in a command line whose "%" codes the file manager fills in.
QString CommandQuoted(const QString& path) {
    QString quoted = ShellQuoted(path);
    quoted.replace('%', QStringLiteral("%%"));
    return quoted;
}

// A path as a desktop file's string value (TryExec), and as one item of a string list.
QString KeyFileValue(const QString& path) {
    QString value = path;
    value.replace('\\', QStringLiteral("\\\\"));
    return value;
}
QString KeyFileListItem(const QString& path) {
    QString item = KeyFileValue(path);
    item.replace(';', QStringLiteral("\\;"));
    return item + ';';
}

bool WriteAtomically(const QString& path, const QByteArray& content, bool executable) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        return false;
    }
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (executable)
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    return QFile::setPermissions(path, permissions);
}

struct ActionFile {
    QString Path;
    QByteArray Content;
    bool Executable;
};

QString DolphinFile(const TFolderMenuEnvironment& e) {
    return e.DataHome + "/kio/servicemenus/" + kActionId + ".desktop";
}
QString NemoFile(const TFolderMenuEnvironment& e) {
    return e.DataHome + "/nemo/actions/" + kActionId + ".nemo_action";
}
QString FileManagerActionsFile(const TFolderMenuEnvironment& e) {
    return e.DataHome + "/file-manager/actions/" + kActionId + ".desktop";
}
QString NautilusFile(const TFolderMenuEnvironment& e) {
    return e.DataHome + "/nautilus/scripts/Usage Pie Chart";
}
QString ThunarFile(const TFolderMenuEnvironment& e) {
    return e.ConfigHome + "/Thunar/uca.xml";
}

bool Installed(const TFolderMenuEnvironment& e, std::initializer_list<const char*> programs) {
    for (const char* program : programs) {
        if (e.IsInstalled && e.IsInstalled(QString::fromLatin1(program))) return true;
    }
    return false;
}

// The action files of the installed file managers other than Thunar, which shares one file.
std::vector<ActionFile> ActionFiles(const TFolderMenuEnvironment& e) {
    std::vector<ActionFile> files;
    // TryExec, Nemo's Dependencies and the script's own check hide or quieten an entry whose
    // program is gone. Dolphin gets no access key: KIO doubles every "&" of a service menu's
    // name (its menus assign keys themselves).
    if (Installed(e, {"dolphin"})) {
        files.push_back(
            {DolphinFile(e),
             ("[Desktop Entry]\nType=Service\nMimeType=inode/directory;\nActions=usagePieChart;\n"
              "TryExec=" +
              KeyFileValue(e.Executable) +
              "\nX-KDE-ServiceTypes=KonqPopupMenu/Plugin\n\n"
              "[Desktop Action usagePieChart]\nName=Usage Pie Chart\nIcon=quillet\nExec=" +
              DesktopQuoted(e.Executable) + " %f\n")
                 .toUtf8(),
             true});
    }
    if (Installed(e, {"nemo"})) {
        files.push_back({NemoFile(e),
                         ("[Nemo Action]\nName=_Usage Pie Chart\nComment=" + kDescription +
                          "\nExec=" + DesktopQuoted(e.Executable) +
                          " %F\nIcon-Name=quillet\nSelection=s\nExtensions=dir;\nDependencies=" +
                          KeyFileListItem(e.Executable) + "\n")
                             .toUtf8(),
                         false});
    }
    if (Installed(e, {"caja", "pcmanfm", "pcmanfm-qt"})) {
        // Caja and PCManFM show the name through GTK, where "_" marks the access key;
        // PCManFM-Qt shows it as it is, so with it around the name goes without one.
        const QString name = Installed(e, {"pcmanfm-qt"}) ? QStringLiteral("Usage Pie Chart")
                                                          : QStringLiteral("_Usage Pie Chart");
        files.push_back(
            {FileManagerActionsFile(e),
             ("[Desktop Entry]\nType=Action\nName=" + name + "\nTooltip=" + kDescription +
              "\nIcon=quillet\nTryExec=" + KeyFileValue(e.Executable) +
              "\nProfiles=main;\n\n[X-Action-Profile main]\nExec=" + CommandQuoted(e.Executable) +
              " %f\nMimeTypes=inode/directory;\n")
                 .toUtf8(),
             false});
    }
    if (Installed(e, {"nautilus"})) {
        files.push_back({NautilusFile(e),
                         ("#!/bin/sh\n# " + kDescription +
                          ": Quillet on the first selected folder.\n"
                          "# Nothing to do once the program is gone.\n[ -x " +
                          ShellQuoted(e.Executable) +
                          " ] || exit 0\n"
                          "case \"$1\" in\n    \"\") folder=$PWD ;;\n    /*) folder=$1 ;;\n"
                          "    *) folder=$PWD/$1 ;;\nesac\nexec " +
                          ShellQuoted(e.Executable) + " \"$folder\"\n")
                             .toUtf8(),
                         true});
    }
    return files;
}

// Thunar keeps every custom action in one file: only the program's own action is touched.
void UpdateThunar(bool enable, const TFolderMenuEnvironment& e) {
    const QString path = ThunarFile(e);
    const bool own = QFile::exists(path);
    const QFileInfo source(own ? path : e.SystemThunarActions);
    // A pipe or a device in the file's place is neither read (that could wait for ever) nor
    // replaced, and neither is a file too large to be anyone's list of actions.
    if (source.exists() && !source.isFile()) return;
    const auto text =
        ReadRegularFile(QFile::encodeName(source.filePath()).toStdString(), kMaxThunarActionsBytes);
    if (text && text->size() == kMaxThunarActionsBytes) return;
    QDomDocument document;
    QString error;
    int line = 0, column = 0;
    if (!text || !document.setContent(QByteArray::fromStdString(*text), &error, &line, &column)) {
        // The user's file holds other actions too: one that cannot be read is never rebuilt
        // with ours alone. The system's example is only a seed; without it we start empty.
        if (own) {
            const QString reason =
                text ? QStringLiteral("it does not parse (line %1, column %2: %3)")
                           .arg(line)
                           .arg(column)
                           .arg(error)
                     : QStringLiteral("it cannot be read");
            std::fprintf(stderr, "quillet: %s is left as it is: %s\n", qPrintable(path),
                         qPrintable(reason));
            return;
        }
        if (!enable) return;
        document.setContent(
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n"));
    }
    QDomElement actions = document.documentElement();
    if (actions.tagName() != QLatin1String("actions")) return;
    bool changed = false;
    for (QDomElement action = actions.firstChildElement("action"); !action.isNull();) {
        const QDomElement next = action.nextSiblingElement("action");
        if (action.firstChildElement("unique-id").text() == kActionId) {
            actions.removeChild(action);
            changed = true;
        }
        action = next;
    }
    if (enable) {
        QDomElement action = document.createElement("action");
        const auto add = [&](const QString& tag, const QString& text) {
            QDomElement element = document.createElement(tag);
            if (!text.isNull()) element.appendChild(document.createTextNode(text));
            action.appendChild(element);
        };
        add("icon", "quillet");
        add("name", "_Usage Pie Chart");
        add("submenu", "");
        add("unique-id", kActionId);
        // Thunar has no condition on a program: the command does nothing once it is gone.
        add("command", "test -x " + CommandQuoted(e.Executable) + " && exec " +
                           CommandQuoted(e.Executable) + " %f");
        add("description", kDescription);
        add("range", "");
        add("patterns", "*");
        add("directories", QString());
        actions.appendChild(action);
        changed = true;
    }
    if (changed) WriteAtomically(path, document.toByteArray(1), false);
}

const QString kIconPath = QStringLiteral("/icons/hicolor/scalable/apps/quillet.svg");

QString IconFile(const TFolderMenuEnvironment& e) {
    return e.DataHome + kIconPath;
}

bool IconInstalled(const TFolderMenuEnvironment& e) {
    for (const QString& folder : e.IconDataDirs) {
        if (QFile::exists(folder + kIconPath)) return true;
    }
    return QFile::exists(IconFile(e));
}

}  // namespace

QStringList FolderMenuFiles(const TFolderMenuEnvironment& environment) {
    QStringList paths;
    for (const ActionFile& file : ActionFiles(environment))
        paths << file.Path;
    if (Installed(environment, {"thunar"})) paths << ThunarFile(environment);
    return paths;
}

void RegisterFolderMenu(bool enable, const TFolderMenuEnvironment& e) {
    const std::vector<ActionFile> files = ActionFiles(e);
    for (const ActionFile& file : files) {
        if (enable) {
            WriteAtomically(file.Path, file.Content, file.Executable);
        } else {
            QFile::remove(file.Path);
        }
    }
    const bool thunar = Installed(e, {"thunar"});
    if (thunar) UpdateThunar(enable, e);
    // The icon stays on disable: an installed launcher may use the same one.
    if (enable && (thunar || !files.empty()) && !e.IconSvg.isEmpty() && !IconInstalled(e)) {
        WriteAtomically(IconFile(e), e.IconSvg, false);
    }
}

TFolderMenuEnvironment SystemFolderMenuEnvironment(const QByteArray& iconSvg) {
    TFolderMenuEnvironment environment;
    environment.Executable = QString::fromStdString(ExecutablePath());
    environment.DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    environment.ConfigHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    environment.IsInstalled = [](const QString& program) {
        return !QStandardPaths::findExecutable(program).isEmpty();
    };
    environment.IconSvg = iconSvg;
    // The XDG data folders after the user's own, and the share/ of the program's prefix.
    environment.IconDataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    environment.IconDataDirs.removeAll(environment.DataHome);
    const std::string folder = ExecutableFolder();
    if (!folder.empty())
        environment.IconDataDirs
            << QFileInfo(QString::fromStdString(folder) + "/../share").absoluteFilePath();
    return environment;
}

}  // namespace quillet
