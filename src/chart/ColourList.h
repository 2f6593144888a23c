// The chart's colour list and its one text form: colours as "$" and eight upper-case hex
// digits of a COLORREF value (bits 0-7 red, 8-15 green, 16-23 blue), comma-separated, at most
// eight. The same text is stored in the settings and edited in the options dialog.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

constexpr int MaxColours = 8;

struct TColourList {
    // Pale red, yellow, green, cyan, blue, magenta, then white and light grey.
    std::array<std::uint32_t, MaxColours> Slots = {0x00E0E0FF, 0x00E0FFFF, 0x00E0FFE0, 0x00FFFFE0,
                                                   0x00FFE0E0, 0x00FFE0FF, 0x00FFFFFF, 0x00E0E0E0};
    int NumColours = 6;
};

// "$00E0E0FF,$00E0FFFF,..." for the slots in use; empty for none.
std::string ColourListText(const TColourList& colours);

// Reads a colour text into the list. Items are split as comma text (blanks end an unquoted
// item, double quotes enclose one, doubled or trailing commas give empty items); at most eight
// are taken. Each is decimal or hexadecimal after "$", "x", "X", "0x" or "0X", with an optional
// sign. On the first item that does not convert, reading stops: NumColours becomes 0, earlier
// slots keep their new values. Returns whether the whole text converted.
bool ReadColourListText(std::string_view text, TColourList& colours);

// One colour item as a 32-bit signed value, if it is one.
std::optional<std::int32_t> ReadColourItem(std::string_view item);

}  // namespace quillet
