// Where the main window puts its chart, list, label and buttons for a given window size: the
// chart stays square and as large as the window allows, the list beside it. And how wide the
// status bar's panels are, all inside the window.
#pragma once

#include <array>

namespace quillet {

struct TMainLayoutInput {
    int WindowWidth = 0;   // outer width, frame included
    int ClientHeight = 0;  // height inside the frame, below the menu bar
    int SpeedPanelHeight = 34;
    int StatusBarHeight = 24;
    int LabelHeight = 0;   // the "Max path: " label
    int ButtonHeight = 0;  // Cancel, Up and Exit share one row
};

struct TMainLayout {
    int ChartLeft = 5, ChartTop = 37, ChartSize = 0;
    int ListLeft = 0, ListWidth = 0;
    int LabelTop = 0;
    int ButtonTop = 0;
};

TMainLayout LayOutMainWindow(const TMainLayoutInput& input);

// One panel of the status bar: the width it asks for (its text and a margin) and the least
// that still shows its text whole; for the path panel, the least it can be shortened to.
struct TStatusPanelSpace {
    int Wanted = 0;
    int Least = 0;
};

// The panels' widths side by side in a bar of the given width, a gap after each. The path
// panel, the last, takes the room left; when that is short of its least, the panels before it
// give up their margins. No panel reaches past the bar's right edge.
std::array<int, 4> StatusPanelWidths(const std::array<TStatusPanelSpace, 4>& panels, int barWidth,
                                     int gap);

}  // namespace quillet
