#include <gtest/gtest.h>

#include <cmath>

#include "chart/PieGeometry.h"

namespace quillet {
namespace {

constexpr double Pi = TwoPi / 2;

TChartEntries Entries(const std::vector<std::string>& texts, double* total = nullptr) {
    TStringListWithDouble entries;
    for (const std::string& text : texts)
        entries.push_back({text, {}});
    const double sum = PrepareEntries(entries);
    SortEntries(entries);
    if (total) *total = sum;
    return TChartEntries(std::move(entries));
}

std::vector<int> Slots(const std::vector<PieSlice>& slices) {
    std::vector<int> slots;
    for (const PieSlice& slice : slices)
        slots.push_back(slice.ColourSlot);
    return slots;
}

TEST(PieGeometry, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(PieGeometry, AGhostSliceUsesUpAColourTurn) {
    double total;
    const auto entries = Entries({"5 a", "20 b", "-10 free"}, &total);
    const auto slices = PlanSlices(entries, total, 300, 300, 6);
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(entries.Text(static_cast<std::size_t>(slices[0].Entry)), "20 b");
    EXPECT_EQ(entries.Text(static_cast<std::size_t>(slices[1].Entry)), "-10 free");
    EXPECT_EQ(Slots(slices), (std::vector<int>{0, -1, 2}));
    EXPECT_EQ(slices[0].From, (PiePoint{150 + RayLength, 150}));
    EXPECT_EQ(slices[1].From, slices[0].To);
}

TEST(PieGeometry, TheFirstSliceOf0007RadiansOrLessEndsThePie) {
    // A total of 2 pi x 100 makes each sweep a hundredth of the value.
    const double total = TwoPi * 100;
    const TChartEntries entries(TStringListWithDouble{{"500 big", {nullptr, 500}},
                                                      {"0.71 fits", {nullptr, 0.71}},
                                                      {"0 zero", {nullptr, 0}},
                                                      {"0.69 ends", {nullptr, 0.69}},
                                                      {"0.8 later", {nullptr, 0.8}}});
    const auto slices = PlanSlices(entries, total, 200, 200, 6);
    ASSERT_EQ(slices.size(), 2u) << "nothing from the first too-narrow slice on";
    EXPECT_EQ(slices[1].Entry, 1);
    EXPECT_DOUBLE_EQ(slices[1].Start, 5);
}

TEST(PieGeometry, OnlySlicesWiderThan013RadiansAreLabelled) {
    const double total = TwoPi * 100;
    const TChartEntries entries(TStringListWithDouble{{"x wide", {nullptr, 14}},    // 0.14 rad
                                                      {"x narrow", {nullptr, 10}},  // 0.10 rad
                                                      {"42", {nullptr, 600}}});     // no name
    const auto slices = PlanSlices(entries, total, 200, 200, 6);
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_TRUE(slices[0].Labelled);
    EXPECT_FALSE(slices[1].Labelled);
    EXPECT_FALSE(slices[2].Labelled) << "an entry without a name has no label";
}

TEST(PieGeometry, ZeroEntriesAreSkippedAndTwelveSlicesReuseEightColours) {
    std::vector<std::string> texts = {"0 .."};
    for (int i = 0; i < 12; ++i)
        texts.push_back(std::to_string(100 - i) + " e" + std::to_string(i));
    double total;
    const auto entries = Entries(texts, &total);
    EXPECT_EQ(Slots(PlanSlices(entries, total, 200, 200, 8)),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3}));
    // With no colours in use the default six take their turns.
    EXPECT_EQ(Slots(PlanSlices(entries, total, 200, 200, 0)),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5}));
}

TEST(PieGeometry, ASingleEntryFillsThePieWithItsLabelLeftOfTheCentre) {
    double total;
    const auto entries = Entries({"7 only"}, &total);
    const auto slices = PlanSlices(entries, total, 200, 200, 6);
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].From, slices[0].To);
    EXPECT_EQ(slices[0].ColourSlot, 0);
    const PiePoint label = LabelPosition(slices[0].Start, slices[0].End, 30, 12, 200, 200);
    EXPECT_LT(label.X + 15, 100);
    EXPECT_EQ(label.Y + 6, 100);
}

