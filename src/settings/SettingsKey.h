// The per-user settings key: named text values in QSettings, under organization "Corvane"
// and application "Quillet": on Windows the registry key
// HKEY_CURRENT_USER\Software\Corvane\Quillet; on Linux ~/.config/corvane/quillet.conf (names
// folded to lower case, as registry keys ignore case). Values are text: integers in decimal,
// booleans "0" or "1".
//
// Reading never fails: a missing value, or text that is not what is asked for, gives the
// caller's default. Writing failures (a read-only folder) are silent; QSettings replaces the
// file in one step, so a failed save leaves the previous file whole. A store whose file is a
// pipe or a device is never opened (QSettings would wait on it for good): it reads as empty
// and keeps nothing.
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace quillet {

class TSettingsKey {
public:
    // organization and application name the store; both are folded to lower case.
    explicit TSettingsKey(const QString& organization = QStringLiteral("Corvane"),
                          const QString& application = QStringLiteral("Quillet"));

    std::int32_t ReadInteger(const QString& name, std::int32_t defaultValue) const;
    bool ReadBoolean(const QString& name, bool defaultValue) const;
    QString ReadText(const QString& name, const QString& defaultValue) const;

    void WriteInteger(const QString& name, std::int32_t value);
    void WriteBoolean(const QString& name, bool value);
    void WriteText(const QString& name, const QString& text);

    // Writes what is pending to disk now.
    void Close() {
        if (Settings_) Settings_->sync();
    }

private:
    std::unique_ptr<QSettings> Settings_;  // null when the store cannot be opened safely
};

// The per-user store of organization and application (SettingsStoreRegistry.cpp on Windows,
// SettingsStoreFiles.cpp elsewhere: names folded to lower case, and null when one of the files
// that QSettings reads for it is a pipe, a device or a socket).
std::unique_ptr<QSettings> OpenSettingsStore(const QString& organization,
                                             const QString& application);

// The integer a text spells, if it is one: optional blanks, an optional sign, decimal digits,
// within 32 bits.
std::optional<std::int32_t> IntegerFromText(const QString& text);

}  // namespace quillet
