// Comparing the tree with an earlier scan: an export chosen with View > "Compare with Scan
// File...", or, with the option on, the tree as it was before each timed scan. The view then
// shows what changed (GrowthEntries) until View > "Stop Comparing".
#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/FormMain.h"
#include "formats/EarlierScanReader.h"
#include "platform/RegularFile.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

QString ScanDate(std::int64_t seconds) {
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
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
    const auto chosen = Services_.ChooseScanFile(this, QStringLiteral("Compare with scan file"));
    if (chosen) ReadEarlierScanFile(*chosen);
}

bool TMainForm::ReadEarlierScanFile(const std::string& file) {
    const QString shown = QString::fromUtf8(ShownName(file));
    // A pipe would hold the window until something writes to it: it is never opened.
    std::ifstream in;
    if (!IsSpecialFile(file)) in.open(file, std::ios::binary);
    if (!in.is_open()) {
        const char* reason = IsSpecialFile(file) ? "Not a regular file" : std::strerror(errno);
        ReportError("Cannot open the scan file " + shown + ": " + QString::fromUtf8(reason));
        return false;
    }
    // Read as a scan runs: the window stays responsive, Cancel stops it, no scan starts.
    CancelRequested = false;
    SetIdleControls(false);
    Scanning = true;
    ProgressText = "Reading " + ShownName(file) + "...";
    Timer2.start();
    TScanOptions options = ScanCounting_;
    options.ExclusionText = ScanExclusions_;
    options.CancelRequested = &CancelRequested;
    options.ProcessMessages = [] { QApplication::processEvents(); };
    TEarlierScanReading read = ReadEarlierScan(in, ShownName(file), options);
    const bool cancelled = CancelRequested;
    SetIdleControls(true);
    if (!read.Error.empty()) {
        ShowFolder(ShownList);
        ReportError(QString::fromUtf8(read.Error));
        return false;
    }
    if (cancelled) {
        ShowFolder(ShownList);
        return false;
    }
    const QString since = read.Scan.Timestamp > 0 ? ScanDate(read.Scan.Timestamp)
                                                  : QStringLiteral("scan file ") + shown;
    ShowComparing(std::make_unique<EarlierScan>(std::move(read.Scan)), since);
    return true;
}

void TMainForm::KeepTreeForComparison() {
    // Shown once the new scan is in.
    Earlier_ = std::make_unique<EarlierScan>(EarlierScanOf(RootList, ScanTime_));
    EarlierName_ = ScanDate(ScanTime_);
    StopComparing1->setEnabled(true);
}

void TMainForm::ShowComparing(std::unique_ptr<EarlierScan> earlier, const QString& since) {
    Earlier_ = std::move(earlier);
    EarlierName_ = since;
    StopComparing1->setEnabled(Earlier_ != nullptr);
    ShowFolder(ShownList);
}

void TMainForm::StopComparing1Click() {
    ShowComparing(nullptr, {});
}

}  // namespace quillet
