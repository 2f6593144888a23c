// The per-user settings key: named text values in QSettings, under organization "corvane"
// and application "quillet" (~/.config/corvane/quillet.conf; names folded to lower case as
// registry keys ignore case). Values are text: integers in decimal, booleans "0" or "1".
//
// Reading never fails: a missing value, or text that is not what is asked for, gives the
// caller's default. Writing failures (a read-only folder) are silent; QSettings replaces the
// file in one step, so a failed save leaves the previous file whole.
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
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
    void Close() { Settings_.sync(); }

private:
    QSettings Settings_;
};

// The integer a text spells, if it is one: optional blanks, an optional sign, decimal digits,
// within 32 bits.
std::optional<std::int32_t> IntegerFromText(const QString& text);

}  // namespace quillet
