// The main window's settings: read once while the window is made, written at every close.
#include <QComboBox>
#include <QPalette>

#include "app/FormMain.h"
#include "chart/zebPieChart.h"
#include "settings/FontSettings.h"
#include "settings/SettingsKey.h"

namespace quillet {
namespace {

constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 1440;  // a day; also keeps minutes x 60,000 within 32 bits

}  // namespace

void TMainForm::LoadSettings() {
    TSettingsKey key;
    // The four byte-sized settings keep the low 8 bits of what is stored; out of range, the
    // mode and the units fall back to their defaults.
    Settings.DisplayCompressed =
        static_cast<std::uint8_t>(key.ReadInteger("Display compressed", 1));
    Settings.DisplaySparse = static_cast<std::uint8_t>(key.ReadInteger("Display sparse", 1));
    const auto mode = static_cast<std::uint8_t>(key.ReadInteger("Display mode", 1));
    Settings.DisplayMode = mode <= 2 ? static_cast<TDisplayMode>(mode) : TDisplayMode::dmAllocated;
    const auto units = static_cast<std::uint8_t>(key.ReadInteger("Display units", 1));
    Settings.DisplayUnits = units <= 5 ? static_cast<TSizeUnit>(units) : TSizeUnit::suKB;
    PieChart1->SetColours(
        key.ReadText("PieChartColours", QString::fromStdString(PieChart1->Colours()))
            .toStdString());
    // A list that does not read leaves the chart drawing in its default colours: those are
    // then its colours, which the options show and the close saves.
    if (PieChart1->NumColours() == 0) PieChart1->SetColours(ColourListText(TColourList{}));
    Settings.RightClickFolder = key.ReadBoolean("RightClickFolder", true);
    Settings.DisplayFreeDiskSpace = key.ReadBoolean("DisplayFreeDiskSpace", true);
    Settings.RepeatedScan = key.ReadBoolean("RepeatedScan", false);
    Settings.RepeatInterval =
        std::clamp(key.ReadInteger("RepeatInterval", 10), kMinInterval, kMaxInterval);
    Settings.CompareRepeatedScans = key.ReadBoolean("CompareRepeatedScans", false);

    cbxUnits->setCurrentIndex(static_cast<int>(Settings.DisplayUnits));
    cbxDisplay->setCurrentIndex(static_cast<int>(Settings.DisplayMode));

    TStoredFont chartFont{PieChart1->font(), PieChartFontColour_};
    LoadFont(key, "PieChartFont", chartFont);
    PieChart1->setFont(chartFont.Font);
    PieChartFontColour_ = chartFont.Colour;
    TStoredFont listFont{ListBox1->font(), ListboxFontColour_};
    LoadFont(key, "ListboxFont", listFont);
    ListBox1->setFont(listFont.Font);
    ListboxFontColour_ = listFont.Colour;
    ShowFontColours();
}

void TMainForm::ShowFontColours() {
    PieChart1->SetFontColour(ColorFromColourRef(PieChartFontColour_));
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Text, ColorFromColourRef(ListboxFontColour_));
    ListBox1->setPalette(palette);
}

void TMainForm::SaveSettings() {
    TSettingsKey key;
    SaveFont(key, "PieChartFont",
             {PieChart1->font(), KeptColourRef(PieChartFontColour_, PieChart1->FontColour())});
    SaveFont(key, "ListboxFont",
             {ListBox1->font(),
              KeptColourRef(ListboxFontColour_, ListBox1->palette().color(QPalette::Text))});
    key.WriteInteger("Display compressed", Settings.DisplayCompressed);
    key.WriteInteger("Display sparse", Settings.DisplaySparse);
    key.WriteInteger("Display mode", static_cast<int>(Settings.DisplayMode));
    key.WriteInteger("Display units", static_cast<int>(Settings.DisplayUnits));
    key.WriteText("PieChartColours", QString::fromStdString(PieChart1->Colours()));
    key.WriteBoolean("RightClickFolder", Settings.RightClickFolder);
    key.WriteBoolean("DisplayFreeDiskSpace", Settings.DisplayFreeDiskSpace);
    key.WriteBoolean("RepeatedScan", Settings.RepeatedScan);
    key.WriteInteger("RepeatInterval", Settings.RepeatInterval);
    key.WriteBoolean("CompareRepeatedScans", Settings.CompareRepeatedScans);
    key.Close();
}

}  // namespace quillet
