// The settings store on Linux: QSettings' configuration files, names folded to lower case.
#include <QFile>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/RegularFile.h"
#include "settings/SettingsKey.h"

namespace quillet {

std::unique_ptr<QSettings> OpenSettingsStore(const QString& organization,
                                             const QString& application) {
    const QString org = organization.toLower();
    const QString app = application.toLower();
    // The files QSettings reads: the application's and the organization's, per user first,
    // then in every system configuration folder.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders << QLibraryInfo::path(QLibraryInfo::SettingsPath);
    for (const QString& folder : folders) {
        for (const QString& file :
             {folder + "/" + org + "/" + app + ".conf", folder + "/" + org + ".conf"}) {
            if (IsSpecialFile(QFile::encodeName(file).toStdString())) return nullptr;
        }
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, org, app);
}

}  // namespace quillet
