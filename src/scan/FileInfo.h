// The scanned tree. A TFolderList is the ordered entries of one folder plus the totals of
// everything beneath it; a TFolderData is one entry: a file, a folder (which owns the folder's
// own list), the back entry ".." that begins every list below the root, or the free-space
// entry of a volume's root.
//
// Ownership: a list owns its nodes, a folder node owns its child list, so clearing the root
// list frees the whole tree. OwnerList and Parent are back references, never owned.
// Nodes live in their list's array (ListEntries): a pointer to a node stays valid until the
// list is cleared or grows, and lists only grow while a scan fills them.
// Only a tree's root list stores its path; every other list's path follows from its parent's
// and its name there, so that a tree's memory grows with its names, not with its depth times
// the length of its paths.
//
// Threading: built and read on one thread. The scan pumps the caller's messages once per
// folder, so the caller's handlers may run mid-scan; they must leave the tree alone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FolderSource.h"
#include "platform/PathSeparator.h"
#include "scan/ByteCount.h"
#include "scan/ListEntries.h"
#include "scan/ScanSink.h"

namespace quillet {

class TFolderList;

class TFolderData {
public:
    TFolderData(TFolderData&&) noexcept;
    TFolderData& operator=(TFolderData&&) = delete;
    ~TFolderData();

    // A folder's sizes are its list's totals; a file's are its own.
    ByteCount Nominal() const;
    ByteCount Allocated() const;
    // Allocated minus nominal. Kept as a difference rather than a field: sizes are exact
    // byte counts, so a folder's difference equals the sum of its files'.
    ByteCount Slack() const { return Allocated() - Nominal(); }
    // 1 for a file and for the free-space entry, 0 for the back entry, and for a folder the
    // FileCount of its Children. Derived, as the sizes of a folder are.
    std::int32_t FileCount() const;

    // The list that holds this node; null for a node not held by a list. Not owned.
    TFolderList* OwnerList() const;
    // A folder's own list, owned by the node; null for files, the back entry and the free-space
    // entry.
    TFolderList* Children() const;

private:
    friend class TFolderList;
    friend class ListEntries;

    // A file, the back entry or the free-space entry, not yet in a list.
    TFolderData(ByteCount nominal, ByteCount allocated);
    // A folder: its entries, and so its sizes, are those of children.
    explicit TFolderData(std::unique_ptr<TFolderList> children);

    // Frees nothing: the caller takes the folder's list over.
    std::unique_ptr<TFolderList> TakeChildren();

    // 16 bytes, since a tree holds one for every entry: a file's allocated size is kept as its
    // slack, which fits 32 bits for nearly every file (the list keeps the others'), and a node
    // finds its list through its place in the list's nodes (ListEntries keeps the list in front
    // of them).
    static constexpr std::int32_t kFolder = INT32_MIN;
    static constexpr std::int32_t kLargeSlack = INT32_MIN + 1;
    static constexpr std::uint32_t kNotInList = UINT32_MAX;
    std::int64_t Value_;  // a file's nominal size; a folder's TFolderList*
    std::uint32_t Index_ = kNotInList;
    std::int32_t Slack_;  // a file's allocated minus nominal size, or kFolder, or kLargeSlack
};

// The list one level up from node's list; null at the root.
TFolderList* ParentList(const TFolderData* node);

struct TScanOptions {
    const bool* CancelRequested = nullptr;  // read after every entry, never written
    std::int32_t ClusterSize = 1;           // at least 1
    std::string_view ExclusionText;         // applies to the scan root's folders only
    // Told each folder's path as the scan enters it. The path is the scan's own: it is only
    // valid during the call, and taking a copy each time costs depth times path length.
    std::function<void(const std::string&)> Progress;
    // Lets the caller's events run, once per folder and every few tens of milliseconds while
    // the scan waits for a folder read on another thread.
    std::function<void()> ProcessMessages;
    // Told of each folder not read in full: its full path (ending in the separator), why, and
    // whether it was read in part or not at all (it is then empty in the tree).
    std::function<void(const std::string& path, ReadFailure why, bool inPart)> FolderNotRead;
    bool SparseSwitch = false;      // sparse files count at their on-disk size
    bool CompressedSwitch = false;  // compressed files count at their on-disk size
    // The source reports each file's allocated size itself as its OnDiskSize (an imported
    // scan); cluster rounding and the two switches then play no part.
    bool AllocationFromSource = false;
    ScanSink* Sink = nullptr;  // told of every folder and file as the scan meets it
};

class TFolderList {
public:
    // The root of a tree: path is the scanned folder's full path, ending in the separator.
    explicit TFolderList(std::string path);
    // A sub-folder's list, not yet in its parent: it has no path until the parent holds it.
    explicit TFolderList(TFolderList* parent);
    ~TFolderList();
    TFolderList(const TFolderList&) = delete;
    TFolderList& operator=(const TFolderList&) = delete;

