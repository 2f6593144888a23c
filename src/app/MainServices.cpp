#include "app/MainServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/DialogFit.h"
#include "app/DialogPath.h"
#include "app/ErrorBox.h"
#include "app/FolderChooser.h"
#include "app/NameIconProvider.h"
#include "app/ToolTipText.h"
#include "platform/ExcludesFolder.h"
#include "platform/PathNames.h"

namespace quillet {
namespace {

// The file the save dialog's answer stands for; none, after saying why, when it is not one
// file.
std::optional<std::string> SavePath(QWidget* parent, const QString& answer) {
    const TDialogPath found = FindDialogPath(answer, true);
    if (found.Problem == TDialogPath::None) return found.Path;
    ShowErrorBox(parent, QGuiApplication::applicationDisplayName(),
                 DialogPathProblem(answer, found.Problem, true));
    return std::nullopt;
}

}  // namespace

TMainServices SystemMainServices() {
    TMainServices services;
    services.ExcludesFolder = ExcludesFolder();
    services.ScanRootProblem = FolderAccessError;
    services.ChooseFolder = ChooseFolder;
    // Opened where the file chosen last is (the working folder at first), as Qt's dialog did.
    services.ChooseScanFile = [last = std::make_shared<std::string>(AbsoluteFolderPath("."))](
                                  QWidget* parent, const QString& caption) {
        const auto chosen =
            ChooseFile(parent, caption, *last,
                       {{QCoreApplication::translate("TMainForm", "Scan files (*.json)"), ".json"},
                        {QCoreApplication::translate("TMainForm", "All files (*)"), ""}});
        if (chosen) *last = *chosen;
        return chosen;
    };
    services.ShowError = ShowErrorBox;
    services.ShowNote = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Information, title, BrokenLines(text), QMessageBox::Ok,
                        parent);
        box.setTextFormat(Qt::PlainText);  // the text holds paths, never markup
        RoomForTitle(box);
        box.exec();
    };
    services.ChooseSaveFile = [](QWidget* parent,
                                 const std::string& name) -> std::optional<std::string> {
        QFileDialog dialog(parent,
                           QCoreApplication::translate("TMainForm", "Save piechart listing"));
        TNameIconProvider icons;  // a folder such as /proc must not stall the dialog
        dialog.setIconProvider(&icons);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Each choice is its caption followed by the patterns it matches, and only the
        // caption is shown: "All files (*.*)" must also match names without a dot.
        dialog.setNameFilters(
            {QCoreApplication::translate("TMainForm", "Text files (*.txt) (*.txt)"),
             QCoreApplication::translate("TMainForm", "All files (*.*) (*)")});
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks itself
        // Opened in the folder of the file saved last: a native dialog (Windows) takes only
        // the name from the file it is given to select, and would open in the working folder.
        const QFileInfo last(QDir::fromNativeSeparators(QString::fromStdString(name)));
        if (last.isAbsolute()) dialog.setDirectory(last.absolutePath());
        dialog.selectFile(QString::fromStdString(name));
        FitToScreen(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return SavePath(parent, dialog.selectedFiles().first());
    };
    services.Ask = [](QWidget* parent, const QString& caption, const QString& text,
                      bool destructive) {
        QMessageBox box(destructive ? QMessageBox::Question : QMessageBox::NoIcon, caption,
                        BrokenLines(text), QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);  // the text holds a path, never markup
        box.setDefaultButton(destructive ? QMessageBox::No : QMessageBox::Yes);
        RoomForTitle(box);
        return box.exec() == QMessageBox::Yes;
    };
    services.DefaultPrinter = []() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
    QFile icon(QStringLiteral(":/quillet.svg"));
    services.FolderMenu =
        SystemFolderMenuEnvironment(icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray());
    AddSystemServices(services);
    return services;
}

}  // namespace quillet
