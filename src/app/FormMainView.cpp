// The folder view: one list of the tree as chart, rows, status bar, caption and "Max path: "
// label, and the ways of moving through the tree.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/FormMain.h"
#include "app/LocalePunctuation.h"
#include "app/SliceHint.h"
#include "app/ToolTipText.h"
#include "chart/zebPieChart.h"
#include "listing/GrowthEntries.h"
#include "scan/ShownName.h"

namespace quillet {
void TMainForm::ShowFolder(TFolderList* list) {
    if (!list) return;
    ShownList = list;
    lblMaxFileNameLength->setText(QString::fromStdString(MaxPathCaption(list->LongestPathLength)));
    lblMaxFileNameLength->setToolTip(
        ToolTipText(QString::fromUtf8(MaxPathHint(list->LongestPathLength, list->LongestPath()))));
    if (Earlier_) {
        PieChart1->SetGrowthEntries(
            GrowthEntries(*list, *Earlier_, Settings.DisplayMode, Settings.DisplayUnits));
    } else {
        PieChart1->SetEntries(FolderEntries(*list, Settings.DisplayMode, Settings.DisplayUnits));
    }

    const NumberPunctuation punctuation = LocalePunctuation();
    StatusPanels[0]->setText(QString::fromUtf8(
        TotalSizeText(*list, Settings.DisplayMode, Settings.DisplayUnits, punctuation)));
    FitStatusPanel(0);
    UpdateStatusCounts(*list, list->Path());
    const std::string freeSpace = FreeSpaceSuffix(FreeSpace, Settings.DisplayUnits, punctuation);
    if (FreeSpace > 0 && !freeSpace.empty()) {
        StatusPanels[0]->setText(StatusPanels[0]->text() + QString::fromUtf8(freeSpace));
        FitStatusPanel(0);
    }
    if (Earlier_) {
        const double growth =
            FolderGrowth(*list, *Earlier_, Settings.DisplayMode, Settings.DisplayUnits);
        StatusPanels[0]->setText(
            StatusPanels[0]->text() +
            QString::fromUtf8(GrowthSuffix(growth, Settings.DisplayUnits, punctuation,
                                           EarlierName_.toStdString())));
        FitStatusPanel(0);
    }
    // A cancelled scan leaves a tree that looks whole: the totals say that they are not.
    if (ScanPartial_) {
        StatusPanels[0]->setText(StatusPanels[0]->text() + QStringLiteral("  (partial scan)"));
        FitStatusPanel(0);
    }
    // So do folders that could not be read: their sizes are missing from every total above.
    if (FoldersNotRead_ > 0) {
        StatusPanels[0]->setText(StatusPanels[0]->text() + QStringLiteral("  (incomplete scan)"));
        StatusPanels[0]->setToolTip(
            QStringLiteral("Folders not read in full: %1").arg(FoldersNotRead_) +
            FoldersNotReadText_);
        FitStatusPanel(0);
    } else {
        StatusPanels[0]->setToolTip({});
    }
    QString caption = QStringLiteral("Quillet - ") + QString::fromUtf8(ShownName(list->Path()));
    if (!ScanFile_.empty())
        caption += QStringLiteral(" (scan file ") + QString::fromUtf8(ShownName(ScanFile_)) + ')';
    setWindowTitle(caption);
    BitBtnUp->setEnabled(list->Parent != nullptr);
}

QString TMainForm::PieChart1Hint(const TChartEntry& entry) const {
    // Mid-scan the tree the entries point into may be gone (the chart is emptied then too).
    if (Scanning) return {};
    const auto* node = static_cast<const TFolderData*>(entry.Record.Obj);
    if (!node) return {};
    const NumberPunctuation punctuation = LocalePunctuation();
    std::string hint = SliceHint(*node, Settings.DisplayMode, Settings.DisplayUnits, punctuation);
    // A slice of a comparison is the entry's growth, which the hint then says too.
    if (Earlier_ && !hint.empty()) {
        const std::string growth =
            GrowthSuffix(entry.Record.Value * UnitDivisor(Settings.DisplayUnits),
                         Settings.DisplayUnits, punctuation, EarlierName_.toStdString());
        hint += "\n" + growth.substr(growth.find_first_not_of(' '));
    }
    return ToolTipText(QString::fromUtf8(hint));
}

void TMainForm::ShowNode(const TFolderData* node) {
    if (!node) return;
    if (node->Children()) {
        ShowFolder(node->Children());
    } else if (TFolderList* parent = ParentList(node)) {
        ShowFolder(parent);
    }
}

void TMainForm::UpdateStatusCounts(const TFolderList& list, const std::string& text) {
    const NumberPunctuation punctuation = LocalePunctuation();
    statusBar()->setUpdatesEnabled(false);
    StatusPanels[1]->setText(QString::fromUtf8(FilesText(list.FileCount, punctuation)));
    StatusPanels[2]->setText(QString::fromUtf8(FoldersText(list.FolderCount, punctuation)));
    StatusPath_ = QStringLiteral(" ") + QString::fromUtf8(ShownName(text));
    StatusPanels[3]->setText(StatusPath_);
    StatusPanels[3]->setToolTip(ToolTipText(StatusPath_.trimmed()));
    statusBar()->setUpdatesEnabled(true);
    for (int i = 1; i <= 3; ++i)
        FitStatusPanel(i);
}

void TMainForm::FitStatusPanel(int index) {
    QLabel* panel = StatusPanels[static_cast<std::size_t>(index)];
    const QFontMetrics metrics(panel->font());
    // The path panel may show its text shortened: it asks for the whole.
    const QString text = index == 3 ? StatusPath_ : panel->text();
    StatusPanelWidths_[static_cast<std::size_t>(index)] =
        metrics.horizontalAdvance(text + QStringLiteral("     "));
    LayOutStatusPanels();
}

namespace {

const TFolderData* RowNode(const TChartListBox& list, int row) {
    if (row < 0 || row >= list.Items().Count()) return nullptr;
    return static_cast<const TFolderData*>(list.Items().Row(row).Obj);
}

}  // namespace

void TMainForm::ListBox1DblClick() {
    ShowNode(RowNode(*ListBox1, ListBox1->currentIndex().row()));
}

void TMainForm::PieChart1DblClick() {
    ShowNode(static_cast<const TFolderData*>(PieChart1->HitObject()));
}

void TMainForm::BitBtnUpClick() {
    // Not through the first row, which may be an entry that is gone (while comparing).
    if (ShownList && ShownList->Parent) ShowFolder(ShownList->Parent);
}

void TMainForm::ListBox1Click() {
    ListBox1->setContextMenuPolicy(Qt::NoContextMenu);
    const int row = ListBox1->currentIndex().row();
    if (row < 0 || row >= ListBox1->Items().Count()) return;
    SelectedName = std::string(SplitEntryText(ListBox1->Items().Row(row).Text).Name);
    SelectedNode_ = RowNode(*ListBox1, row);
    ListBox1->setToolTip(
        ToolTipText(QString::fromUtf8(SelectedName)));  // shown as the row shows it
    // An entry that is gone (while comparing) has no node: nothing may act on it.
    if (SelectedNode_) ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TMainForm::cbxUnitsChange() {
    const int index = cbxUnits->currentIndex();
    if (index >= 0 && index <= 5) Settings.DisplayUnits = static_cast<TSizeUnit>(index);
    ShowFolder(ShownList);  // nothing while a scan runs: the new root shows in the new unit
}

void TMainForm::cbxDisplayChange() {
    const int index = cbxDisplay->currentIndex();
    if (index >= 0 && index <= 2) Settings.DisplayMode = static_cast<TDisplayMode>(index);
    ShowFolder(ShownList);
}

}  // namespace quillet
