// The main window in the desktop's colours: whatever the palette is at start and whenever the
// desktop changes it (a switch to a dark theme), the chart's background and ghost slices are
// the window's colour, text in system colours follows the theme, and every text of ours
// reads on what is behind it.
#include <QLabel>

#include "app/FileTypesView.h"
#include "app/FormMain.h"
#include "app/TreeViews.h"
#include "chart/ContrastColour.h"
#include "chart/zebPieChart.h"

namespace quillet {

void TMainForm::FollowPalette() {
    PieChart1->SetGhostColour(RefFromColour(palette().color(QPalette::Window)));
    ShowFontColours();
    PieChart1->update();
    ShowIndicatorColour();
    if (Views->IsOpen(TTreeViews::kFileTypes)) Views->FileTypes()->CopyChartLook(*PieChart1);
}

void TMainForm::ShowIndicatorColour() {
    if (!IndicatorColour_) return;
    // The window's colour is behind it: the label's own palette may not have followed yet.
    const QColor window = palette().color(QPalette::Window);
    QPalette caption = lblCompressed->palette();
    caption.setColor(QPalette::WindowText,
                     ColourFromRef(ReadableRef(*IndicatorColour_, RefFromColour(window))));
    lblCompressed->setPalette(caption);
}

}  // namespace quillet