TEST(PieGeometry, PlacesALabelInsideTheRimOnItsMiddleRay) {
    EXPECT_EQ(LabelPosition(0, Pi / 2, 40, 14, 300, 300), (PiePoint{223, 50}));
}

TEST(PieGeometry, ALabelTooWideForItsPlaceKeepsOnlyWhatFitsInsideTheRim) {
    EXPECT_EQ(LabelWidthThatFits(0, Pi / 2, 40, 14, 300, 300), 40) << "the worked example";
    // A 200-character name on a top-half slice.
    const int fits = LabelWidthThatFits(Pi / 3, 2 * Pi / 3, 1400, 14, 300, 300);
    ASSERT_GT(fits, 0);
    const PiePoint at = LabelPosition(Pi / 3, 2 * Pi / 3, fits, 14, 300, 300);
    EXPECT_GE(at.X, 0);
    EXPECT_LE(at.X + fits, 300);
    EXPECT_LE(at.Y + 14, 151) << "it stays on its own slice's side of the centre";
    // A single entry's label, left of the centre: no wider than the radius.
    EXPECT_LE(LabelWidthThatFits(0, 2 * Pi, 400, 14, 300, 300), 151);
}

TEST(PieGeometry, AngleOfAPointAroundTheCentre) {
    EXPECT_DOUBLE_EQ(PointAngle(0, 0), Pi / 2);
    EXPECT_DOUBLE_EQ(PointAngle(0, -3), -Pi / 2);
    EXPECT_DOUBLE_EQ(PointAngle(2, 0), 0);
    EXPECT_DOUBLE_EQ(PointAngle(-2, 0), Pi);
    EXPECT_DOUBLE_EQ(PointAngle(1, 1), Pi / 4);
    EXPECT_DOUBLE_EQ(PointAngle(-1, 1), 3 * Pi / 4);
    EXPECT_DOUBLE_EQ(PointAngle(-1, -1), -3 * Pi / 4);
    EXPECT_DOUBLE_EQ(PointAngle(1, -1), -Pi / 4);
}

TEST(PieGeometry, HitsTheSliceWhoseOpenRangeHoldsThePoint) {
    // Two halves: upper half is entry 0 (0 to pi), lower half entry 1.
    const TChartEntries entries(
        TStringListWithDouble{{"1 up", {nullptr, 1}}, {"1 down", {nullptr, 1}}});
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 50, 20), 0);
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 50, 80), 1);
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 80, 50), std::nullopt) << "exactly at angle 0";
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 20, 50), std::nullopt) << "on the boundary at pi";
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 50, 50), 0) << "the centre counts as pi / 2";
    EXPECT_EQ(HitEntry(entries, 2, 100, 100, 50, 0), std::nullopt) << "on the radius: outside";
    EXPECT_EQ(HitEntry(entries, 0, 100, 100, 50, 20), std::nullopt);
    EXPECT_EQ(HitEntry({}, 2, 100, 100, 50, 20), std::nullopt);
    // Taller than wide: the radius is half the width.
    EXPECT_EQ(HitEntry(entries, 2, 100, 300, 50, 150 - 45), 0);
    EXPECT_EQ(HitEntry(entries, 2, 100, 300, 50, 150 - 60), std::nullopt);
}

TEST(PieGeometry, TinyEntriesPastTheLastSliceAreStillHit) {
    const TChartEntries entries(
        TStringListWithDouble{{"999 big", {nullptr, 999}}, {"1 tiny", {nullptr, 1}}});
    // The tiny entry's range is the last 0.0063 radians before a full turn.
    const double a = TwoPi - 0.003;
    const int x = 500 + static_cast<int>(std::lround(std::cos(a) * 400));
    const int y = 500 - static_cast<int>(std::lround(std::sin(a) * 400));
    EXPECT_EQ(HitEntry(entries, 1000, 1000, 1000, x, y), 1);
}

}  // namespace
}  // namespace quillet
