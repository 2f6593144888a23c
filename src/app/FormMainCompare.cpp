// Comparing the tree with an earlier scan: an export chosen with View > "Compare with Scan
// File...", or, with the option on, the tree as it was before each timed scan. The view then
// shows what changed (GrowthEntries) until View > "Stop Comparing".
//
// Both scans must count files alike: the earlier one is counted again whenever the tree's scan
// counts otherwise (another volume, other switches). Folders are matched by path when one
// scanned folder holds the other, and the window says which folders it compares when they
// are not the same.
#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/BytesInText.h"
#include "app/FormMain.h"
#include "app/StatusTexts.h"
#include "formats/EarlierScanReader.h"
#include "listing/GrowthEntries.h"
#include "platform/RegularFile.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

QString ScanDate(std::int64_t seconds) {
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

bool SameSwitches(const TScanOptions& a, const TScanOptions& b) {
    return a.SparseSwitch == b.SparseSwitch && a.CompressedSwitch == b.CompressedSwitch;
}

bool SameCounting(const TScanOptions& a, const TScanOptions& b) {
    return SameSwitches(a, b) && a.ClusterSize == b.ClusterSize &&
           a.AllocationFromSource == b.AllocationFromSource;
}

}  // namespace

void TMainForm::KeepScanCounting(const TScanOptions& options, const std::string& exclusionText) {
    ScanCounting_ = TScanOptions{};
    ScanCounting_.ClusterSize = options.ClusterSize;
    ScanCounting_.SparseSwitch = options.SparseSwitch;
    ScanCounting_.CompressedSwitch = options.CompressedSwitch;
    ScanCounting_.AllocationFromSource = !ScanFile_.empty();
    ScanExclusions_ = ScanFile_.empty() ? exclusionText : std::string();
    ScanTime_ = QDateTime::currentSecsSinceEpoch();
}

void TMainForm::CompareWithScanFile1Click() {
    if (Scanning || !ShownList || !Services_.ChooseScanFile) return;
    const auto chosen = Services_.ChooseScanFile(this, tr("Compare with scan file"));
    if (chosen) ReadEarlierScanFile(*chosen);
}

TMainForm::TEarlierReading TMainForm::ReadEarlier(const std::string& file) {
    const QString shown = QString::fromUtf8(ShownName(file));
    // A pipe would hold the window until something writes to it: it is never opened.
    std::ifstream in;
    if (!IsSpecialFile(file)) in.open(file, std::ios::binary);
    if (!in.is_open()) {
        const QString reason = IsSpecialFile(file) ? tr("Not a regular file")
                                                   : QString::fromUtf8(std::strerror(errno));
        return {nullptr, tr("Cannot open the scan file %1: %2").arg(shown, reason)};
    }
    ProgressText = WithBytes(tr("Reading %1..."), ShownName(file));
    TScanOptions options = ScanCounting_;
    options.ExclusionText = ScanExclusions_;
    options.CancelRequested = &CancelRequested;
    options.ProcessMessages = [] { QApplication::processEvents(); };
    TEarlierScanReading read = ReadEarlierScan(in, ShownName(file), options);
    if (!read.Error.empty()) return {nullptr, QString::fromUtf8(read.Error)};
    if (CancelRequested) return {};
    auto earlier = std::make_unique<EarlierScan>(std::move(read.Scan));
    earlier->MatchByPath();
    return {std::move(earlier), {}};
}

bool TMainForm::ReadEarlierScanFile(const std::string& file) {
    // Read as a scan runs: the window stays responsive, Cancel stops it, no scan starts.
    CancelRequested = false;
    SetIdleControls(false);
    Scanning = true;
    Timer2.start();
    TEarlierReading read = ReadEarlier(file);
    SetIdleControls(true);
    if (!read.Scan) {
        ShowFolder(ShownList);
        if (!read.Error.isEmpty()) ReportError(read.Error);
        return false;
    }
    const QString since = read.Scan->Timestamp > 0
                              ? ScanDate(read.Scan->Timestamp)
                              : tr("scan file %1").arg(QString::fromUtf8(ShownName(file)));
    ShowComparing(std::move(read.Scan), since);
    EarlierFile_ = file;
    EarlierCounting_ = ScanCounting_;
    EarlierExclusions_ = ScanExclusions_;
    NotedRoot_.clear();
    NoteComparedFolders();
    return true;
}

void TMainForm::KeepTreeForComparison() {
    // Shown once the new scan is in.
    AbandonViews();
    Earlier_ = std::make_unique<EarlierScan>(EarlierScanOf(RootList, ScanTime_));
    Earlier_->SwitchDependent = ScanSwitchDependent_.Take();
    Earlier_->MatchByPath();
    EarlierName_ = ScanDate(ScanTime_);
    EarlierFile_.clear();
    EarlierCounting_ = ScanCounting_;
    StopComparing1->setEnabled(true);
}

std::optional<QString> TMainForm::CountEarlierScanAgain() {
    if (!Earlier_) return std::nullopt;
    if (EarlierFile_.empty()) {
        // A tree kept from the disk: only the switches can have changed since.
        if (!SameSwitches(EarlierCounting_, ScanCounting_))
            *Earlier_ = Earlier_->CountedAgain(ScanCounting_);
        EarlierCounting_ = ScanCounting_;
        return std::nullopt;
    }
    if (SameCounting(EarlierCounting_, ScanCounting_) && EarlierExclusions_ == ScanExclusions_)
        return std::nullopt;
    TEarlierReading read = ReadEarlier(EarlierFile_);
    if (!read.Scan) {
        // Compared otherwise, every file would show a change it does not have.
        Earlier_.reset();
        StopComparing1->setEnabled(false);
        return read.Error;
    }
    Earlier_ = std::move(read.Scan);
    EarlierCounting_ = ScanCounting_;
    EarlierExclusions_ = ScanExclusions_;
    return std::nullopt;
}

void TMainForm::NoteComparedFolders() {
    if (!Earlier_ || !ShownList || RootList.Path() == NotedRoot_) return;
    NotedRoot_ = RootList.Path();
    const std::string note = ComparisonNote(*Earlier_, RootList);
    if (!note.empty() && Services_.ShowNote)
        Services_.ShowNote(this, ApplicationTitle, QString::fromUtf8(note));
}

void TMainForm::ShowComparing(std::unique_ptr<EarlierScan> earlier, const QString& since) {
    AbandonViews();  // they may point into the earlier scan about to go
    Earlier_ = std::move(earlier);
    EarlierName_ = since;
    StopComparing1->setEnabled(Earlier_ != nullptr);
    ShowFolder(ShownList);
}

void TMainForm::StopComparing1Click() {
    ShowComparing(nullptr, {});
}

}  // namespace quillet
