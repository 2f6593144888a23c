// Where the main window puts its chart, list, label and buttons for a given window size: the
// chart stays square and as large as the window allows, the list beside it. And how wide the
// status bar's panels are, all inside the window.
#pragma once

#include <array>
#include <vector>

namespace quillet {

struct TMainLayoutInput {
    int WindowWidth = 0;   // outer width, frame included
    int ClientHeight = 0;  // height inside the frame, below the menu bar
    int SpeedPanelHeight = 34;
    int StatusBarHeight = 24;
    int LabelHeight = 0;      // the "Max path: " label
    int ButtonHeight = 0;     // Cancel, Up and Exit share one row
    bool ViewsShown = false;  // the views' panel takes the lower part of the chart's room
};

struct TMainLayout {
    int ChartLeft = 5, ChartTop = 37, ChartSize = 0;
    int ListLeft = 0, ListWidth = 0;
    int ListTop = 40, ListHeight = 0;
    int ViewsLeft = 5, ViewsTop = 0, ViewsWidth = 0, ViewsHeight = 0;  // 0 high when not shown
    int LabelTop = 0;
    int ButtonTop = 0;
};

TMainLayout LayOutMainWindow(const TMainLayoutInput& input);

// One panel of the status bar: the width it asks for (its whole text and a margin), the
// least that still shows a readable part of it (a shorter form, a shortened path; for the
// counts their whole text), and the least it can be shortened to at all (an ellipsis).
struct TStatusPanelSpace {
    int Wanted = 0;
    int Readable = 0;
    int Least = 0;
};

// The panels' widths side by side in a bar of the given width, a gap after each. Every panel
// gets its least; then, as far as the room goes, its readable width, and then what it wants:
// the counts first, then the total, then the path. When not even the least widths fit, the
// panels are cut at the bar's right edge; none reaches past it.
std::array<int, 4> StatusPanelWidths(const std::array<TStatusPanelSpace, 4>& panels, int barWidth,
                                     int gap);

// One control of the tool panel, left to right: where the design puts it, how wide it is
// there, and how wide it is now (its text in the desktop's font and the user's language).
struct TPanelItem {
    int DesignLeft = 0;
    int DesignWidth = 0;
    int Width = 0;
};

// The controls' lefts: each at its design place, or further right when what stands before
// it is wider now, keeping the design's gap after each; nothing moves left.
std::vector<int> PanelLefts(const std::vector<TPanelItem>& items);

}  // namespace quillet
