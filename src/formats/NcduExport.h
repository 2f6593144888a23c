// Writes a scan, as the scan meets it, in the JSON export format that ncdu and gdu read
// (format 1.2). Only the open folders are remembered, so memory does not grow with the size
// of the export.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileWriting.h"
#include "scan/ScanSink.h"

namespace quillet {

class NcduExportWriter : public ScanSink {
public:
    // Writes the header at once: program name, version and timestamp (Unix seconds).
    // clusterSize is the scan's, in which a file's disk usage is counted.
    NcduExportWriter(std::ostream& out, std::string_view programName,
                     std::string_view programVersion, std::int64_t timestamp,
                     std::int32_t clusterSize);
    NcduExportWriter(const NcduExportWriter&) = delete;
    NcduExportWriter& operator=(const NcduExportWriter&) = delete;

    // A folder that could not be entered, or whose listing failed part-way, is marked
    // "read_error", or "excluded":"othfs" when it is the mount point of another file system.
    void FolderOpened(std::string_view name, const FolderEntry* entry,
                      const FolderHandle* handle) override;
    // asize is the file's size; dsize what it takes on disk in whole clusters, as the scan
    // counts it with its sparse and compressed switches on (AllocatedBytes), whatever they
    // are, so that an import counts every size as the scan did. A file left out is not
    // written; one that could not be described is marked "read_error".
    void FileFound(const FolderEntry& entry) override;
    // Marked "excluded":"pattern", as ncdu marks what its exclude patterns leave out.
    void FolderExcluded(std::string_view name) override;
    void FolderClosed() override;

    // Closes the document and flushes; false when writing failed at any point.
    bool Finish();

    // Leaves a file out of the export: the export's own file, written inside the scanned
    // folder, so that the export never lists itself. Called before the scan begins.
    void LeaveOut(const FileIdentity& file) { LeftOut_.push_back(file); }

private:
    void BeginItem(std::string_view name);
    void Number(std::string_view key, std::uint64_t value);
    void Text(std::string_view text);
    void FlushWhenFull();

    std::ostream& Out_;
    std::string Buffer_;
    const std::int32_t ClusterSize_;
    std::vector<FileIdentity> LeftOut_;
    // The full path of the open folder, ending in the separator, and where each enclosing
    // folder's ends; kept only while files are left out, which may be looked up by path.
    std::string Folder_;
    std::vector<std::size_t> FolderEnds_;
};

}  // namespace quillet
