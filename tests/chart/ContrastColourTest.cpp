#include <gtest/gtest.h>

#include "chart/ContrastColour.h"

namespace quillet {
namespace {

TEST(ContrastColour, MeasuresAsTheGuidelinesAndMovesOnlyWhatDoesNotRead) {
    EXPECT_DOUBLE_EQ(RelativeLuminance(kBlackRef), 0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(kWhiteRef), 1);
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlackRef, kWhiteRef), 21);
    EXPECT_NEAR(ContrastRatio(kWhiteRef, 0x00777777), 4.48, 0.005) << "the guidelines' example";
    EXPECT_NEAR(RelativeLuminance(0x000000FF), 0.2126, 1e-9) << "red, in COLORREF order";

    EXPECT_EQ(ContrastingRef(0x00E0E0FF), kBlackRef);
    EXPECT_EQ(ContrastingRef(0x00322E2A), kWhiteRef);
    EXPECT_EQ(ReadableRef(0x00800000, 0x00EFEFEF), 0x00800000u) << "navy reads on light grey";
    EXPECT_EQ(TextRefOn(0x00FCFCFC, 0x00E0FFFF), kBlackRef) << "white on pale yellow";
    EXPECT_EQ(TextRefOn(0x00FCFCFC, 0x00322E2A), 0x00FCFCFCu);
    // Blue on a dark window becomes a lighter blue.
    const std::uint32_t blue = ReadableRef(0x00FF0000, 0x00322E2A);
    EXPECT_GE(ContrastRatio(blue, 0x00322E2A), kTextContrast);
    EXPECT_EQ(blue >> 16 & 0xFF, 0xFFu);
    EXPECT_LT(blue & 0xFF, 0xFFu);
    // Whatever the grey behind it, even text of its own colour is made readable.
    for (std::uint32_t grey = 0; grey <= 0xFF; ++grey) {
        const std::uint32_t behind = grey * 0x010101;
        ASSERT_GE(ContrastRatio(ReadableRef(behind, behind), behind), kTextContrast) << grey;
        ASSERT_GE(ContrastRatio(ReadableRef(behind, behind, kOutlineContrast), behind),
                  kOutlineContrast)
            << grey;
    }
}

}  // namespace
}  // namespace quillet
