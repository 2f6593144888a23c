// Where the main window puts its chart, list, label and buttons for a given window size: the
// chart stays square and as large as the window allows, the list beside it.
#pragma once

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

}  // namespace quillet
