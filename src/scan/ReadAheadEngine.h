// The read-ahead's scheduler for one scan: its worker threads, its agenda (ReadAheadAgenda.h)
// and its budgets (ReadAheadBudget.h). A worker takes the first folder in the agenda that
// nobody reads, reads a batch of it through the inner source outside the lock, opening each
// sub-folder as soon as it is listed, and hands the batch over under the lock. The scan's thread
// takes the batches in order, and reads a folder itself when nobody has it, unless it must never
// wait on a disk (the window's thread): then it asks the workers for it first of all.
//
// Threads: every handle of the scan holds the engine, and so does every worker. When the last
// handle closes, Stop joins the workers that rest and leaves those still inside the inner source
// (a folder whose server stopped answering): they throw their work away when they come back,
// and the engine goes with the last of them. A worker's exception ends its batch cleanly and is
// thrown again on the scan's thread. Whoever set a task's Busy is the only thread that uses its
// inner handle; all else belongs to Mutex_, which is never held while the inner source is called.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "scan/ReadAheadAgenda.h"
#include "scan/ReadAheadBudget.h"
#include "scan/ReadAheadSource.h"
#include "scan/ReadAheadTask.h"

namespace quillet {

class ReadAheadEngine : public std::enable_shared_from_this<ReadAheadEngine> {
public:
    // Starts as many of limits.Workers as the system lets it, none at all if need be.
    static std::shared_ptr<ReadAheadEngine> Start(const ReadAheadLimits& limits, ScanHooks hooks);
    ReadAheadEngine(const ReadAheadLimits& limits, ScanHooks hooks);
    ReadAheadEngine(const ReadAheadEngine&) = delete;
    ReadAheadEngine& operator=(const ReadAheadEngine&) = delete;

    std::size_t Workers() const { return Workers_.size(); }

    std::shared_ptr<Task> AddRoot(std::unique_ptr<FolderHandle> root, const std::string& path);

    // The scan's thread: the next batch of task, into out; false at its end, or when the scan
    // stopped waiting for it (a cancel). Throws what a worker threw.
    bool TakeBatch(Task& task, Batch& out);
    // The scan's thread: opens child, which a worker could not open for want of descriptors,
    // from its parent's inner handle, waiting for descriptors to come free while workers read.
    void OpenOnScan(Task& parent, Task& child);
    // Gives up tasks and everything read ahead beneath them. The caller's references outlive
    // the lock, so that nothing is freed while it is held.
    void Drop(const std::vector<std::shared_ptr<Task>>& tasks);
    // The last handle of the scan has closed: lets the workers go.
    void Stop();

private:
    struct Worker {
        std::thread Thread;
        bool Reading = false;  // inside the inner source, outside the lock
    };
    struct Doomed;
    struct BatchResult {
        bool Finished = false;
        ReadFailure Error;
    };

    void Run(std::size_t index);
    Task* PickLocked();
    void ReadAndPublish(Task& task, std::unique_lock<std::mutex>& lock, Doomed& doomed,
                        bool onScan);
    BatchResult ReadBatch(Task& task, Batch& batch, std::size_t folders, bool onScan, bool mayOpen);
    void OpenChildOf(Task& parent, Task& child, bool onScan);
    bool WaitForHandles();
    bool WaitForPublish(std::unique_lock<std::mutex>& lock, unsigned seen);
    void Publish(Task& task, Batch&& batch, const BatchResult& result, int folders, Doomed& doomed);
    void DropLocked(Task& root, Doomed& doomed);
    void Unqueue(Task& task);

    const ScanHooks Hooks_;
    bool ScanReads_;  // the scan's thread reads a folder nobody has
    std::mutex Mutex_;
    std::condition_variable WorkReady_;   // a task to read, or stop
    std::condition_variable BatchReady_;  // a batch was handed over, or a worker failed
    bool ScanWaits_ = false;              // the scan's thread waits on BatchReady_
    std::atomic<unsigned> Published_{0};  // counts batches handed over
    ReadAheadAgenda Agenda_;
    ReadAheadBudget Budget_;
    Task* Wanted_ = nullptr;       // the folder the scan's thread waits for, first for the workers
    bool ShortOfHandles_ = false;  // the scan's thread waits for a descriptor
    std::exception_ptr Failure_;
    Task* Root_ = nullptr;
    bool Stop_ = false;
    std::vector<Worker> Workers_;
};

}  // namespace quillet
