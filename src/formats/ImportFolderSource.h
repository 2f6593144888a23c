// An exported scan (the JSON format of ncdu and gdu, major version 1) read back as a folder
// source: the scan walks it as it walks a disk, so the tree, progress, cancel and the count
// of hard links are those of a scan. The file is read as the scan goes and never held whole.
//
// The scan must visit the folders in the file's order, which is the order it visits any
// source in: depth first, a sub-folder opened right after its parent reported it. A folder
// that is not opened is skipped when its parent goes on.
//
// Errors: the first one stops the reading; every handle then reports no more entries, and
// Error() says what went wrong and at which byte. The tree the scan built is then to be
// thrown away.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "formats/JsonStream.h"
#include "platform/FolderSource.h"
#include "scan/FileInfo.h"

namespace quillet {

class ImportFolderSource : public FolderSource {
public:
    // Folder levels beyond this are refused: a crafted file can nest without end. The scan goes
    // as deep as a tree does and its export must import, so the limit lies far below anything
    // real: 32 times the levels a PATH_MAX path can hold.
    static constexpr std::size_t kMaxDepth = 1 << 16;

    // fileName is only used in error texts. cancel, when given, is the scan's cancel flag: a
    // cancelled import stops without reading the rest of the file. clusterSize is that of the
    // scan the file is counted as: a file whose dsize falls a cluster or more below its asize
    // is marked sparse, as the scan marks one (CountsAsSparse); an import of its own counts
    // in single bytes.
    ImportFolderSource(std::istream& in, std::string fileName, const bool* cancel = nullptr,
                       std::int32_t clusterSize = 1);
    ~ImportFolderSource() override;

    // Reads the header and the scanned folder's own entry. False (with Error()) when the
    // file is not an export that can be read.
    bool Start();
    // The scanned folder's path as the export names it, ending in "/".
    const std::string& RootPath() const { return RootPath_; }
    // When the export was made (Unix seconds) as its header says; 0 when it does not say.
    std::int64_t Timestamp() const { return Timestamp_; }

    // Hands out the scanned folder, whatever path is asked for; Start() must have succeeded.
    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;

    // Empty while all is well, else the file's name, the byte offset and the problem.
    const std::string& Error() const { return Error_; }

private:
    class Handle;
    struct Info;
    enum class Item { End, File, Folder, Skipped };

    void ReadHeader();
    Item ReadItem(Info& info);
    void ReadInfo(Info& info, bool isRoot);
    void ReadTrailer();
    // Adds a file's larger size to SizeTotal_; a JsonError when the sum passes a size's range.
    void AddToTotal(std::uint64_t size);
    void Record(const JsonError& error);
    bool Stopped() const { return !Error_.empty() || (Cancel_ && *Cancel_); }

    JsonStream Json_;
    std::string FileName_;
    const bool* Cancel_;
    const std::uint64_t ClusterSize_;
    // gdu marks a hard link with hlnkc only after the first link it met, which alone carries
    // the file's data.
    bool MarksOnlyLaterLinks_ = false;
    std::string RootPath_;
    std::int64_t Timestamp_ = 0;
    std::string Error_;
    std::uint64_t SizeTotal_ = 0;  // of the files read so far
    std::size_t Depth_ = 0;               // folders open in the file
    std::size_t OpenableDepth_ = 0;       // depth of the folder last reported, while unopened
    std::vector<std::uint64_t> Devices_;  // device of each open folder, inherited by entries
    std::unique_ptr<Info> Current_;
};

// Fills root with the scan exported in `in` (shownFileName names it in errors), with the
// progress, message pump and cancel flag of options. Returns the error, empty on success;
// after an error root holds nothing, so no part of a bad file is ever shown.
std::string ImportScan(TFolderList& root, std::istream& in, const std::string& shownFileName,
                       TScanOptions options);

}  // namespace quillet
