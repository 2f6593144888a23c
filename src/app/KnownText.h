// Texts that plain code below the window makes from a fixed set (the size accounting's
// caption and hints, the trash's name), shown in the user's language: a text of the set is
// translated in the given context, any other is shown as it is.
#pragma once

#include <QString>
#include <span>
#include <string>

namespace quillet {

// known: the set, each marked for the translators with QT_TRANSLATE_NOOP(context, ...).
QString KnownText(const char* context, std::span<const char* const> known, const std::string& text);

}  // namespace quillet
