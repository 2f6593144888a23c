// What the folder scan sees of the file system: a folder is opened, its entries are read one
// at a time, and a sub-folder is opened from the folder that listed it. The systems' backends
// are LinuxFolderSource and Win32FolderSource, an export is read by ImportFolderSource, and
// tests hand the scan fakes that fail, vanish or go very deep.
//
// Ownership: the caller owns every handle it is given; a handle is used on one thread at a
// time (a ReadAheadSource hands handles of one scan to several threads).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quillet {

// Why a folder, or an entry of it, could not be read: the system's own error code (errno on
// Linux, a Win32 error code on Windows), 0 for none. OutOfHandles marks a lack of descriptors
// or handles, which passes once other folders are closed.
struct ReadFailure {
    int Code = 0;
    bool OutOfHandles = false;

    explicit operator bool() const { return Code != 0; }
};

struct FolderEntry {
    std::string_view Name;         // the name as stored on disk; valid until the next Next() call
    bool IsFolder = false;         // only real folders: a link to a folder is a file
    std::uint64_t Size = 0;        // nominal size in bytes (a link: the link's own size)
    std::uint64_t OnDiskSize = 0;  // bytes allocated on disk; differs for sparse, compressed
    std::uint32_t Attributes = 0;  // FileAttribute bits
    // Hard links: with more than one, Device and Inode name the file, so that a scan can
    // count its sizes once.
    std::uint32_t Links = 1;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    // Listed, but not described (the system's error code): the kind is the listing's, there
    // are no sizes, and a folder is not entered.
    int Error = 0;
};

class FolderHandle {
public:
    virtual ~FolderHandle();

    // Rough count of entries and of their name bytes, so a list can be sized once.
    virtual std::size_t EntryCountHint() const = 0;
    virtual std::size_t NameBytesHint() const = 0;
    // Of those entries, how many may be folders (a folder's name is stored with a mark).
    virtual std::size_t FolderCountHint() const { return EntryCountHint(); }

    // Fills entry with the next entry ("." and ".." are never reported). False at the end or
    // when reading fails part-way.
    virtual bool Next(FolderEntry& entry) = 0;
    // Fills up to count entries (count > 0) as Next() would, and stops after a folder, so that
    // it can be opened before anything else is read. Returns how many, 0 at the end; their
    // names stay valid until the next call. A source that serves many entries at once
    // overrides it; by default it takes one.
    virtual std::size_t NextRun(FolderEntry* entries, std::size_t count);

    // Opens the sub-folder that Next() reported last; childPath is its full path ending in
    // the separator (PathSeparator.h). Null when it cannot be enumerated: unreadable, gone, on
    // another file system, or (on a system that opens folders by path) a path it refuses.
    virtual std::unique_ptr<FolderHandle> OpenChild(const std::string& childPath) = 0;
    // Why the last OpenChild gave null: none when the sub-folder was left out on purpose
    // (another file system) or is gone.
    virtual ReadFailure OpenFailure() const { return {}; }
    // Why the folder is not read in full: its listing failed part-way, or entries could not be
    // described (each such entry carries its Error). Known from the start for a listing that
    // failed; complete once Next() has reported the end.
    virtual ReadFailure ReadError() const { return {}; }
};

// What a scan tells a source that reads on threads of its own.
struct ScanHooks {
    // A sub-folder of the scan's root that the scan leaves out, so never to be read. It may be
    // called on any thread, also after the scan, so it keeps what it needs by value.
    std::function<bool(std::string_view name)> LeavesOut;
    // Called on the scan's thread every kWhileWaitingEvery while it waits for another thread;
    // true ends the wait (a cancel): the folder then reads as ended.
    std::function<bool()> WhileWaiting;
    static constexpr std::chrono::milliseconds kWhileWaitingEvery{50};
};

class FolderSource {
public:
    virtual ~FolderSource();

    // Opens the folder at which a scan starts (a full path ending in the separator); null when it
    // cannot be enumerated.
    virtual std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) = 0;
    // The same for a scan that tells the source its hooks; a source that reads on no thread of
    // its own has no use for them.
    virtual std::unique_ptr<FolderHandle> OpenScanRoot(const std::string& path, const ScanHooks&) {
        return OpenRoot(path);
    }

    // How many handles of one scan may be open at once before the source has to give some of
    // its resources up (descriptors, on Linux) and take them back later; 0 for no such
    // limit. A read-ahead keeps well within it.
    virtual int OpenHandleBudget() { return 0; }

    // False when OpenChild opens a sub-folder from its parent's handle alone and ignores the
    // path: a read-ahead then keeps no paths, which in a deep tree would take depth times
    // path length.
    virtual bool NeedsChildPaths() const { return true; }
};

}  // namespace quillet
