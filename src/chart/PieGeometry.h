// The pie's geometry without drawing: which entries get a slice and a label, where slices
// start and end, where a label goes, and which slice a point hits. The chart widget only
// draws what these functions work out, and tests check them directly.
//
// Angles are radians, 0 pointing right, growing counter-clockwise on the screen; the centre
// of a W x H chart is (W div 2, H div 2), and screen y grows downwards.
#pragma once

#include <optional>
#include <vector>

#include "listing/ChartEntries.h"

namespace quillet {

constexpr double TwoPi = 6.283185307179586477;
constexpr double MinSliceAngle = 0.007;  // the first slice this narrow or narrower ends the pie
constexpr double MinLabelAngle = 0.13;   // narrower slices are drawn but not labelled
constexpr int RayLength = 1000;          // slice edges are rays to points this far out

struct PiePoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PiePoint&) const = default;
};

// Nearest integer, an exact half going to the even one (2.5 gives 2, 3.5 gives 4).
int RoundHalfEven(double x);

// The point at angle a and distance d from the centre.
PiePoint PointAt(int cx, int cy, double angle, double distance);

struct PieSlice {
    int Entry = 0;        // index into the entries
    double Start = 0;     // s
    double End = 0;       // e = s + sweep
    PiePoint From;        // on the ray through s, RayLength out
    PiePoint To;          // on the ray through e
    int ColourSlot = -1;  // slot of the colour list; -1 for a ghost slice
    bool Labelled = false;
};

// The slices to draw, in the entries' order (largest first): entries of value 0 are skipped,
// and the first whose sweep is MinSliceAngle or less ends the list, so the cost does not grow
// with the number of tiny entries. A ghost entry (its text begins with "-") gets no colour but
// uses up a colour turn; turns go round numColours slots (six when numColours is 0).
std::vector<PieSlice> PlanSlices(const TChartEntries& entries, double total, int width, int height,
                                 int numColours);

// Top-left corner of a label of textWidth x textHeight for the slice from s to e: centred on
// the middle ray, pulled in from the rim by as much as its farthest corner would stick out.
PiePoint LabelPosition(double start, double end, int textWidth, int textHeight, int width,
                       int height);

// The widest label, at most textWidth wide and textHeight high, that LabelPosition places
// within the rim and on its own slice's side of the centre; 0 when not even a sliver fits.
// A corner may graze the rim by a few pixels, as placement on a slanting ray leaves it.
int LabelWidthThatFits(double start, double end, int textWidth, int textHeight, int width,
                       int height);

struct PieBox {
    int Left = 0;
    int Top = 0;
    int Right = 0;   // exclusive
    int Bottom = 0;  // exclusive
    bool operator==(const PieBox&) const = default;
};

// The smallest box that holds the slice from start to end of a W x H pie (radius half the
// smaller side): the centre, both ends of its arc, and the rim's extremes that lie between.
// Assistive technology is told where each slice is by it.
PieBox SliceBox(double start, double end, int width, int height);

// The angle of a point relative to the centre (dx right, dy up); the centre itself gives pi/2.
double PointAngle(double dx, double dy);

// The entry whose angular range holds the point (x, y), with both bounds excluded; none when
// the point lies outside the pie's radius (half the smaller side) or the total is not positive.
std::optional<int> HitEntry(const TChartEntries& entries, double total, int width, int height,
                            int x, int y);

}  // namespace quillet
