#include "app/MainLayout.h"

#include <algorithm>

namespace quillet {

TMainLayout LayOutMainWindow(const TMainLayoutInput& in) {
    TMainLayout layout;
    layout.ChartSize =
        std::max(0, std::min(in.WindowWidth - 235,
                             in.ClientHeight - in.SpeedPanelHeight - in.StatusBarHeight - 12));
    layout.ListLeft = layout.ChartLeft + layout.ChartSize + 8;
    layout.ListWidth = std::max(0, in.WindowWidth - layout.ListLeft - 16);
    const int y = in.ClientHeight - in.StatusBarHeight;
    layout.LabelTop = y - in.LabelHeight - 4;
    layout.ButtonTop = y - in.ButtonHeight - 4;
    return layout;
}

std::array<int, 4> StatusPanelWidths(const std::array<TStatusPanelSpace, 4>& panels, int barWidth,
                                     int gap) {
    std::array<int, 4> widths{};
    int before = 0;  // the panels before the path, gaps included
    for (std::size_t i = 0; i < 3; ++i) {
        widths[i] = panels[i].Wanted;
        before += widths[i] + gap;
    }
    int lack = before + panels[3].Least - barWidth;
    for (std::size_t i = 0; i < 3 && lack > 0; ++i) {
        const int given = std::clamp(widths[i] - panels[i].Least, 0, lack);
        widths[i] -= given;
        lack -= given;
    }
    widths[3] = panels[3].Wanted;
    int x = 0;
    for (int& width : widths) {
        width = std::clamp(width, 0, std::max(0, barWidth - x));
        x += width + gap;
    }
    return widths;
}

}  // namespace quillet
