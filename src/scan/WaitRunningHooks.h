// The scan's thread waiting on another thread of the read-ahead: it must keep running its hooks
// (a window's events, a cancel) while it waits, since the other thread may be stuck on a disk
// that stopped answering.
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/FolderSource.h"

namespace quillet {

// Waits on ready until done() holds, with lock held on entry and on return. Every
// ScanHooks::kWhileWaitingEvery the lock is let go while hooks.WhileWaiting runs. False when the
// hooks end the wait before done() holds.
template <typename Done>
bool WaitRunningHooks(std::unique_lock<std::mutex>& lock, std::condition_variable& ready,
                      const ScanHooks& hooks, Done done) {
    while (!ready.wait_for(lock, ScanHooks::kWhileWaitingEvery, done)) {
        if (!hooks.WhileWaiting) continue;
        lock.unlock();
        const bool stop = hooks.WhileWaiting();
        lock.lock();
        if (stop && !done()) return false;
    }
    return true;
}

}  // namespace quillet
