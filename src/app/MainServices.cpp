#include "app/MainServices.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/DialogPath.h"
#include "app/ErrorBox.h"
#include "app/FolderChooser.h"
#include "app/ToolTipText.h"
#include "platform/ExcludesFolder.h"
#include "platform/PathNames.h"

namespace quillet {
namespace {

// The file a dialog's answer stands for; none, after saying why, when it is not one file.
std::optional<std::string> ChosenPath(QWidget* parent, const QString& answer, bool newName) {
    const TDialogPath found = FindDialogPath(answer, newName);
    if (found.Problem == TDialogPath::None) return found.Path;
    ShowErrorBox(parent, QGuiApplication::applicationDisplayName(),
                 DialogPathProblem(answer, found.Problem, newName));
    return std::nullopt;
}

}  // namespace

TMainServices SystemMainServices() {
    TMainServices services;
    services.ExcludesFolder = ExcludesFolder();
    services.ScanRootProblem = FolderAccessError;
    services.ChooseFolder = ChooseFolder;
    services.ChooseScanFile = [](QWidget* parent,
                                 const QString& caption) -> std::optional<std::string> {
        const QString chosen = QFileDialog::getOpenFileName(
            parent, caption, {}, QStringLiteral("Scan files (*.json);;All files (*)"));
        if (chosen.isEmpty()) return std::nullopt;
        return ChosenPath(parent, chosen, false);
    };
    services.ShowError = ShowErrorBox;
    services.ShowNote = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Information, title, BrokenLines(text), QMessageBox::Ok,
                        parent);
        box.setTextFormat(Qt::PlainText);  // the text holds paths, never markup
        box.exec();
    };
    services.ChooseSaveFile = [](QWidget* parent,
                                 const std::string& name) -> std::optional<std::string> {
        QFileDialog dialog(parent, QStringLiteral("Save piechart listing"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Each choice is its caption followed by the patterns it matches, and only the
        // caption is shown: "All files (*.*)" must also match names without a dot.
        dialog.setNameFilters(
            {QStringLiteral("Text files (*.txt) (*.txt)"), QStringLiteral("All files (*.*) (*)")});
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks itself
        dialog.selectFile(QString::fromStdString(name));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return ChosenPath(parent, dialog.selectedFiles().first(), true);
    };
    services.Ask = [](QWidget* parent, const QString& caption, const QString& text,
                      bool destructive) {
        QMessageBox box(destructive ? QMessageBox::Question : QMessageBox::NoIcon, caption,
                        BrokenLines(text), QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);  // the text holds a path, never markup
        box.setDefaultButton(destructive ? QMessageBox::No : QMessageBox::Yes);
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
