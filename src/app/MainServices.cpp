#include "app/MainServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include "app/ErrorBox.h"
#include "app/FolderChooser.h"
#include "platform/ExcludesFolder.h"
#include "platform/LinuxFolderSource.h"
#include "platform/LinuxVolumeQuery.h"

namespace quillet {

TMainServices SystemMainServices() {
    TMainServices services;
    services.Folders = std::make_shared<LinuxFolderSource>();
    services.Volumes = std::make_shared<LinuxVolumeQuery>();
    services.ExcludesFolder = ExcludesFolder();
    services.ChooseFolder = ChooseFolder;
    services.MouseButtonDown = [] {
        return (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    };
    services.ShowError = ShowErrorBox;
    services.ChooseSaveFile = [](QWidget* parent,
                                 const std::string& name) -> std::optional<std::string> {
        QFileDialog dialog(parent, QStringLiteral("Save piechart listing"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(
            {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*.*)")});
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks itself
        dialog.selectFile(QString::fromStdString(name));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
    services.Ask = [](QWidget* parent, const QString& caption, const QString& text,
                      bool destructive) {
        QMessageBox box(destructive ? QMessageBox::Question : QMessageBox::NoIcon, caption, text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(destructive ? QMessageBox::No : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    services.ShowInFileManager = [](const std::string& path) {
        const QUrl item = QUrl::fromLocalFile(QString::fromStdString(path));
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
            "org.freedesktop.FileManager1", "ShowItems");
        call << QStringList{item.toString()} << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            // No file manager answers: open the folder itself.
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(item.toLocalFile()).path()));
        }
    };
    services.OpenFile = [](const std::string& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    };
    services.DefaultPrinter = []() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
    QFile icon(QStringLiteral(":/quillet.svg"));
    services.FolderMenu =
        SystemFolderMenuEnvironment(icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray());
    return services;
}

}  // namespace quillet
