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

}  // namespace quillet
