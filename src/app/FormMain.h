// TMainForm: the main window. It scans a folder tree (StartScan, with progress, cancel,
// refresh and a repeat timer) and shows one folder of it at a time: the pie chart PieChart1,
// the list ListBox1 beside it, the totals, counts and path in the status bar.
//
// Split by concern: FormMain.cpp builds the window and lays it out, FormMainScan.cpp runs
// scans and their timers, FormMainView.cpp shows folders and handles navigation,
// FormMainCompare.cpp compares the tree with an earlier scan, FormMainViews.cpp runs the
// views of the shown folder's whole subtree (largest files, file types, find).
//
// Ownership: the window owns the root list and through it the whole tree; the chart and the
// list only point into it. GUI thread only; a scan runs inside the handler that started it
// and lets other handlers run once per folder.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainServices.h"
#include "app/MainSettings.h"
#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"
#include "scan/SwitchDependentFiles.h"
#include "scan/VolumeData.h"
#include "settings/FontSettings.h"
#include "settings/RegistryVariables.h"

class QAction;
class QMenu;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace quillet {

class TAboutBoxZEB1;
class TfrmFileProperties;
class TfrmFileProperties1;
class TOptionsDialog;
class TChartListBox;
class TPieChart;
class TTreeViews;
struct TChartEntry;

// Where the repeat-stop button stands unless the size-accounting caption needs the room.
constexpr int kStopButtonLeft = 512;

class TMainForm : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)

