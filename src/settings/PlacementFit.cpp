#include "settings/PlacementFit.h"

#include <algorithm>

namespace quillet {
namespace {

// X11 and most window systems keep coordinates and sides in 16 bits.
constexpr std::int32_t kMaxSide = 32767;
constexpr std::int32_t kMinCoordinate = -32768;
constexpr std::int32_t kMaxCoordinate = 32767;
constexpr std::int32_t kMaxFrame = 512;  // more than any window manager's border and title

std::optional<std::int32_t> Side(std::optional<std::int32_t> value) {
    if (value && *value >= 1 && *value <= kMaxSide) return value;
    return std::nullopt;
}

std::optional<std::int32_t> Coordinate(std::optional<std::int32_t> value) {
    if (value && *value >= kMinCoordinate && *value <= kMaxCoordinate) return value;
    return std::nullopt;
}

// The frame's share of the outer size; assumed when the stored sizes do not tell.
int FrameExtra(std::optional<std::int32_t> outer, std::optional<std::int32_t> client, int assumed) {
    if (!Side(outer) || !Side(client)) return assumed;
    const std::int32_t extra = *outer - *client;
    return extra >= 0 && extra <= kMaxFrame ? extra : assumed;
}

std::int64_t OverlapArea(const QRect& a, const QRect& b) {
    const std::int64_t width =
        std::min<std::int64_t>(std::int64_t{a.x()} + a.width(), std::int64_t{b.x()} + b.width()) -
        std::max(a.x(), b.x());
    const std::int64_t height =
        std::min<std::int64_t>(std::int64_t{a.y()} + a.height(), std::int64_t{b.y()} + b.height()) -
        std::max(a.y(), b.y());
    return width > 0 && height > 0 ? width * height : 0;
}

// Keeps [start, start + length) within [low, low + room), the start winning when it cannot.
int FitRange(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

TPlacementFit FitPlacement(const TStoredPlacement& stored, const TPlacementFit& design,
                           QSize minimum, const std::vector<QRect>& availableScreens) {
    TPlacementFit fit;
    fit.FramePosition = QPoint(Coordinate(stored.Left).value_or(design.FramePosition.x()),
                               Coordinate(stored.Top).value_or(design.FramePosition.y()));
    fit.Client = QSize(Side(stored.ClientWidth).value_or(design.Client.width()),
                       Side(stored.ClientHeight).value_or(design.Client.height()))
                     .expandedTo(minimum);
    if (availableScreens.empty()) return fit;

    const QSize frame(FrameExtra(stored.Width, stored.ClientWidth, kAssumedFrame.width()),
                      FrameExtra(stored.Height, stored.ClientHeight, kAssumedFrame.height()));
    const QRect outer(fit.FramePosition, fit.Client + frame);
    const QRect* screen = &availableScreens.front();
    std::int64_t best = 0;
    for (const QRect& candidate : availableScreens) {
        const std::int64_t area = OverlapArea(outer, candidate);
        if (area > best) {
            best = area;
            screen = &candidate;
        }
    }
    fit.Client = fit.Client.boundedTo(screen->size() - frame).expandedTo(QSize(1, 1));
    const QSize outerSize = fit.Client + frame;
    fit.FramePosition =
        QPoint(FitRange(fit.FramePosition.x(), outerSize.width(), screen->x(), screen->width()),
               FitRange(fit.FramePosition.y(), outerSize.height(), screen->y(), screen->height()));
    return fit;
}

QSize FitDialogSize(QSize wanted, const QRect& available) {
    return wanted.boundedTo(available.size() - kAssumedFrame).expandedTo(QSize(1, 1));
}

}  // namespace quillet
