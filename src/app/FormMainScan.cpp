// Scanning: StartScan, through which every scan goes, the progress display, cancel, refresh,
// open and the repeat timer.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <exception>
#include <stdexcept>

#include "app/BytesInText.h"
#include "app/FormMain.h"
#include "app/KnownText.h"
#include "app/SystemReasons.h"
#include "chart/zebPieChart.h"
#include "platform/PathNames.h"
#include "platform/PathSeparator.h"
#include "platform/ReadFailureText.h"
#include "scan/ExclusionList.h"
#include "scan/ShownName.h"

namespace quillet {

void TMainForm::StartScan(const std::string& scanFile) {
    if (Scanning) return;  // dropped, not queued
    std::optional<QString> earlierProblem;
    // From here the tree is this scan's, on the screen or gone: it is read-only if read from a
    // file, whatever is asked while the scan runs.
    ScanFile_ = scanFile;
    try {
        // No row, slice or view may point into the tree about to go, nor walk it.
        PieChart1->ClearEntries();
        AbandonViews();
        setWindowTitle(QStringLiteral("Quillet"));
        const bool fromFile = !ScanFile_.empty();
        std::string exclusionText;
        TVolumeData volume;
        if (!fromFile) {
            exclusionText = ReadExclusionText(Services_.ExcludesFolder);
            if (ScanPath.empty() || ScanPath.back() != kPathSeparator) ScanPath += kPathSeparator;
            if (Services_.ScanRootProblem) {
                // A root that cannot be listed would show as an empty folder, as if it held
                // nothing.
                if (const std::string problem = Services_.ScanRootProblem(ScanPath);
                    !problem.empty())
                    throw std::runtime_error(
                        tr("Cannot scan \"%1\": %2")
                            .arg(QString::fromUtf8(ShownName(ScanPath)), SystemReasonText(problem))
                            .toStdString());
            }
            volume = ReadVolumeData(*Services_.Volumes, ScanPath);
        }
        FreeSpace = volume.FreeSpace;

        CancelRequested = false;
        SetIdleControls(false);
        SetApplicationTitle(tr("Quillet - scanning..."));
        SetStatusTotal({tr("Scanning...")});
        StatusPanels[1]->clear();
        StatusPanels[2]->clear();
        lblMaxFileNameLength->clear();
        lblMaxFileNameLength->setToolTip(tr("Maximum characters in file name"));
        Timer2.start();
        ListBox1->setToolTip({});

        TScanOptions options;
        if (!fromFile) {
            options = PrepareScan(RootList, ScanPath, volume, exclusionText,
                                  Settings.DisplayFreeDiskSpace, Settings.DisplayCompressed,
                                  Settings.DisplaySparse);
        }
        KeepScanCounting(options, exclusionText);
        ShownList = nullptr;  // it named a list of the freed tree, unless the root
        SelectedNode_ = nullptr;
        Scanning = true;
        ShowSizeAccountingIndicator(
            fromFile
                ? TSizeIndicator{}
                : SizeAccountingIndicator(volume, options.CompressedSwitch, options.SparseSwitch));
        options.CancelRequested = &CancelRequested;
        ProgressWanted_ = true;
        options.Progress = [this, scanning = tr("Scanning %1...")](const std::string& path) {
            if (!ProgressWanted_) return;
            ProgressText = WithBytes(scanning, path);
            ProgressWanted_ = false;
        };
        options.ProcessMessages = [] { QApplication::processEvents(); };
        FoldersNotRead_ = 0;
        FoldersNotReadText_.clear();
        options.FolderNotRead = [this](const std::string& path, ReadFailure why, bool inPart) {
            // The status bar says the totals are short; its tooltip names the first folders.
            constexpr int kNamed = 10;
            if (++FoldersNotRead_ > kNamed) return;
            FoldersNotReadText_ +=
                QStringLiteral("\n") + (inPart ? tr("%1 (in part): %2") : QStringLiteral("%1: %2"))
                                           .arg(QString::fromUtf8(ShownName(path)),
                                                QString::fromStdString(ReadFailureText(why.Code)));
        };
        if (fromFile) {
            ReadScanFile(options);
        } else {
            ScanSwitchDependent_.Take();
            options.Sink = &ScanSwitchDependent_;
            RootList.Scan(*Services_.Folders, options);
        }
        ScanPartial_ = CancelRequested;
        earlierProblem = CountEarlierScanAgain();

        ShowFolder(&RootList);
    } catch (const std::exception& error) {
        // The window goes back to idle, so the next scan can start, and then says what failed.
        ShowNothing();
        SetIdleControls(true);
        ReportError(QString::fromUtf8(error.what()));
        return;
    }
    SetIdleControls(true);
    if (earlierProblem && !earlierProblem->isEmpty()) ReportError(*earlierProblem);
    NoteComparedFolders();
}

void TMainForm::ShowNothing() {
    AbandonViews();
    ShownList = nullptr;
    SelectedNode_ = nullptr;
    RootList.Clear();
    ProgressText.clear();
    StatusPath_.clear();
    StatusTotalForms_.clear();
    StatusPanels[0]->setToolTip({});
    StatusPanels[3]->setToolTip({});
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i]->clear();
        FitStatusPanel(static_cast<int>(i));
    }
    lblMaxFileNameLength->clear();
    lblMaxFileNameLength->setToolTip(tr("Maximum characters in file name"));
    BitBtnUp->setEnabled(false);
}

