#include "app/MainLayout.h"

#include <algorithm>

namespace quillet {

TMainLayout LayOutMainWindow(const TMainLayoutInput& in) {
    TMainLayout layout;
    const int y = in.ClientHeight - in.StatusBarHeight;
    layout.LabelTop = y - in.LabelHeight - 4;
    layout.ButtonTop = y - in.ButtonHeight - 4;
    layout.ListHeight = std::max(0, layout.ButtonTop - 6 - layout.ListTop);
    int chartRoom = in.ClientHeight - in.SpeedPanelHeight - in.StatusBarHeight - 12;
    if (in.ViewsShown) {
        // The views get the lower part, a little less than half, and the chart stays beside
        // the list above them.
        constexpr int kLeast = 120, kGap = 6;
        layout.ViewsHeight =
            std::min(layout.ListHeight, std::max(kLeast, layout.ListHeight * 45 / 100));
        layout.ListHeight = std::max(0, layout.ListHeight - layout.ViewsHeight - kGap);
        layout.ViewsTop = layout.ListTop + layout.ListHeight + kGap;
        chartRoom = layout.ListTop - layout.ChartTop + layout.ListHeight;
    }
    layout.ChartSize = std::max(0, std::min(in.WindowWidth - 235, chartRoom));
    layout.ListLeft = layout.ChartLeft + layout.ChartSize + 8;
    layout.ListWidth = std::max(0, in.WindowWidth - layout.ListLeft - 16);
    layout.ViewsWidth = std::max(0, layout.ListLeft + layout.ListWidth - layout.ViewsLeft);
    return layout;
}

std::array<int, 4> StatusPanelWidths(const std::array<TStatusPanelSpace, 4>& panels, int barWidth,
                                     int gap) {
    std::array<int, 4> widths{};
    int room = barWidth - 3 * gap;
    for (std::size_t i = 0; i < 4; ++i) {
        widths[i] = panels[i].Least;
        room -= widths[i];
    }
    const auto raise = [&](const std::array<std::size_t, 4>& order,
                           const int TStatusPanelSpace::*level) {
        for (const std::size_t i : order) {
            const int given = std::clamp(panels[i].*level - widths[i], 0, std::max(0, room));
            widths[i] += given;
            room -= given;
        }
    };
    raise({1, 2, 0, 3}, &TStatusPanelSpace::Readable);
    raise({1, 2, 0, 3}, &TStatusPanelSpace::Wanted);
    int x = 0;
    for (int& width : widths) {
        width = std::clamp(width, 0, std::max(0, barWidth - x));
        x += width + gap;
    }
    return widths;
}

std::vector<int> PanelLefts(const std::vector<TPanelItem>& items) {
    std::vector<int> lefts;
    for (std::size_t i = 0; i < items.size(); ++i) {
        int left = items[i].DesignLeft;
        if (i > 0) {
            const TPanelItem& before = items[i - 1];
            const int gap = items[i].DesignLeft - before.DesignLeft - before.DesignWidth;
            left = std::max(left, lefts.back() + before.Width + gap);
        }
        lefts.push_back(left);
    }
    return lefts;
}

}  // namespace quillet
