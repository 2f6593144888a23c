// A font in the settings: five values under a prefix (".Name", ".Size" in points, ".Color",
// ".Bold", ".Italic"). The colour is a COLORREF written as a signed decimal: 0x00BBGGRR for an
// explicit colour, negative for a system colour. Underline and strike-out are not stored.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "settings/SettingsKey.h"

namespace quillet {

// The desktop's window text as a system colour: a font's colour until the settings say
// otherwise, so that by default text follows the desktop's theme, light or dark.
constexpr std::int32_t kWindowTextColourRef = static_cast<std::int32_t>(0xFF000008);

struct TStoredFont {
    QFont Font;
    std::int32_t Colour = 0;  // COLORREF, signed
};

// Reads the five values, each defaulting to what font holds, and applies them in turn.
void LoadFont(const TSettingsKey& key, const QString& prefix, TStoredFont& font);
void SaveFont(TSettingsKey& key, const QString& prefix, const TStoredFont& font);

std::int32_t ColourRefFromColor(const QColor& colour);
// A system colour (negative; its index in the low byte) is the palette's colour for it.
QColor ColorFromColourRef(std::int32_t colour);
// The value to store for a font shown in colour shown that was loaded as stored: stored
// itself while it still gives that colour, so a system colour stays one and keeps following
// the desktop's theme.
std::int32_t KeptColourRef(std::int32_t stored, const QColor& shown);

}  // namespace quillet
