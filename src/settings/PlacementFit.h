// Fitting a stored window placement to the screens the window comes back on. Stored values
// may come from another screen set-up, another scale factor or a hand edit; what comes back
// is always a window that lies wholly on one screen's available area, where possible.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

namespace quillet {

struct TStoredPlacement {
    std::optional<std::int32_t> Left, Top;                  // the frame's top-left corner
    std::optional<std::int32_t> Width, Height;              // outer size, frame included
    std::optional<std::int32_t> ClientWidth, ClientHeight;  // size inside the frame
};

struct TPlacementFit {
    QPoint FramePosition;
    QSize Client;
};

// The frame a window manager is taken to draw while the window's own is not known (a first
// start, a dialog not shown yet): as wide as common borders and as high as a title bar at
// twice the usual size, Qt's own guess when it places a dialog.
inline constexpr QSize kAssumedFrame(10, 40);

// A value that cannot be a window (a side of 0 or beyond what a window system can map, a
// corner beyond its coordinates) counts as absent and the design value takes its place.
// The outer size less the client size, when plausible, gives the frame the window manager
// draws; kAssumedFrame stands for it when the stored sizes do not tell. On the screen the window
// overlaps most (else the first, the primary one), the size shrinks to the screen's available area
// first, then the position moves the window onto it. minimum is the client size the window is held
// to; a screen smaller than that wins.
TPlacementFit FitPlacement(const TStoredPlacement& stored, const TPlacementFit& design,
                           QSize minimum, const std::vector<QRect>& availableScreens);

// The size a dialog that wants wanted gets on a screen whose available area is available:
// no larger than the area less kAssumedFrame, so that its buttons stay in reach at any scale.
QSize FitDialogSize(QSize wanted, const QRect& available);

}  // namespace quillet
