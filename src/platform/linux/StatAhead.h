// A second thread for the folder scan: while the scan's thread stats a folder's names from the
// front, this one stats them from the back, so the two cores share the system calls that
// dominate a scan. It always works on the listing shared last, the one the scan is in.
//
// Owned by the scan's volume data; its thread starts with it and is joined when it goes.
// The mutex guards the list of shared listings only; the names themselves are claimed through
// the listing's atomics, so the two threads rarely meet on a lock.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/linux/FolderListing.h"

namespace quillet {

class StatAhead {
public:
    StatAhead();
    ~StatAhead();
    StatAhead(const StatAhead&) = delete;
    StatAhead& operator=(const StatAhead&) = delete;

    void Share(FolderListing& listing);
    // After this the worker no longer touches the listing.
    void Withdraw(FolderListing& listing);

private:
    void Run();
    FolderListing* NextListing();  // null when stopping

    std::mutex Mutex_;
    std::condition_variable Wake_;          // work arrived, or stop
    std::vector<FolderListing*> Listings_;  // shared last at the back
    bool Sleeping_ = false;
    bool Stop_ = false;
    std::atomic<unsigned> Shares_{0};            // counts Share calls: newer work to look at
    std::atomic<FolderListing*> Busy_{nullptr};  // the listing the worker is in
    std::thread Thread_;                         // last: starts once everything above exists
};

}  // namespace quillet