void TMainForm::SetIdleControls(bool idle) {
    if (idle) {
        Scanning = false;
        SetApplicationTitle(QStringLiteral("Quillet"));
        CancelRequested = false;
        Timer2.stop();
    }
    BitBtnCancel->setEnabled(!idle);
    if (!idle) BitBtnCancel->setFocus();
    OpenBtn->setEnabled(idle);
    // An import's tree is shown as read: only an import that failed is read again (F5 goes
    // with the menu's action).
    const bool importShown = !ScanFile_.empty() && ShownList;
    RefreshBtn->setEnabled(idle && !importShown);
    Refresh1->setEnabled(!importShown);
    RefreshFromHere->setEnabled(ScanFile_.empty());
    PrintBtn->setEnabled(idle);
}

void TMainForm::ReportError(const QString& text) {
    // While a box waits for OK the repeat timer goes on, and a scan that fails each time would
    // stack one box on another: a box that says the same is on screen already.
    if (!Services_.ShowError || ErrorsShown_.contains(text)) return;
    ErrorsShown_.append(text);
    Services_.ShowError(this, ApplicationTitle, text);
    ErrorsShown_.removeOne(text);
}

namespace {

// The captions and sentences of the size accounting's indicator (scan/VolumeData.cpp).
constexpr const char* kIndicatorCaptions[] = {
    QT_TRANSLATE_NOOP("TMainForm", "Compressed, sparse "),
    QT_TRANSLATE_NOOP("TMainForm", "Compressed, non-sparse "),
    QT_TRANSLATE_NOOP("TMainForm", "Uncompressed, sparse "),
    QT_TRANSLATE_NOOP("TMainForm", "Uncompressed, non-sparse "),
    QT_TRANSLATE_NOOP("TMainForm", "Compressed, "),
    QT_TRANSLATE_NOOP("TMainForm", "Uncompressed, "),
    QT_TRANSLATE_NOOP("TMainForm", " sparse "),
    QT_TRANSLATE_NOOP("TMainForm", " non-sparse ")};
constexpr const char* kIndicatorHints[] = {
    QT_TRANSLATE_NOOP("TMainForm", "\"Compressed\" sizes are the actual on-disk file size."),
    QT_TRANSLATE_NOOP("TMainForm",
                      "\"Uncompressed\" sizes are the nominal space occupied if not compressed."),
    QT_TRANSLATE_NOOP("TMainForm", "\"Sparse\" sizes are the actual on-disk file size."),
    QT_TRANSLATE_NOOP("TMainForm",
                      "\"Non-sparse\" sizes are the nominal space occupied if not sparse.")};

}  // namespace

void TMainForm::ShowSizeAccountingIndicator(const TSizeIndicator& indicator) {
    lblCompressed->setVisible(indicator.Visible);
    lblCompressed->setText(KnownText("TMainForm", kIndicatorCaptions, indicator.Caption));
    // As wide as its caption, with the stop button moved on when the caption needs it.
    LayOutSpeedPanel();
    // One sentence a line.
    QStringList hint;
    for (const QString& sentence : QString::fromStdString(indicator.Hint).split('\r'))
        hint.append(KnownText("TMainForm", kIndicatorHints, sentence.toStdString()));
    lblCompressed->setToolTip(hint.join('\n'));
    if (indicator.FontColour) {
        IndicatorColour_ = indicator.FontColour;
        ShowIndicatorColour();
    }
}

void TMainForm::Timer1Timer() {
    Timer1.stop();
    // The command line's scan waits for one started before it, rather than being dropped.
    if (Scanning) {
        Timer1.start();
        return;
    }
    if (Arguments_.size() >= 2 && Arguments_[0] == "--import") {
        StartScan(Arguments_[1]);
        return;
    }
    // An empty argument means the working directory; a relative one is taken against it.
    if (!Arguments_.empty()) ScanPath = AbsoluteFolderPath(Arguments_[0]);
    StartScan({});
}

void TMainForm::Timer2Timer() {
    UpdateStatusCounts(RootList, ProgressText);
    ProgressWanted_ = true;
}

void TMainForm::TimerRepeatScanTimer() {
    const bool buttonHeld = Services_.MouseButtonDown && Services_.MouseButtonDown();
    if (Scanning || buttonHeld || !ScanFile_.empty()) return;
    // A cancelled scan's tree is not whole: what it lacks would show as new.
    if (Settings.CompareRepeatedScans && ShownList && !ScanPartial_) KeepTreeForComparison();
    StartScan();
}

void TMainForm::btnStopClick() {
    CancelRequested = true;
}

void TMainForm::Refresh1Click() {
    // An import that failed shows nothing: refresh tries that file again.
    if (ScanFile_.empty() || !ShownList) StartScan();
}

void TMainForm::RefreshFromHereClick() {
    // While a scan runs there is no shown folder to start from: the request is dropped.
    if (Scanning || !ShownList || !ScanFile_.empty()) return;
    // A comparison goes on from the same folder of the earlier scan, not from its root.
    if (Earlier_) Earlier_->StartFrom(Earlier_->FolderOf(*ShownList));
    ScanPath = ShownList->Path();
    StartScan({});
}

void TMainForm::FileOpen() {
    // As every scan command: dropped while a scan runs.
    if (Scanning || !Services_.ChooseFolder) return;
    const auto chosen = Services_.ChooseFolder(this, ScanPath);
    if (!chosen) return;
    // A folder chosen anew is compared from the earlier scan's root, whatever Refresh from
    // here chose before.
    if (Earlier_) Earlier_->StartFromRoot();
    ScanPath = *chosen;
    StartScan({});
}

void TMainForm::SpeedButtonStopRefreshClick() {
    TimerRepeatScan.stop();
    SpeedButtonStopRefresh->setEnabled(false);
    SpeedButtonStopRefresh->setChecked(false);
}

}  // namespace quillet