    int Count() const { return static_cast<int>(Entries_.Count()); }
    // A file's name, kFolderMark + a folder's name, "..", or the free-space entry's name; bytes as
    // the file system stores them.
    std::string_view Name(int index) const;
    TFolderData& Node(int index) { return Entries_.Nodes()[index]; }
    const TFolderData& Node(int index) const { return Entries_.Nodes()[index]; }
    // The position of node in this list, -1 when it is not one of its nodes. With Name() it
    // gives a node's name as stored on disk, which every action on the file needs.
    int IndexOf(const TFolderData* node) const;
    // The position of this folder's node in Parent; -1 for a root.
    int IndexInParent() const {
        return IndexInParent_ == kNotInParent ? -1 : static_cast<int>(IndexInParent_);
    }

    // Appends a file (or the free-space entry) and adds it to the totals.
    void AddFile(std::string_view name, ByteCount nominal, ByteCount allocated);
    // Frees every node, and through folder nodes the lists beneath. Totals, counts, Path and
    // Parent stay; the longest path is forgotten, since it named a freed node.
    void Clear();
    void ResetTo(std::string path);
    // Fills this list from the folder at Path() and, recursively, its sub-folders.
    void Scan(FolderSource& source, const TScanOptions& options);

    // The folder's full path, ending in the separator; built from the names up to the root.
    std::string Path() const;
    // Longest full file path beneath this folder; empty when no file was found.
    std::string LongestPath() const;

    ByteCount TotalNominal = 0;
    ByteCount TotalAllocated = 0;
    // Derived, as a node's slack is: the sum of the files' differences.
    ByteCount TotalSlack() const { return TotalAllocated - TotalNominal; }
    std::int32_t FileCount = 0;
    std::int32_t FolderCount = 0;
    TFolderList* Parent;
    std::int32_t LongestPathLength = 0;  // in UTF-16 code units, as the window shows paths

private:
    friend class TFolderData;
    class TreeBuilder;

    void AddBackEntry();
    // A sub-folder takes its place in the list when the scan enters it and its totals when the
    // scan leaves it, so that its path is known while it is filled.
    TFolderList& BeginFolder(std::string_view name);
    void EndFolder(const TFolderList& child);
    // pathLength16: this folder's path's length in UTF-16 code units.
    void NoteLongestFile(int index, std::int32_t pathLength16);
    // The length of the path of sub-folder name (without the folder mark) of a folder whose
    // path is pathLength16 long: its name and a separator more.
    static std::int32_t SubfolderPathLength16(std::int32_t pathLength16, std::string_view name);
    // The allocated size of the file at index whose slack did not fit its node.
    ByteCount LargeAllocation(std::uint32_t index) const;
    void ResetTotals();

    static constexpr std::uint32_t kNotInParent = UINT32_MAX;

    // Fields ordered so that a list takes 72 bytes: a tree holds one for every folder.
    std::uint32_t IndexInParent_ = kNotInParent;
    ListEntries Entries_;
    // What few lists need: the root's path, and the allocated sizes of files whose slack does
    // not fit a node (sparse files of many gigabytes), by index; null when neither is there.
    struct Extras {
        std::string RootPath;
        std::vector<std::pair<std::uint32_t, ByteCount>> LargeAllocations;
    };
    Extras& TheExtras();
    std::unique_ptr<Extras> Extras_;
};

}  // namespace quillet
