// What the main window needs from outside itself: the file system to scan, volume questions,
// the folder chooser, the mouse buttons, and the general error box. The program passes the
// real ones; tests pass fakes, so no test waits on a modal dialog or a real disk.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/FolderSource.h"
#include "platform/VolumeQuery.h"
#include "settings/FolderMenu.h"

class QPrinter;
class QWidget;

namespace quillet {

struct TMainServices {
    std::shared_ptr<FolderSource> Folders;
    std::shared_ptr<const VolumeQuery> Volumes;
    std::string ExcludesFolder;  // where Excludes.ini is read from
    // Why a scan cannot start at a folder, in words; empty when it can. None: every folder is
    // scanned, and one that cannot be listed shows as empty.
    std::function<std::string(const std::string& path)> ScanRootProblem;
    std::function<std::optional<std::string>(QWidget* parent, const std::string& start)>
        ChooseFolder;
    // The open dialog for an exported scan, with its caption; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const QString& caption)>
        ChooseScanFile;
    std::function<bool()> MouseButtonDown;  // left or right held at this moment
    std::function<void(QWidget* parent, const QString& title, const QString& text)> ShowError;
    // A message box with a note, not an error; none leaves notes unsaid.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> ShowNote;
    // Where the file managers' folder entry goes; none leaves every file manager alone.
    std::optional<TFolderMenuEnvironment> FolderMenu;

    // The save dialog, opened at the name chosen last; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& name)>
        ChooseSaveFile;
    // A Yes / No question; true for Yes. A destructive one shows the question icon with No as
    // the default button.
    std::function<bool(QWidget* parent, const QString& caption, const QString& text,
                       bool destructive)>
        Ask;
    // Shows the item in the file manager (its folder opened, the item selected).
    // noProgram is called, perhaps later, when nothing could show or open it.
    std::function<void(const std::string& path, std::function<void()> noProgram)> ShowInFileManager;
    // Opens a file with the program the desktop associates with it.
    std::function<void(const std::string& path, std::function<void()> noProgram)> OpenFile;
    // The default printer; none when there is no default printer.
    std::function<std::unique_ptr<QPrinter>()> DefaultPrinter;
};

// The real ones: this machine's disks, the folder chooser dialog, message boxes.
TMainServices SystemMainServices();

// The part each system answers in its own way (MainServicesLinux.cpp, MainServicesWindows.cpp):
// the folders and volumes, the mouse buttons, the file manager, opening a file.
void AddSystemServices(TMainServices& services);

}  // namespace quillet
