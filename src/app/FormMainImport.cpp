// Scans that travel: a scan exported on another machine (by quillet-scan --export, ncdu -o or
// gdu -o) shown in the window. It goes through StartScan like any scan, with progress and
// cancel, and is read-only: its files are not on this disk.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "app/FormMain.h"
#include "formats/ImportFolderSource.h"
#include "platform/RegularFile.h"
#include "scan/ShownName.h"

namespace quillet {

void TMainForm::OpenScanFile1Click() {
    if (Scanning || !Services_.ChooseScanFile) return;
    const auto chosen = Services_.ChooseScanFile(this, tr("Open scan file"));
    if (!chosen) return;
    if (Earlier_) Earlier_->StartFromRoot();  // as for a folder chosen anew
    StartScan(*chosen);
}

void TMainForm::ReadScanFile(const TScanOptions& options) {
    // A pipe would hold the window until something writes to it.
    if (IsSpecialFile(ScanFile_)) {
        throw std::runtime_error(
            tr("Cannot open the scan file %1: %2")
                .arg(QString::fromUtf8(ShownName(ScanFile_)), tr("Not a regular file"))
                .toStdString());
    }
    std::ifstream in(ScanFile_, std::ios::binary);
    if (!in) {
        throw std::runtime_error(tr("Cannot open the scan file %1: %2")
                                     .arg(QString::fromUtf8(ShownName(ScanFile_)),
                                          QString::fromUtf8(std::strerror(errno)))
                                     .toStdString());
    }
    const std::string problem = ImportScan(RootList, in, ShownName(ScanFile_), options);
    if (!problem.empty()) throw std::runtime_error(problem);
}

}  // namespace quillet
