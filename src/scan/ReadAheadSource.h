// A FolderSource that serves folders another source has read in advance. Worker threads
// open, list and describe folders ahead of the scan, in the order a depth-first scan needs
// them, and hand the entries over in batches; the scan's thread still sees each folder's
// entries in the inner source's order, one at a time, as if it read them itself. When the
// folder the scan needs next is not ready and no worker holds it, the scan's thread reads it
// itself, so the scan never waits on an idle pool. Every thread of a scan, what it owns, the
// budgets and the order of the locks: docs/threads.md.
//
// The inner source's handles must allow different handles to be used on different threads
// (each one on one thread at a time), and each sub-folder is opened from its parent right
// after the parent reported it, as FolderHandle asks.
//
// What is read ahead is bounded: workers stop while the entries read but not yet taken pass a
// fixed budget of bytes, or while too many inner handles are open (at most a quarter of what the
// inner source says it can hold). What each open inner handle holds itself is not in the byte
// budget: on Linux, the whole listing of its folder, so a read-ahead of many huge folders holds
// their names besides the budget, as the scan's own path does. Closing a handle drops everything
// read ahead beneath it, so a cancelled scan unwinds without waiting for unread work. The
// workers live as long as the handles of one scan (ReadAheadEngine.h); a worker that the system
// cannot start is done without, and one that fails hands its failure to the scan's thread.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/FolderSource.h"

namespace quillet {

struct ReadAheadLimits {
    // 0 for a pool sized from the core count, with more threads than cores, since a cold
    // disk answers many requests at once.
    unsigned Workers = 0;
    // What the workers may read ahead of the scan. The scan builds its tree far faster than
    // folders are read, so the workers are what it waits for: they must rarely rest, and
    // with fewer folders or bytes in hand than these, a warm scan left a core idle.
    // Entries read, not yet taken: about 40,000 of them, at 48 bytes each and their names.
    std::size_t BufferedBytes = std::size_t{5} << 19;
    int OpenHandles = 128;  // inner handles open ahead of the scan: descriptors and listings
    // The scan's thread reads a folder itself when no worker has it, so it never waits on an
    // idle pool. False for a thread that must never wait on a disk (a window's): it then asks
    // the workers for the folder and waits, and a folder whose server stops answering can be
    // cancelled. It still reads when no worker could be started.
    bool ScanReads = true;
};

class ReadAheadSource final : public FolderSource {
public:
    explicit ReadAheadSource(std::unique_ptr<FolderSource> inner, ReadAheadLimits limits = {});
    ~ReadAheadSource() override;

    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;
    std::unique_ptr<FolderHandle> OpenScanRoot(const std::string& path,
                                               const ScanHooks& hooks) override;

private:
    // A thread that must never wait on a disk has the root opened (its whole listing read) on
    // a thread of its own, and runs the hooks meanwhile; a cancel leaves that thread to close
    // what it opens, whenever the disk answers. Null when the root cannot be opened.
    std::unique_ptr<FolderHandle> OpenRootAside(const std::string& path, const ScanHooks& hooks);

    std::shared_ptr<FolderSource> Inner_;  // shared with a root opening that was left behind
    ReadAheadLimits Limits_;
};

}  // namespace quillet
