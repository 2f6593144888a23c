// The sizes of an earlier scan, kept to show what changed since: for each folder, its entries'
// names and sizes, as a scan with the same options counts them. Read from an export
// (EarlierScanReader), or taken from a tree before a new scan frees it. It stands for a whole tree
// in far less memory: no nodes, no back entries, no paths; a folder's entries lie together, in
// the order the scan met them. Nothing is sorted or indexed while it is read: only the folder
// that is shown is ever looked up, and GrowthEntries indexes that one.
//
// Ownership: owns its entries and names, which are never moved once written. Built on one
// thread and read on one thread at a time.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scan/FileInfo.h"

namespace quillet {

class EarlierScan {
public:
    using FolderIndex = std::uint32_t;
    static constexpr FolderIndex kNoFolder = UINT32_MAX;

    struct Sizes {
        ByteCount Nominal = 0;
        ByteCount Allocated = 0;
        std::int32_t FileCount = 0;
    };

    EarlierScan();
    ~EarlierScan();
    EarlierScan(EarlierScan&&) noexcept;
    EarlierScan& operator=(EarlierScan&&) noexcept;

    // The folder that stands for the new scan's root: the scanned folder, unless StartFrom
    // chose another; kNoFolder for a scan that holds nothing.
    FolderIndex Root() const { return Folders_.empty() ? kNoFolder : StartIndex_; }
    // The totals of a folder, as its list's totals were.
    Sizes FolderSizes(FolderIndex folder) const;
    // The folder's entries, in scan order. A name is a file's name or kFolderMark + a
    // folder's, as a TFolderList names them.
    int Count(FolderIndex folder) const;
    std::string_view Name(FolderIndex folder, int entry) const;
    Sizes EntrySizes(FolderIndex folder, int entry) const;
    // kNoFolder for a file.
    FolderIndex SubFolder(FolderIndex folder, int entry) const;
    // The entry of that name (its occurrence-th from 0, should a hand-made export name it more
    // than once), -1 when the folder has none; a walk through the folder, for looking up a
    // few names.
    int Find(FolderIndex folder, std::string_view name, int occurrence = 0) const;
    // The folder that stands where list stands in its tree (the roots stand for each other,
    // whatever their paths; a folder of a name met twice in its parent stands for the earlier
    // scan's folder met as often); kNoFolder when there was none. After MatchByPath, see there.
    FolderIndex FolderOf(const TFolderList& list) const;
    // The earlier scan's folder of that path (ending in the separator); kNoFolder when it did
    // not hold one.
    FolderIndex FolderAt(std::string_view path) const;
    // From now on a tree whose scanned folder holds the earlier one's, or lies inside it, is
    // matched by path: each of its folders stands for the earlier scan's folder of the same
    // path, or for none. Trees of other paths are still matched from the roots.
    void MatchByPath() { ByPath_ = true; }
    bool MatchesByPath() const { return ByPath_; }

    // From now on folder (kNoFolder: one the earlier scan did not have) stands for the new
    // scan's root: for a scan of one of the tree's folders alone. StartFromRoot goes back.
    void StartFrom(FolderIndex folder) { StartIndex_ = folder; }
    void StartFromRoot() { StartIndex_ = RootIndex_; }

    // The path the earlier scan was made of, ending in the separator; and when it was made
    // (Unix seconds, 0 when not known).
    std::string RootPath;
    std::int64_t Timestamp = 0;

    // A file whose counted sizes depend on the compressed and sparse switches, with the sizes
    // the file system gave it; Ordinal is its place among all the scan's files, in scan order.
    // 24 bytes: a volume that compresses every file has one for each. A tree counts its
    // files in 32 bits, so their ordinals fit in as many.
    struct SwitchDependentFile {
        std::uint64_t Size = 0;
        std::uint64_t OnDiskSize = 0;
        std::uint32_t Ordinal = 0;
        std::uint32_t Attributes = 0;
    };
    // Those files of a tree taken before a new scan, in scan order (SwitchDependentFiles
    // gathers them as the tree is scanned); empty for a scan read from an export.
    std::vector<SwitchDependentFile> SwitchDependent;
    // The same scan with its switch-dependent files counted as counting says (its switches
    // and cluster size); every other file keeps its sizes.
    EarlierScan CountedAgain(const TScanOptions& counting) const;

    class Builder;

private:
    struct Entry;
    struct Folder;

    std::deque<Folder> Folders_;
    std::vector<std::unique_ptr<char[]>> Blocks_;  // where entries and names are kept
    // Allocated sizes that do not fit an entry's slack field, by entry address.
    std::vector<std::pair<const Entry*, ByteCount>> LargeAllocations_;
    FolderIndex RootIndex_ = 0;  // the scanned folder
    FolderIndex StartIndex_ = 0;
    bool ByPath_ = false;
};

// Whether path is base or lies inside it; both end in the separator.
bool IsPathWithin(std::string_view path, std::string_view base);

// Builds an EarlierScan from folders and files met depth first, as a scan meets them: every
// folder is opened, given its files and sub-folders, and closed.
class EarlierScan::Builder {
public:
    Builder();
    ~Builder();

    // name is the folder's name in its parent, ignored for the scanned folder itself.
    void OpenFolder(std::string_view name);
    void AddFile(std::string_view name, ByteCount nominal, ByteCount allocated);
    void CloseFolder();
    // Everything opened must have been closed.
    EarlierScan Finish();

private:
    struct Pending;
    struct Frame;
    char* Allocate(std::size_t bytes, std::size_t alignment);

    EarlierScan Scan_;
    std::vector<Frame> Frames_;  // kept as the scan goes back up, so their buffers are reused
    std::size_t Depth_ = 0;
    std::size_t BlockUsed_ = 0;
    std::size_t BlockSize_ = 0;
};

// The sizes of a tree, before a new scan replaces it. The free-space entry is not kept: it is
// no entry of the folder.
EarlierScan EarlierScanOf(const TFolderList& root, std::int64_t timestamp);

}  // namespace quillet
