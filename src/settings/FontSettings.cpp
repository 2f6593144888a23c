#include "settings/FontSettings.h"

#include <QGuiApplication>
#include <QPalette>

#include "chart/MultiColour.h"

namespace quillet {

std::int32_t ColourRefFromColor(const QColor& colour) {
    return static_cast<std::int32_t>(RefFromColour(colour));
}

namespace {

// The desktop's colour for a system colour index (the low byte of a negative colour value).
QPalette::ColorRole SystemColourRole(int index) {
    switch (index) {
        case 1:   // desktop
        case 12:  // application workspace
        case 15:  // button face
            return QPalette::Window;
        case 5:  // window background
            return QPalette::Base;
        case 13:
            return QPalette::Highlight;
        case 14:
            return QPalette::HighlightedText;
        case 16:  // button shadow
            return QPalette::Mid;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        case 18:
            return QPalette::ButtonText;
        case 20:  // button highlight
            return QPalette::Light;
        case 21:
            return QPalette::Shadow;
        case 22:
            return QPalette::Midlight;
        case 23:
            return QPalette::ToolTipText;
        case 24:
            return QPalette::ToolTipBase;
        case 26:  // hot-tracked item
            return QPalette::Link;
        default:  // window text, menu text, caption text and the rest
            return QPalette::WindowText;
    }
}

}  // namespace

QColor ColorFromColourRef(std::int32_t colour) {
    if (colour < 0) return QGuiApplication::palette().color(SystemColourRole(colour & 0xFF));
    return ColourFromRef(static_cast<std::uint32_t>(colour));
}

std::int32_t KeptColourRef(std::int32_t stored, const QColor& shown) {
    return ColorFromColourRef(stored) == shown ? stored : ColourRefFromColor(shown);
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
