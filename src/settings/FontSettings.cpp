#include "settings/FontSettings.h"

#include <QGuiApplication>
#include <QPalette>

#include "chart/MultiColour.h"

namespace quillet {

std::int32_t ColourRefFromColor(const QColor& colour) {
    return static_cast<std::int32_t>(RefFromColour(colour));
}

QColor ColorFromColourRef(std::int32_t colour) {
    if (colour < 0) return QGuiApplication::palette().color(QPalette::WindowText);
    return ColourFromRef(static_cast<std::uint32_t>(colour));
}

void LoadFont(const TSettingsKey& key, const QString& prefix, TStoredFont& font) {
    font.Font.setFamily(key.ReadText(prefix + ".Name", font.Font.family()));
    const int size = key.ReadInteger(prefix + ".Size", font.Font.pointSize());
    if (size > 0) font.Font.setPointSize(size);
    font.Colour = key.ReadInteger(prefix + ".Color", font.Colour);
    font.Font.setBold(key.ReadBoolean(prefix + ".Bold", font.Font.bold()));
    font.Font.setItalic(key.ReadBoolean(prefix + ".Italic", font.Font.italic()));
}

void SaveFont(TSettingsKey& key, const QString& prefix, const TStoredFont& font) {
    key.WriteText(prefix + ".Name", font.Font.family());
    key.WriteInteger(prefix + ".Size", font.Font.pointSize());
    key.WriteInteger(prefix + ".Color", font.Colour);
    key.WriteBoolean(prefix + ".Bold", font.Font.bold());
    key.WriteBoolean(prefix + ".Italic", font.Font.italic());
}

}  // namespace quillet
