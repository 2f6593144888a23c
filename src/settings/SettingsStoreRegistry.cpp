// The settings store on Windows: the registry key
// HKEY_CURRENT_USER\Software\<organization>\<application>, with the names as given (the
// registry ignores case but keeps it). Integers written as numbers become REG_DWORD values,
// text REG_SZ.
#include "settings/SettingsKey.h"

namespace quillet {

std::unique_ptr<QSettings> OpenSettingsStore(const QString& organization,
                                             const QString& application) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                       application);
}

}  // namespace quillet
