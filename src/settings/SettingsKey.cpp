#include "settings/SettingsKey.h"

#include <optional>

namespace quillet {

TSettingsKey::TSettingsKey(const QString& organization, const QString& application)
    : Settings_(OpenSettingsStore(organization, application)) {}

std::optional<std::int32_t> IntegerFromText(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t TSettingsKey::ReadInteger(const QString& name, std::int32_t defaultValue) const {
    const QVariant value = Settings_ ? Settings_->value(name) : QVariant();
    if (!value.isValid()) return defaultValue;
    return IntegerFromText(value.toString()).value_or(defaultValue);
}

bool TSettingsKey::ReadBoolean(const QString& name, bool defaultValue) const {
    return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

QString TSettingsKey::ReadText(const QString& name, const QString& defaultValue) const {
    const QVariant value = Settings_ ? Settings_->value(name) : QVariant();
    if (!value.isValid()) return defaultValue;
    // A hand-written value with commas and no quotes ($000000FF,$0000FF00) comes back from
    // the file as a list of its parts: it is the same text.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
    return value.toString();
}

void TSettingsKey::WriteInteger(const QString& name, std::int32_t value) {
    if (Settings_) Settings_->setValue(name, QString::number(value));
}

void TSettingsKey::WriteBoolean(const QString& name, bool value) {
    if (Settings_) Settings_->setValue(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TSettingsKey::WriteText(const QString& name, const QString& text) {
    if (Settings_) Settings_->setValue(name, text);
}

}  // namespace quillet
