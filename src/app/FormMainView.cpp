// The folder view: one list of the tree as chart, rows, status bar, caption and "Max path: "
// label, and the ways of moving through the tree.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <cmath>

#include "app/FormMain.h"
#include "app/LocalePunctuation.h"
#include "app/SliceHint.h"
#include "app/StatusTexts.h"
#include "app/ToolTipText.h"
#include "chart/zebPieChart.h"
#include "listing/GrowthEntries.h"
#include "scan/ShownName.h"

namespace quillet {
void TMainForm::ShowFolder(TFolderList* list) {
    if (!list) return;
    const bool anotherFolder = list != ShownList;
    ShownList = list;
    lblMaxFileNameLength->setText(QString::fromStdString(MaxPathCaption(list->LongestPathLength)));
    lblMaxFileNameLength->setToolTip(
        ToolTipText(QString::fromUtf8(MaxPathHint(list->LongestPathLength, list->LongestPath()))));
    if (Earlier_) {
        PieChart1->SetGrowthEntries(
            GrowthEntries(*list, *Earlier_, Settings.DisplayMode, Settings.DisplayUnits));
    } else {
        const TDisplayMode mode = Settings.DisplayMode;
        const TSizeUnit unit = Settings.DisplayUnits;
        PieChart1->SetEntries([&] { return FolderEntryFigures(*list, mode, unit); },
                              [list, mode, unit](const TObjectAndDouble& entry) {
                                  return FolderEntryText(
                                      *list, *static_cast<const TFolderData*>(entry.Obj), mode,
                                      unit);
                              });
    }
    // Another folder's rows begin at its largest, not where the last folder's list was left.
    if (anotherFolder) ListBox1->scrollToTop();

    // The total with what is said of it: the free space, the change since the earlier scan
    // and the marks of a tree that is not whole. Shorter forms follow for a narrow bar: first
    // without the earlier scan's date, then without the free space, then without the change;
    // the marks stay to the last.
    const NumberPunctuation punctuation = LocalePunctuation();
    const QString total = QString::fromUtf8(
        TotalShownText(*list, Settings.DisplayMode, Settings.DisplayUnits, punctuation));
    const std::string freeSpaceText =
        FreeSpaceSuffix(FreeSpace, Settings.DisplayUnits, punctuation);
    const QString freeSpace = FreeSpace > 0 ? QString::fromUtf8(freeSpaceText) : QString();
    QString growth, growthSince;
    if (Earlier_) {
        const ByteCount change =
            FolderGrowth(*list, *Earlier_, Settings.DisplayMode, Settings.DisplayUnits);
        growthSince = QString::fromUtf8(
            GrowthSuffix(change, Settings.DisplayUnits, punctuation, EarlierName_.toStdString()));
        growth = QString::fromUtf8(GrowthSuffix(change, Settings.DisplayUnits, punctuation, {}));
    }
    QString marks;
    // A cancelled scan leaves a tree that looks whole: the totals say that they are not.
    if (ScanPartial_) marks += tr("  (partial scan)");
    // So do folders that could not be read: their sizes are missing from every total.
    if (FoldersNotRead_ > 0) marks += tr("  (incomplete scan)");
    QStringList forms = {total + freeSpace + growthSince + marks,
                         total + freeSpace + growth + marks, total + growth + marks, total + marks};
    forms.removeDuplicates();
    SetStatusTotal(forms);
    if (FoldersNotRead_ > 0) {
        StatusPanels[0]->setToolTip(ToolTipText(
            forms.front().trimmed() + tr("\n\nFolders not read in full: %1").arg(FoldersNotRead_) +
            FoldersNotReadText_));
    }
    UpdateStatusCounts(*list, list->Path());
    QString caption = QStringLiteral("Quillet - ") + QString::fromUtf8(ShownName(list->Path()));
    if (!ScanFile_.empty())
        caption += tr(" (scan file %1)").arg(QString::fromUtf8(ShownName(ScanFile_)));
    setWindowTitle(caption);
    BitBtnUp->setEnabled(list->Parent != nullptr);
    ShowViews();
}

QString TMainForm::PieChart1Hint(const TObjectAndDouble& entry) const {
    // Mid-scan the tree the entries point into may be gone (the chart is emptied then too).
    if (Scanning) return {};
    const auto* node = static_cast<const TFolderData*>(entry.Obj);
    if (!node) return {};
    const NumberPunctuation punctuation = LocalePunctuation();
    std::string hint = SliceHint(*node, Settings.DisplayMode, Settings.DisplayUnits, punctuation);
    // A slice of a comparison is the entry's growth, which the hint then says too.
    if (Earlier_ && !hint.empty()) {
        const std::string growth = GrowthSuffix(
            std::llround(entry.Value * static_cast<double>(UnitDivisor(Settings.DisplayUnits))),
            Settings.DisplayUnits, punctuation, EarlierName_.toStdString());
        hint += "\n" + growth.substr(growth.find_first_not_of(' '));
    }
    return ToolTipText(QString::fromUtf8(hint));
}

QString TMainForm::PieChart1ValueText(double value) const {
    const ByteCount figure =
        std::llround(value * static_cast<double>(UnitDivisor(Settings.DisplayUnits)));
    return QString::fromUtf8(SizeWithUnitText(figure, Settings.DisplayUnits, LocalePunctuation()));
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

void TMainForm::SetStatusTotal(const QStringList& forms) {
    StatusTotalForms_ = forms;
    const QString whole = forms.isEmpty() ? QString() : forms.front();
    StatusPanels[0]->setText(whole);
    StatusPanels[0]->setToolTip(whole.trimmed().isEmpty() ? QString()
                                                          : ToolTipText(whole.trimmed()));
    FitStatusPanel(0);
}

void TMainForm::FitStatusPanel(int index) {
    QLabel* panel = StatusPanels[static_cast<std::size_t>(index)];
    const QFontMetrics metrics(panel->font());
    // The total and the path may show their texts shortened: they ask for the whole.
    const QString text = index == 3                                   ? StatusPath_
                         : index == 0 && !StatusTotalForms_.isEmpty() ? StatusTotalForms_.front()
                                                                      : panel->text();
    StatusPanelWidths_[static_cast<std::size_t>(index)] =
        metrics.horizontalAdvance(text + QStringLiteral("     "));
    LayOutStatusPanels();
}

namespace {

const TFolderData* RowNode(const TChartListBox& list, int row) {
    if (row < 0 || row >= list.Items().Count()) return nullptr;
    return static_cast<const TFolderData*>(list.Items().Object(row));
}

}  // namespace

void TMainForm::ListBox1DblClick() {
    ShowNode(RowNode(*ListBox1, ListBox1->currentIndex().row()));
}

void TMainForm::PieChart1DblClick() {
    ShowNode(static_cast<const TFolderData*>(PieChart1->HitObject()));
}

void TMainForm::PieChart1SliceFocus() {
    ChooseRow(static_cast<const TFolderData*>(PieChart1->FocusedObject()));
}

void TMainForm::ChooseRow(const TFolderData* node) {
    for (int row = 0; node && row < ListBox1->Items().Count(); ++row) {
        if (ListBox1->Items().Object(row) != node) continue;
        const QModelIndex index = ListBox1->Items().index(row);
        ListBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        ListBox1->scrollTo(index);
        ListBox1Click();
        return;
    }
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
