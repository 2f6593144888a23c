#include "app/MainServices.h"

#include <QFile>
#include <QGuiApplication>

#include "app/ErrorBox.h"
#include "app/FolderChooser.h"
#include "platform/ExecutableFolder.h"
#include "platform/LinuxFolderSource.h"
#include "platform/LinuxVolumeQuery.h"

namespace quillet {

TMainServices SystemMainServices() {
    TMainServices services;
    services.Folders = std::make_shared<LinuxFolderSource>();
    services.Volumes = std::make_shared<LinuxVolumeQuery>();
    services.ExcludesFolder = ExecutableFolder();
    services.ChooseFolder = ChooseFolder;
    services.MouseButtonDown = [] {
        return (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    };
    services.ShowError = ShowErrorBox;
    QFile icon(QStringLiteral(":/quillet.svg"));
    services.FolderMenu =
        SystemFolderMenuEnvironment(icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray());
    return services;
}

}  // namespace quillet
