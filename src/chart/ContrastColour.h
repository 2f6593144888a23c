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

constexpr std::uint32_t kBlackRef = 0x00000000;
constexpr std::uint32_t kWhiteRef = 0x00FFFFFF;

// 0 for black, 1 for white.
double RelativeLuminance(std::uint32_t colour);
double ContrastRatio(std::uint32_t a, std::uint32_t b);

// Black or white, whichever stands out more from the background: always at least 4.58:1.
std::uint32_t ContrastingRef(std::uint32_t background);

// The wanted colour when it reaches the least ratio on the background; otherwise the wanted
// colour moved toward black or white (the contrasting one) just far enough, so a blue stays
// a blue, lighter on a dark background and darker on a light one.
std::uint32_t ReadableRef(std::uint32_t wanted, std::uint32_t background,
                          double least = kTextContrast);

}  // namespace quillet
