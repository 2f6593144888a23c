// The progress line of quillet-scan. While a scan runs, standard error, when it is a terminal,
// shows one line redrawn a few times a second: the files and folders met so far, the time taken
// and the folder being read. The line is wiped when the scan ends, before anything else is
// written; standard output is never touched.
//
// It follows the scan as the scan's sink, handing everything on to the sink the scan already
// had (an export), and through the scan's Progress call, the only place it sees a path; the
// path is copied only when the line is redrawn. It lives on the scan's thread, for one scan.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "scan/FileInfo.h"
#include "scan/ScanSink.h"

namespace quillet {

class ScanProgressLine : private ScanSink {
public:
    // columns gives standard error's width, 0 when it is no terminal (nothing is shown then); a
    // null function is no terminal either.
    ScanProgressLine(std::ostream& err, const std::function<int()>& columns);
    ~ScanProgressLine() override;  // wipes the line
    ScanProgressLine(const ScanProgressLine&) = delete;
    ScanProgressLine& operator=(const ScanProgressLine&) = delete;

    // options, made to keep the line up to date (their Progress is this line's); as they were
    // when nothing is shown.
    TScanOptions Watching(TScanOptions options);

private:
    void FolderOpened(std::string_view name, const FolderEntry* entry,
                      const FolderHandle* handle) override;
    void FileFound(const FolderEntry& entry) override;
    void FolderExcluded(std::string_view name) override;
    void FolderClosed() override;

    void FolderEntered(const std::string& path);
    void Wipe();

    std::ostream& Err_;
    const std::function<int()> Columns_;
    const bool Shown_;
    ScanSink* Next_ = nullptr;
    std::int64_t Files_ = 0;
    std::int64_t Folders_ = 0;
    const std::chrono::steady_clock::time_point Start_;
    std::chrono::steady_clock::time_point NextDraw_;
    int DrawnColumns_ = 0;  // of the line on the terminal now; 0 when none is
};

}  // namespace quillet
