// The options dialog seen from the main window: the settings go in before it opens, and after
// OK each change takes effect at once, by a rescan, a redisplay or a redraw as it needs. The
// View menu's free-space item is a short way to the dialog's free-space check box.
#include <QComboBox>
#include <QToolButton>

#include "app/FileTypesView.h"
#include "app/FormMain.h"
#include "app/TreeViews.h"
#include "chart/zebPieChart.h"
#include "settings/OptnDlg.h"

namespace quillet {

void TMainForm::Options1Click() {
    TOptionsDialog& dialog = *OptionsDialog;
    dialog.DisplayMode = static_cast<std::uint8_t>(Settings.DisplayMode);
    dialog.DisplayUnits = static_cast<std::uint8_t>(Settings.DisplayUnits);
    dialog.DisplayCompressed = Settings.DisplayCompressed;
    dialog.DisplaySparse = Settings.DisplaySparse;
    dialog.PieFont = PieChart1->font();
    dialog.ChartColours = PieChart1->Colours();
    dialog.ListFont = ListBox1->font();
    dialog.RightClickFolder = Settings.RightClickFolder;
    dialog.DisplayFreeDiskSpace = Settings.DisplayFreeDiskSpace;
    dialog.RepeatedScan = Settings.RepeatedScan;
    dialog.RepeatInterval = Settings.RepeatInterval;
    dialog.CompareRepeatedScans = Settings.CompareRepeatedScans;
    if (RunOptionsDialog(dialog) != QDialog::Accepted) return;

    // 1. The repeat timer.
    Settings.RepeatedScan = dialog.RepeatedScan;
    Settings.RepeatInterval = dialog.RepeatInterval;
    Settings.CompareRepeatedScans = dialog.CompareRepeatedScans;
    SetRepeatTimer();

    // 2. The file managers' entry.
    if (dialog.RightClickFolder != Settings.RightClickFolder) {
        Settings.RightClickFolder = dialog.RightClickFolder;
        if (Services_.FolderMenu)
            RegisterFolderMenu(Settings.RightClickFolder, *Services_.FolderMenu);
    }

    const auto takeModeAndUnits = [&] {
        Settings.DisplayMode = static_cast<TDisplayMode>(dialog.DisplayMode);
        Settings.DisplayUnits = static_cast<TSizeUnit>(dialog.DisplayUnits);
        SelectModeAndUnits();
    };
    // 3. The free space changes what a scan finds: scan again.
    if (dialog.DisplayFreeDiskSpace != Settings.DisplayFreeDiskSpace) {
        Settings.DisplayFreeDiskSpace = dialog.DisplayFreeDiskSpace;
        Settings.DisplayCompressed = dialog.DisplayCompressed;
        Settings.DisplaySparse = dialog.DisplaySparse;
        takeModeAndUnits();
        StartScan();
    }

    // 4, 5. Fonts, when their buttons were used.
    if (dialog.ListFontChosen) ListBox1->setFont(dialog.ListFont);
    if (dialog.PieFontChosen) PieChart1->setFont(dialog.PieFont);
    // 6. Colours.
    if (PieChart1->Colours() != dialog.ChartColours) PieChart1->SetColours(dialog.ChartColours);
    Views->FileTypes()->CopyChartLook(*PieChart1);  // its pie looks like the window's

    // 7. Compressed or sparse sizes change what a scan finds; mode and units only the display.
    if (dialog.DisplayCompressed != Settings.DisplayCompressed ||
        dialog.DisplaySparse != Settings.DisplaySparse) {
        Settings.DisplayCompressed = dialog.DisplayCompressed;
        Settings.DisplaySparse = dialog.DisplaySparse;
        takeModeAndUnits();
        StartScan();
    } else if (dialog.DisplayMode != static_cast<std::uint8_t>(Settings.DisplayMode) ||
               dialog.DisplayUnits != static_cast<std::uint8_t>(Settings.DisplayUnits)) {
        takeModeAndUnits();
        ShowFolder(ShownList);
    }
}

void TMainForm::ShowFreeSpace1Click() {
    // As OK in the options dialog with only its check box changed: showing the free space
    // forces the allocated size, and the tree is scanned again.
    Settings.DisplayFreeDiskSpace = !Settings.DisplayFreeDiskSpace;
    ShowFreeSpace1->setChecked(Settings.DisplayFreeDiskSpace);
    if (Settings.DisplayFreeDiskSpace) Settings.DisplayMode = TDisplayMode::dmAllocated;
    SelectModeAndUnits();
    StartScan();
}

void TMainForm::SelectModeAndUnits() {
    cbxUnits->setCurrentIndex(static_cast<int>(Settings.DisplayUnits));
    cbxDisplay->setCurrentIndex(static_cast<int>(Settings.DisplayMode));
}

}  // namespace quillet
