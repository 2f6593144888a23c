// Colours picked for reading: what our code draws over or beside a colour it does not choose
// (a slice in the user's colour, the desktop's window or list background) takes a colour that
// stands out from it. Contrast is measured as the Web Content Accessibility Guidelines do:
// relative luminance of sRGB, ratio (lighter + 0.05) / (darker + 0.05), from 1 to 21.
// Colours are COLORREF values (0x00BBGGRR), as the chart keeps them.
#pragma once

#include <cstdint>

namespace quillet {

// The least ratio for text (WCAG AA), and for lines and outlines that must be seen.
constexpr double kTextContrast = 4.5;
constexpr double kOutlineContrast = 3.0;
// The ratio a colour that had to move is moved to (WCAG AAA), so that it reads well rather
// than just enough.
constexpr double kMovedContrast = 7.0;

constexpr std::uint32_t kBlackRef = 0x00000000;
constexpr std::uint32_t kWhiteRef = 0x00FFFFFF;

// 0 for black, 1 for white.
double RelativeLuminance(std::uint32_t colour);
double ContrastRatio(std::uint32_t a, std::uint32_t b);

// Black or white, whichever stands out more from the background: always at least 4.58:1.
std::uint32_t ContrastingRef(std::uint32_t background);

// Text whose colour means nothing of its own (a label on a slice, a row of the list): in the
// wanted colour where that reads, else in black or white.
std::uint32_t TextRefOn(std::uint32_t wanted, std::uint32_t background);

// A colour that carries a meaning (the blue of "Compressed", a link's navy), or a line: the
// wanted colour when it reaches the least ratio on the background; otherwise the wanted
// colour moved toward black or white (the contrasting one) until it reaches kMovedContrast,
// or all the way: a blue stays a blue, lighter on a dark background, darker on a light one.
std::uint32_t ReadableRef(std::uint32_t wanted, std::uint32_t background,
                          double least = kTextContrast);

}  // namespace quillet