public:
    // arguments: the command line without the program's name.
    TMainForm(TMainServices services, std::vector<std::string> arguments,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Scan state.
    std::string ScanPath;       // where the next disk scan starts; ends in "/" once a scan ran
    TFolderList RootList{"."};  // the tree; ScanFile_ says where it was read from
    TFolderList* ShownList = nullptr;  // null while nothing is shown, or while a scan runs
    ByteCount FreeSpace = 0;
    bool Scanning = false;
    bool CancelRequested = false;
    std::string ProgressText;
    // Set by the progress timer: the scan takes the next folder's path into ProgressText, so
    // that a deep tree's long paths are copied a few times a second, not once per folder.
    bool ProgressWanted_ = true;
    QString ApplicationTitle = QStringLiteral("Quillet");

    TMainSettings Settings;
    std::string SelectedName;  // name part of the row last clicked

    // Every scan goes through here: of the disk at ScanPath, or with scanFile given, of that
    // exported scan instead. A request made while a scan runs is dropped.
    void StartScan(const std::string& scanFile);
    // Scans again what the tree was made from.
    void StartScan() { StartScan(ScanFile_); }
    void UpdateStatusCounts(const TFolderList& list, const std::string& text);
    void FitStatusPanel(int index);
    void ShowFolder(TFolderList* list);
    void ShowNode(const TFolderData* node);

    // Controls, named as the window's description names them.
    QWidget* SpeedPanel = nullptr;
    QToolButton* OpenBtn = nullptr;
    QToolButton* RefreshBtn = nullptr;
    QToolButton* PrintBtn = nullptr;
    QComboBox* cbxUnits = nullptr;
    QComboBox* cbxDisplay = nullptr;
    QLabel* lblCompressed = nullptr;
    QToolButton* SpeedButtonStopRefresh = nullptr;
    TPieChart* PieChart1 = nullptr;
    TChartListBox* ListBox1 = nullptr;
    QLabel* lblMaxFileNameLength = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QPushButton* BitBtnUp = nullptr;
    QPushButton* BitBtnExit = nullptr;
    std::array<QLabel*, 4> StatusPanels{};
    QAction* Open1 = nullptr;
    QAction* OpenScanFile1 = nullptr;
    QAction* FileSaveMenu = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Refresh1 = nullptr;
    QAction* RefreshFromHere = nullptr;
    QAction* CompareWithScanFile1 = nullptr;
    QAction* StopComparing1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* ShowFreeSpace1 = nullptr;
    QAction* LargestFiles1 = nullptr;
    QAction* FileTypes1 = nullptr;
    QAction* Find1 = nullptr;
    // The views of the shown folder's whole subtree, below the chart and list.
    TTreeViews* Views = nullptr;
    QAction* AboutItem = nullptr;
    TAboutBoxZEB1* AboutBox = nullptr;                // made once, shown by Help > About
    TOptionsDialog* OptionsDialog = nullptr;          // made once, shown by View > Options
    TfrmFileProperties1* PropertiesDialog = nullptr;  // made once, shown by "Properties"
    std::function<int(TfrmFileProperties&)> RunPropertiesDialog;
    QMenu* PopupMenu1 = nullptr;
    QAction* PopupDelete = nullptr;
    QAction* PopupExplore = nullptr;
    QAction* PopupOpen = nullptr;
    QAction* PopupTrash = nullptr;
    QAction* PopupCopyPath = nullptr;
    // Runs the options dialog modally and gives its result; tests drive it instead.
    std::function<int(TOptionsDialog&)> RunOptionsDialog;

    QTimer Timer1;           // 100 ms after creation: the first scan
    QTimer Timer2;           // 333 ms: progress while a scan runs
    QTimer TimerRepeatScan;  // RepeatInterval minutes: scans again
    QTimer TimerAferResize;  // 200 ms after a resize: redraws the status bar

    // Handlers.
    void Timer1Timer();
    void Timer2Timer();
    void TimerRepeatScanTimer();
    void TimerAferResizeTimer();
    void btnStopClick();
    void Refresh1Click();
    void RefreshFromHereClick();
    void FileOpen();
    void OpenScanFile1Click();
    void CompareWithScanFile1Click();
    void StopComparing1Click();
    void FileExit();
    void SpeedButtonStopRefreshClick();
    void ListBox1Click();
    void ListBox1DblClick();
    void PieChart1DblClick();
    // The keyboard moved the chart's focus to another slice: its row is chosen in the list.
    void PieChart1SliceFocus();
    void BitBtnUpClick();
    void cbxUnitsChange();
    void cbxDisplayChange();
    void About();
    void Options1Click();
    void PieChart1RightClick();
    void PopupMenu1Popup();
    void PopupDeleteClick();
    void PopupExploreClick();
    void PopupOpenClick();
    void PopupTrashClick();
    void PopupCopyPathClick();
    void ShowFreeSpace1Click();
    void LargestFiles1Click();
    void FileTypes1Click();
    void Find1Click();
    // A row of a view: its entry menu, the main list's, acts on node; the entry chosen in the
    // list stays chosen for the list's own menu.
    void ViewRowMenu(const TFolderData* node, const QPoint& at);
    // A row of a view opened: its folder is shown, the entry chosen in it.
    void ViewRowOpen(const TFolderData* node);
    // Makes node the entry the menu's actions act on, as a click on its row does.
    void ChooseEntry(const TFolderData* node);
    // Highlights the row of node in the list and chooses it, as a click on it does.
    void ChooseRow(const TFolderData* node);
    void FileSaveMenuClick();
    void FilePrint();

protected:
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreatePopupMenu();
    void CreateViews(QMenu* view);
    // Shows the views of the shown folder (or of the one they were left at), as the window
    // now shows sizes.
    void ShowViews();
    // Drops the views' work and rows before the tree or the earlier scan they point into goes.
    void AbandonViews();
    // A view was opened or closed from the menu.
    void ViewsToggled();
    bool SelectedIsFolder() const;
    // Whether the selected entry may be changed on disk (moved to the trash).
    bool SelectedIsChangeable() const;
    // Full path of the selected entry, from its name on disk; none while a scan runs.
    std::optional<std::string> SelectedPath() const;
    // Says so when the system refuses to look at the entry's path at all (one longer than it
    // takes, say): failure holds %1 for the path and %2 for the system's reason.
    bool ReportRefusedPath(const std::string& path, const QString& failure);
    // What says that no program opens path: failure holds %1 for the path and %2 for why.
    std::function<void()> NoProgramReport(const QString& failure, const std::string& path);
    void LoadSettings();
    // The chart's and the list's text in their fonts' colours: a system colour is looked up
    // in the palette of the moment.
    void ShowFontColours();
    // Everything of ours that takes a colour from the palette takes it again.
    void FollowPalette();
    void ShowIndicatorColour();
    // Runs the repeat timer as RepeatedScan and RepeatInterval say.
    void SetRepeatTimer();
    void SaveSettings();
    // The tool panel's labels and boxes, moved on where the desktop's font makes them wider
    // than the design.
    void LayOutSpeedPanel();
    void LayOutStatusPanels();
    // Shows forms in the total panel, as StatusTotalForms_ says; its tooltip holds the whole.
    void SetStatusTotal(const QStringList& forms);
    void FormResize();
    void SetIdleControls(bool idle);
    // The empty view of a scan that failed: no tree, no totals, no path, no progress.
    void ShowNothing();
    void SetApplicationTitle(const QString& title);
    void ShowSizeAccountingIndicator(const TSizeIndicator& indicator);
    void ReportError(const QString& text);
    QStringList ErrorsShown_;  // the texts of the error boxes on screen
    // What the chart's tooltip says of one of its slices.
    QString PieChart1Hint(const TObjectAndDouble& entry) const;
    // A slice's size in the shown unit, as assistive technology reads it: "1.5 MB".
    QString PieChart1ValueText(double value) const;
    // Shows the chosen mode and units in the toolbar boxes.
    void SelectModeAndUnits();
    // Reads ScanFile_ into the root list; throws when it cannot be read whole.
    void ReadScanFile(const TScanOptions& options);
    // Remembers how the scan about to run counts files, and when it ran, for a comparison.
    void KeepScanCounting(const TScanOptions& options, const std::string& exclusionText);
    // Reads an export to compare the tree with, as the tree's scan counted; false when it
    // could not be read whole (said in an error box) or the reading was cancelled.
    bool ReadEarlierScanFile(const std::string& file);
    // The reading of an export as the tree's scan counts, while the window is busy: the scan,
    // or none with what went wrong (nothing when it was cancelled).
    struct TEarlierReading {
        std::unique_ptr<EarlierScan> Scan;
        QString Error;
    };
    TEarlierReading ReadEarlier(const std::string& file);
    // The tree, kept before a timed scan replaces it, as what that scan is compared with.
    void KeepTreeForComparison();
    // After a scan: the earlier scan counted as the new tree's scan counted. When its export
    // cannot be read again, the comparison ends, and what went wrong is given.
    std::optional<QString> CountEarlierScanAgain();
    // Says once for each tree which folders are compared, when they are not the same.
    void NoteComparedFolders();
    void ShowComparing(std::unique_ptr<EarlierScan> earlier, const QString& since);

    // The exported scan the tree in RootList was read from; empty for a disk's tree. Set by
    // StartScan alone, as it replaces the tree: an imported tree's files are elsewhere, so no
    // action, refresh or repeated scan touches the disk for it, whatever is asked meanwhile.
    std::string ScanFile_;
    // While comparing: the earlier scan and what the status bar calls it (its date, or its
    // file's name). The view then shows each entry's change since.
    std::unique_ptr<EarlierScan> Earlier_;
    QString EarlierName_;
    std::string EarlierFile_;       // the export it was read from; empty for a tree kept before
    TScanOptions EarlierCounting_;  // how the earlier scan's files were counted
    std::string EarlierExclusions_;
    std::string NotedRoot_;      // the tree whose comparison was last said
    TScanOptions ScanCounting_;  // how the tree's scan counted files; no callbacks kept
    std::string ScanExclusions_;
    SwitchDependentFiles ScanSwitchDependent_;   // of the tree's scan, for a later comparison
    std::int64_t ScanTime_ = 0;                  // when the tree's scan started, Unix seconds
    const TFolderData* SelectedNode_ = nullptr;  // the entry SelectedName names
    // The font colours as stored, system colours (negative) included.
    std::int32_t PieChartFontColour_ = kWindowTextColourRef;
    std::int32_t ListboxFontColour_ = kWindowTextColourRef;
    // The size-accounting caption's own colour, before it is made to read on the window.
    std::optional<std::uint32_t> IndicatorColour_;
    std::string SaveFileName_;                     // the save dialog starts from the last name
    std::unique_ptr<TRegistryFormInfo> FormInfo_;  // the placement, saved when it goes
    bool Shown_ = false;
    bool ScanPartial_ = false;  // the last scan was cancelled: its tree is not whole
    // Folders the last scan could not read in full, and the first of them with the reasons.
    int FoldersNotRead_ = 0;
    QString FoldersNotReadText_;
    QString StatusPath_;  // the path panel's whole text, shortened when it must be
    // The total panel's texts, the whole first and then shorter ones; the first that fits is
    // shown, else the last shortened.
    QStringList StatusTotalForms_;
    QWidget* StatusStrip_ = nullptr;
    QLabel* UnitsLabel_ = nullptr;  // "Units:  " and "Disk space: " before their boxes
    QLabel* DisplayLabel_ = nullptr;
    std::array<int, 4> StatusPanelWidths_{};
    TMainServices Services_;
    std::vector<std::string> Arguments_;  // as the system gave them: bytes
    // The folder the views show: the shown one, unless the user went to a row of a view.
    const TFolderList* ViewsTop_ = nullptr;
    bool KeepViewsTop_ = false;
    bool ViewsGrown_ = false;  // the window grew for the views once
    // Counts the trees and earlier scans replaced, so the views never take a new one for the
    // old; a rescan also makes the menu of a view's row forget the entry it kept.
    std::uint64_t ViewsGeneration_ = 0;
};

}  // namespace quillet
