#include "chart/ContrastColour.h"

#include <cmath>

namespace quillet {
namespace {

double LinearChannel(std::uint32_t value) {
    const double c = static_cast<double>(value & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, int step, int steps) {
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>(from >> shift & 0xFF);
        const int b = static_cast<int>(to >> shift & 0xFF);
        const int channel = a + ((b - a) * step + steps / 2) / steps;
        mixed |= static_cast<std::uint32_t>(channel) << shift;
    }
    return mixed;
}

}  // namespace

double RelativeLuminance(std::uint32_t colour) {
    return 0.2126 * LinearChannel(colour) + 0.7152 * LinearChannel(colour >> 8) +
           0.0722 * LinearChannel(colour >> 16);
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

std::uint32_t ContrastingRef(std::uint32_t background) {
    return ContrastRatio(kBlackRef, background) >= ContrastRatio(kWhiteRef, background) ? kBlackRef
                                                                                        : kWhiteRef;
}

std::uint32_t TextRefOn(std::uint32_t wanted, std::uint32_t background) {
    wanted &= 0x00FFFFFF;
    return ContrastRatio(wanted, background) >= kTextContrast ? wanted : ContrastingRef(background);
}

std::uint32_t ReadableRef(std::uint32_t wanted, std::uint32_t background, double least) {
    wanted &= 0x00FFFFFF;
    background &= 0x00FFFFFF;
    if (ContrastRatio(wanted, background) >= least) return wanted;
    const std::uint32_t end = ContrastingRef(background);
    const double target = least > kMovedContrast ? least : kMovedContrast;
    // Luminance changes steadily along the way to black or white: the first step that
    // reaches the target is the nearest colour that does. The end itself reads at 4.58 at
    // least, whatever the background.
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const std::uint32_t mixed = Mix(wanted, end, step, kSteps);
        if (ContrastRatio(mixed, background) >= target) return mixed;
    }
    return end;
}

}  // namespace quillet
