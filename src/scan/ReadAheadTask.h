// What the read-ahead hands around: a folder being read (Task), the entries handed over at once
// (Batch), and each entry without its name (Item).
//
// Ownership and threads: a Task is shared by the engine, the batch that listed it and the
// handle that serves it. Whoever marked it Busy is the only thread that uses its inner handle;
// every other field belongs to the engine's mutex (ReadAheadEngine).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/FolderSource.h"

namespace quillet {

struct Task;

// Entries per hand-over: one lock per batch, not per entry. Each sub-folder is opened as soon
// as it is listed, and a batch ends after a few of them (the budget's kBatchFolders), so that a
// small folder is handed over whole while the folders below it are read on other threads.
constexpr std::size_t kBatchEntries = 128;

// A FolderEntry without its name, which is in the batch's Names: half the size, so that the
// budget holds as many entries in less memory.
struct Item {
    std::uint64_t Size = 0;
    std::uint64_t OnDiskSize = 0;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint32_t Attributes = 0;
    std::uint32_t Links = 1;
    std::uint32_t NameEnd = 0;  // the name follows the previous item's in Names
    bool IsFolder = false;
    bool HasChild = false;    // a sub-folder the batch opened: the next of its Children
    std::uint16_t Error = 0;  // FolderEntry::Error; the systems' codes fit
};

static_assert(sizeof(Item) == 48);

struct Batch {
    std::vector<Item> Items;
    std::string Names;
    // The sub-folders among the items, in their order, each opened right after it was listed.
    std::vector<std::shared_ptr<Task>> Children;
    std::size_t Bytes = 0;  // what it counts against the budget
    ReadFailure Error;      // why the folder is not read in full, as far as read with this batch
};

// One folder: read by one thread at a time (Busy), handed to the scan batch by batch.
struct Task : std::enable_shared_from_this<Task> {
    std::string Path;                     // empty when the inner source needs no paths
    std::unique_ptr<FolderHandle> Inner;  // until the folder is read to its end
    bool Opened = false;                  // false when the inner source could not open it
    ReadFailure OpenFailure;              // why it could not, when it says
    ReadFailure ReadError;                // the inner handle's when it was opened
    std::size_t CountHint = 0;
    std::size_t NameBytesHint = 0;
    std::size_t FolderCountHint = 0;
    // Batches handed over and not yet taken, oldest first: the oldest in First (a small folder
    // is one batch, so as a rule the only one, and queueing it allocates nothing), the others
    // in Later from LaterFrom on.
    Batch First;
    bool HasFirst = false;
    std::vector<Batch> Later;
    std::size_t LaterFrom = 0;
    bool Finished = false;  // Inner reached its end; the batches above are the rest
    bool Busy = false;      // a thread reads Inner outside the lock
    bool Dropped = false;   // the scan will never take it
    // A worker found no descriptor to open this sub-folder: its parent's handle, left just
    // past it, opens it on the scan's thread, which can wait for descriptors to come free.
    bool OpenOnScan = false;
    bool ScanOnly = false;  // workers leave it alone: a sub-folder of it waits for the scan
    bool Queued = false;    // in the agenda, between AgendaPrev and AgendaNext
    Task* AgendaPrev = nullptr;
    Task* AgendaNext = nullptr;

    // Takes the folder the inner source opened (null when it could not, for the reason given)
    // and its hints.
    void Adopt(std::unique_ptr<FolderHandle> inner, ReadFailure failure = {}) {
        Inner = std::move(inner);
        Opened = Inner != nullptr;
        Finished = !Opened;
        OpenFailure = failure;
        if (!Opened) return;
        CountHint = Inner->EntryCountHint();
        NameBytesHint = Inner->NameBytesHint();
        FolderCountHint = Inner->FolderCountHint();
        ReadError = Inner->ReadError();
    }

    bool HasReady() const { return HasFirst; }
    void AddReady(Batch&& batch) {
        if (HasFirst) {
            Later.push_back(std::move(batch));
        } else {
            First = std::move(batch);
            HasFirst = true;
        }
    }
    Batch TakeReady() {
        Batch batch = std::move(First);
        HasFirst = LaterFrom < Later.size();
        if (HasFirst) First = std::move(Later[LaterFrom++]);
        if (LaterFrom == Later.size()) {
            Later.clear();
            LaterFrom = 0;
        }
        return batch;
    }
};

}  // namespace quillet
