// A font in the settings: five values under a prefix (".Name", ".Size" in points, ".Color",
// ".Bold", ".Italic"). The colour is a COLORREF written as a signed decimal: 0x00BBGGRR for an
// explicit colour, negative for a system colour. Underline and strike-out are not stored.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "settings/SettingsKey.h"

namespace quillet {

struct TStoredFont {
    QFont Font;
    std::int32_t Colour = 0;  // COLORREF, signed
};

// Reads the five values, each defaulting to what font holds, and applies them in turn.
void LoadFont(const TSettingsKey& key, const QString& prefix, TStoredFont& font);
void SaveFont(TSettingsKey& key, const QString& prefix, const TStoredFont& font);

std::int32_t ColourRefFromColor(const QColor& colour);
// A system colour (negative) is the palette's text colour.
QColor ColorFromColourRef(std::int32_t colour);

}  // namespace quillet
