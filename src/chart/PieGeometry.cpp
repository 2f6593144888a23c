#include "chart/PieGeometry.h"

#include <algorithm>
#include <cmath>

namespace quillet {

int RoundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

PiePoint PointAt(int cx, int cy, double angle, double distance) {
    return {cx + RoundHalfEven(std::cos(angle) * distance),
            cy - RoundHalfEven(std::sin(angle) * distance)};
}

std::vector<PieSlice> PlanSlices(const TChartEntries& entries, double total, int width, int height,
                                 int numColours) {
    std::vector<PieSlice> slices;
    if (!(total > 0)) return slices;
    // With no colours in use (a colour text that failed to read) the default six stand in,
    // so the pie still shows its slices apart.
    const int turns = numColours > 0 ? numColours : 6;
    const int cx = width / 2, cy = height / 2;
    double s = 0;
    PiePoint p{cx + RayLength, cy};
    int k = 0;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const double value = entries.Record(static_cast<std::size_t>(i)).Value;
        if (value == 0) continue;
        const double w = TwoPi * value / total;
        if (!(w > MinSliceAngle)) break;
        PieSlice slice;
        slice.Entry = i;
        slice.Start = s;
        slice.End = s + w;
        slice.From = p;
        slice.To = PointAt(cx, cy, slice.End, RayLength);
        const std::string text = entries.Text(static_cast<std::size_t>(i));
        slice.ColourSlot = text.starts_with('-') ? -1 : k;
        slice.Labelled = w > MinLabelAngle && !SplitEntryText(text).Name.empty();
        k = (k + 1) % turns;
        slices.push_back(slice);
        s = slice.End;
        p = slice.To;
    }
    return slices;
}

PiePoint LabelPosition(double start, double end, int textWidth, int textHeight, int width,
                       int height) {
    const int cx = width / 2, cy = height / 2;
    const int r = std::min(width, height) / 2;
    const int hw = textWidth / 2, hh = textHeight / 2;
    const double m = (start + end) / 2;
    const PiePoint rim = PointAt(cx, cy, m, r);
    int farthest = 0;
    for (const PiePoint corner :
         {PiePoint{rim.X - hw, rim.Y - hh}, PiePoint{rim.X + hw, rim.Y - hh},
          PiePoint{rim.X - hw, rim.Y + hh}, PiePoint{rim.X + hw, rim.Y + hh}}) {
        const double dx = corner.X - cx, dy = corner.Y - cy;
        farthest = std::max(farthest, RoundHalfEven(std::sqrt(dx * dx + dy * dy)));
    }
    const int d = 2 * r - farthest;
    const PiePoint centre = PointAt(cx, cy, m, d);
    return {centre.X - hw, centre.Y - hh};
}

namespace {

bool LabelFits(double start, double end, int textWidth, int textHeight, int width, int height) {
    const int cx = width / 2, cy = height / 2;
    const int r = std::min(width, height) / 2;
    const double grazing = 2 + r / 16.0;
    const double m = (start + end) / 2;
    const PiePoint at = LabelPosition(start, end, textWidth, textHeight, width, height);
    for (const int x : {at.X, at.X + textWidth}) {
        for (const int y : {at.Y, at.Y + textHeight}) {
            const double dx = x - cx, dy = cy - y;
            if (std::sqrt(dx * dx + dy * dy) > r + grazing) return false;
            // Not across the centre, into the slices on the other side.
            if (dx * std::cos(m) + dy * std::sin(m) < -1) return false;
        }
    }
    return true;
}

}  // namespace

int LabelWidthThatFits(double start, double end, int textWidth, int textHeight, int width,
                       int height) {
    if (textWidth <= 0 || LabelFits(start, end, textWidth, textHeight, width, height))
        return std::max(textWidth, 0);
    int fits = 0, fails = textWidth;
    while (fails - fits > 1) {
        const int middle = fits + (fails - fits) / 2;
        if (LabelFits(start, end, middle, textHeight, width, height)) {
            fits = middle;
        } else {
            fails = middle;
        }
    }
    return fits;
}

PieBox SliceBox(double start, double end, int width, int height) {
    const int cx = width / 2, cy = height / 2;
    const int r = std::min(width, height) / 2;
    int left = cx, top = cy, right = cx, bottom = cy;
    const auto take = [&](double angle) {
        const PiePoint p = PointAt(cx, cy, angle, r);
        left = std::min(left, p.X);
        top = std::min(top, p.Y);
        right = std::max(right, p.X);
        bottom = std::max(bottom, p.Y);
    };
    take(start);
    take(end);
    // The rim's rightmost, top, leftmost and bottom points, where the arc passes them.
    for (int quarter = 1; quarter < 4; ++quarter) {
        const double angle = quarter * TwoPi / 4;
        if (start < angle && angle < end) take(angle);
    }
    // A rim point of an even-sized pie lies one past its last pixel: the box stays inside.
    return {left, top, std::min(right + 1, width), std::min(bottom + 1, height)};
}

double PointAngle(double dx, double dy) {
    constexpr double pi = TwoPi / 2;
    if (dx == 0) return dy >= 0 ? pi / 2 : -pi / 2;
    if (dy == 0) return dx > 0 ? 0 : pi;
    const double t = std::atan(std::fabs(dy / dx));
    if (dx > 0) return dy > 0 ? t : -t;
    return dy > 0 ? pi - t : -(pi - t);
}

std::optional<int> HitEntry(const TChartEntries& entries, double total, int width, int height,
                            int x, int y) {
    const double dx = x - width / 2;
    const double dy = height / 2 - y;
    // A chart taller than wide measures its radius by its width, as a square one does.
    const int radius = std::min(width, height) / 2;
    if (std::sqrt(dx * dx + dy * dy) >= radius || entries.empty() || !(total > 0))
        return std::nullopt;
    double a = PointAngle(dx, dy);
    if (a < 0) a += TwoPi;
    double b = 0;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const double w = TwoPi * entries.Record(static_cast<std::size_t>(i)).Value / total;
        if (b < a && a < b + w) return i;
        b += w;
    }
    return std::nullopt;
}

}  // namespace quillet
