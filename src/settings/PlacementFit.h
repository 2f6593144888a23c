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

// A value that cannot be a window (a side of 0 or beyond what a window system can map, a
// corner beyond its coordinates) counts as absent and the design value takes its place.
// The outer size less the client size, when plausible, gives the frame the window manager
// draws. On the screen the window overlaps most (else the first, the primary one), the size
// shrinks to the screen's available area first, then the position moves the window onto it.
// minimum is the client size the window is held to; a screen smaller than that wins.
TPlacementFit FitPlacement(const TStoredPlacement& stored, const TPlacementFit& design,
                           QSize minimum, const std::vector<QRect>& availableScreens);

}  // namespace quillet
