#include "scan/ReadAheadEngine.h"

#include <algorithm>
#include <chrono>
#include <span>
#include <system_error>

#include "base/PathText.h"
#include "base/YieldThenWait.h"
#include "platform/PathSeparator.h"
#include "scan/WaitRunningHooks.h"

namespace quillet {
namespace {

// A batch that has taken as long as a few trips to the disk ends at its next sub-folder: on a
// cold disk, the folders below are then read side by side as soon as they are found.
constexpr auto kSlowBatch = std::chrono::microseconds(100);
// How long the scan's thread yields to the workers before it sleeps on a folder being read.
constexpr auto kYieldFor = std::chrono::microseconds(100);

}  // namespace

// What a lock holder gave up, freed once the lock is released: closing a folder is a system
// call, and nobody should wait on the lock for it.
struct ReadAheadEngine::Doomed {
    std::vector<std::unique_ptr<FolderHandle>> Handles;
    std::vector<std::shared_ptr<Task>> Tasks;
    std::vector<Batch> Batches;

    bool Empty() const { return Handles.empty() && Tasks.empty() && Batches.empty(); }
    void Clear() {
        Handles.clear();
        Tasks.clear();
        Batches.clear();
    }
};

ReadAheadEngine::ReadAheadEngine(const ReadAheadLimits& limits, ScanHooks hooks)
    : Hooks_(std::move(hooks)),
      ScanReads_(limits.ScanReads),
      Budget_(limits.OpenHandles, limits.BufferedBytes) {}

std::shared_ptr<ReadAheadEngine> ReadAheadEngine::Start(const ReadAheadLimits& limits,
                                                        ScanHooks hooks) {
    auto engine = std::make_shared<ReadAheadEngine>(limits, std::move(hooks));
    std::lock_guard lock(engine->Mutex_);
    engine->Workers_.reserve(limits.Workers);
    for (std::size_t i = 0; i < limits.Workers; ++i) {
        try {
            std::thread thread([engine, i] { engine->Run(i); });
            engine->Workers_.push_back(Worker{std::move(thread)});
        } catch (const std::system_error&) {
            break;  // the system has no more threads for us (RLIMIT_NPROC): read with fewer
        }
    }
    // Without workers the scan's thread must read everything itself.
    if (engine->Workers_.empty()) engine->ScanReads_ = true;
    return engine;
}

std::shared_ptr<Task> ReadAheadEngine::AddRoot(std::unique_ptr<FolderHandle> root,
                                               const std::string& path) {
    auto task = std::make_shared<Task>();
    task->Path = path;
    task->Adopt(std::move(root));
    {
        std::lock_guard lock(Mutex_);
        Budget_.Opened();
        Agenda_.Insert(*task, nullptr);
        Root_ = task.get();
    }
    WorkReady_.notify_all();
    return task;
}

bool ReadAheadEngine::TakeBatch(Task& task, Batch& out) {
    Doomed doomed;
    const Batch spent = std::move(out);  // freed once the lock is released
    std::unique_lock lock(Mutex_);
    for (;;) {
        if (Failure_) std::rethrow_exception(Failure_);
        if (task.HasReady()) {
            out = task.TakeReady();
            if (Budget_.Take(out.Bytes)) WorkReady_.notify_all();
            lock.unlock();
            return true;
        }
        if (task.Finished || task.Dropped) return false;
        if (!task.Busy && (ScanReads_ || task.ScanOnly)) {
            ReadAndPublish(task, lock, doomed, true);
            continue;
        }
        if (!task.Busy) {
            Wanted_ = &task;
            WorkReady_.notify_one();
        }
        if (!WaitForPublish(lock, Published_.load(std::memory_order_relaxed))) {
            // The scan is cancelled: what is being read of this folder is thrown away when
            // the thread reading it comes back, if it ever does.
            DropLocked(task, doomed);
            return false;
        }
    }
}

// Waits, with the lock held on entry and on return, until a batch is handed over after seen or a
// worker fails; false when the scan's hooks end the wait.
bool ReadAheadEngine::WaitForPublish(std::unique_lock<std::mutex>& lock, unsigned seen) {
    const auto published = [&] {
        return Published_.load(std::memory_order_acquire) != seen || Failure_ != nullptr;
    };
    // A worker hands its batch over soon as a rule: yield the core to the workers for a moment
    // before sleeping, since a sleep and a wake-up cost more.
    lock.unlock();
    YieldWhile([&] { return Published_.load(std::memory_order_acquire) == seen; }, kYieldFor);
    lock.lock();
    ScanWaits_ = true;
    const bool handedOver = WaitRunningHooks(lock, BatchReady_, Hooks_, published);
    ScanWaits_ = false;
    return handedOver;
}

void ReadAheadEngine::OpenOnScan(Task& parent, Task& child) {
    {
        std::lock_guard lock(Mutex_);
        parent.Busy = true;  // the scan's own: no worker picks a folder left to the scan
    }
    try {
        OpenChildOf(parent, child, true);
    } catch (...) {
        std::lock_guard lock(Mutex_);
        parent.Busy = false;
        throw;
    }
    std::lock_guard lock(Mutex_);
    parent.Busy = false;
    parent.ScanOnly = false;
    child.OpenOnScan = false;
    if (!child.Inner) return;
    Budget_.Opened();
    Agenda_.Insert(child, &parent);
    WorkReady_.notify_one();
}

void ReadAheadEngine::Drop(const std::vector<std::shared_ptr<Task>>& tasks) {
    Doomed doomed;
    std::lock_guard lock(Mutex_);
    for (const std::shared_ptr<Task>& task : tasks)
        DropLocked(*task, doomed);
}

void ReadAheadEngine::Stop() {
    std::vector<std::thread> resting;
    {
        std::lock_guard lock(Mutex_);
        Stop_ = true;
        for (Worker& worker : Workers_) {
            // One still inside the inner source may never come back: it is not waited for.
            if (worker.Reading) {
                worker.Thread.detach();
            } else {
                resting.push_back(std::move(worker.Thread));
            }
        }
    }
    WorkReady_.notify_all();
    for (std::thread& thread : resting)
        thread.join();
}

// Reads task's next batch outside the lock and hands it over. The lock is held on entry and
// again on return, also when reading throws; nobody else may be reading task.
void ReadAheadEngine::ReadAndPublish(Task& task, std::unique_lock<std::mutex>& lock, Doomed& doomed,
                                     bool onScan) {
    task.Busy = true;
    const int folders = Budget_.Reserve();
    const bool mayOpen = onScan || !ShortOfHandles_;
    lock.unlock();
    Batch batch;
    BatchResult result;
    try {
        result = ReadBatch(task, batch, static_cast<std::size_t>(folders), onScan, mayOpen);
    } catch (...) {
        batch = {};  // closes what the batch opened, outside the lock
        lock.lock();
        task.Busy = false;
        Budget_.Unreserve(folders);
        throw;
    }
    lock.lock();
    Publish(task, std::move(batch), result, folders, doomed);
}

// Reads up to a batch of task's entries. The caller holds task.Busy.
ReadAheadEngine::BatchResult ReadAheadEngine::ReadBatch(Task& task, Batch& batch,
                                                        std::size_t folders, bool onScan,
                                                        bool mayOpen) {
    const auto started = std::chrono::steady_clock::now();
    // One run buffer for each thread: made afresh for every batch, its 9 KB were cleared as
    // often as a small folder was read, which showed in the scan's profile.
    thread_local FolderEntry run[kBatchEntries];
    batch.Items.reserve(std::min(kBatchEntries, task.CountHint + 1));
    // Names of the folder's average length, so that they are rarely copied as they grow.
    batch.Names.reserve(batch.Items.capacity() * (task.NameBytesHint + task.CountHint) /
                        (task.CountHint + 1));
    while (batch.Items.size() < kBatchEntries) {
        const std::size_t count = task.Inner->NextRun(run, kBatchEntries - batch.Items.size());
        if (count == 0) {
            const ReadFailure error = task.Inner->ReadError();
            task.Inner.reset();
            return {true, error};
        }
        for (const FolderEntry& entry : std::span(run, count)) {
            batch.Names.append(entry.Name);
            batch.Items.push_back(
                Item{entry.Size, entry.OnDiskSize, entry.Device, entry.Inode, entry.Attributes,
                     entry.Links, static_cast<std::uint32_t>(batch.Names.size()), entry.IsFolder,
                     false, static_cast<std::uint16_t>(std::min(entry.Error, 0xFFFF))});
        }
        // Only the last of a run can be a folder.
        const FolderEntry& last = run[count - 1];
        if (!last.IsFolder || IsDotOrDotDot(last.Name)) continue;
        batch.Items.back().HasChild = true;
        auto child = std::make_shared<Task>();
        if (!task.Path.empty()) {
            child->Path.reserve(task.Path.size() + last.Name.size() + 1);
            child->Path.append(task.Path).append(last.Name).push_back(kPathSeparator);
        }
        // A folder the scan leaves out is never opened.
        if (&task == Root_ && Hooks_.LeavesOut && Hooks_.LeavesOut(last.Name)) {
            child->Adopt(nullptr);
        } else if (mayOpen) {
            OpenChildOf(task, *child, onScan);
        } else {
            child->OpenOnScan = true;
        }
        if (batch.Children.empty())
            batch.Children.reserve(std::clamp(task.FolderCountHint, std::size_t{1}, folders));
        batch.Children.push_back(std::move(child));
        // Past a sub-folder left to the scan's thread nothing is read: the scan opens it from
        // this folder's handle, which must still stand just past it.
        if (batch.Children.back()->OpenOnScan || batch.Children.size() == folders ||
            std::chrono::steady_clock::now() - started >= kSlowBatch) {
            break;
        }
    }
    return {false, task.Inner->ReadError()};
}

// Opens child, just listed by parent. A worker that finds no descriptor leaves the sub-folder
// to the scan's thread; the scan's thread waits for descriptors while workers read, and gives
// up (the folder is then not read, and says why) only when nothing can come free.
void ReadAheadEngine::OpenChildOf(Task& parent, Task& child, bool onScan) {
    std::unique_ptr<FolderHandle> inner;
    ReadFailure failure;
    bool waited = false;
    for (;;) {
        inner = parent.Inner->OpenChild(child.Path);
        failure = inner ? ReadFailure{} : parent.Inner->OpenFailure();
        if (inner || !failure.OutOfHandles) break;
        if (!onScan) {
            child.OpenOnScan = true;
            return;
        }
        waited = true;
        if (!WaitForHandles()) break;
    }
    if (waited) {
        std::lock_guard lock(Mutex_);
        ShortOfHandles_ = false;
    }
    child.Adopt(std::move(inner), failure);
}

// The scan's thread has no descriptor to open a folder with. Until it has one, the workers
// open nothing, open no more than they hold now ever after, and read the folders they hold,
// each to its end (closing it) or to a sub-folder, which they leave to the scan. The scan waits
// until a batch is handed over. False when nothing is being read or left to read, so nothing
// will come free, or on a cancel.
bool ReadAheadEngine::WaitForHandles() {
    std::unique_lock lock(Mutex_);
    Budget_.LimitToOpen();
    ShortOfHandles_ = true;
    WorkReady_.notify_all();
    const bool reading = std::any_of(Workers_.begin(), Workers_.end(),
                                     [](const Worker& worker) { return worker.Reading; });
    if (!reading && !PickLocked()) return false;
    return WaitForPublish(lock, Published_.load(std::memory_order_relaxed));
}

// Hands a batch read outside the lock over; its sub-folders join the agenda just before their
// parent, in listing order, which is the order a depth-first scan needs them in.
void ReadAheadEngine::Publish(Task& task, Batch&& batch, const BatchResult& result, int folders,
                              Doomed& doomed) {
    task.Busy = false;
    Budget_.Unreserve(folders);
    Published_.fetch_add(1, std::memory_order_release);
    if (result.Finished) Budget_.Closed();
    bool added = false;
    for (const std::shared_ptr<Task>& child : batch.Children) {
        if (child->OpenOnScan) {
            // The system has no descriptor to spare: the workers open no more than now.
            task.ScanOnly = true;
            Budget_.LimitToOpen();
        }
        if (!child->Inner) continue;
        Budget_.Opened();
        if (!task.Dropped) {
            Agenda_.Insert(*child, &task);
            added = true;
        }
    }
    if (task.Dropped) {
        if (task.Inner) {
            Budget_.Closed();
            doomed.Handles.push_back(std::move(task.Inner));
        }
        for (std::shared_ptr<Task>& child : batch.Children) {
            DropLocked(*child, doomed);
            doomed.Tasks.push_back(std::move(child));
        }
        doomed.Batches.push_back(std::move(batch));
        return;
    }
    if (result.Finished) {
        task.Finished = true;
        Unqueue(task);
    }
    batch.Error = result.Error;
    if (!batch.Items.empty() || result.Error) {
        batch.Bytes = batch.Items.capacity() * sizeof(Item) + batch.Names.capacity() +
                      batch.Children.capacity() * sizeof(std::shared_ptr<Task>);
        Budget_.Buffer(batch.Bytes);
        task.AddReady(std::move(batch));
    }
    if (ScanWaits_) BatchReady_.notify_one();
    if ((added || result.Finished) && !Budget_.Full()) WorkReady_.notify_one();
}

// Nothing is allocated for a folder read to its end and taken whole, which is how nearly
// every folder is closed.
void ReadAheadEngine::DropLocked(Task& root, Doomed& doomed) {
    std::vector<std::shared_ptr<Task>> pending;  // sub-folders read ahead beneath root
    bool resumed = false;
    for (Task* task = &root;;) {
        task->Dropped = true;
        Unqueue(*task);
        while (task->HasReady()) {
            Batch batch = task->TakeReady();
            resumed = Budget_.Take(batch.Bytes) || resumed;
            for (std::shared_ptr<Task>& child : batch.Children)
                pending.push_back(std::move(child));
            doomed.Batches.push_back(std::move(batch));
        }
        if (!task->Busy && task->Inner) {
            Budget_.Closed();
            doomed.Handles.push_back(std::move(task->Inner));
        }
        if (pending.empty()) break;
        doomed.Tasks.push_back(std::move(pending.back()));
        pending.pop_back();
        task = doomed.Tasks.back().get();
    }
    if (resumed) {
        WorkReady_.notify_all();
    } else if (!Budget_.Full()) {
        WorkReady_.notify_one();
    }
}

void ReadAheadEngine::Unqueue(Task& task) {
    Agenda_.Erase(task);
    if (&task == Wanted_) Wanted_ = nullptr;
}

// The folder the scan waits for first, whatever the budgets; then the first in the scan's order
// that nobody reads, while the budgets allow.
Task* ReadAheadEngine::PickLocked() {
    if (Failure_) return nullptr;
    if (Wanted_ && !Wanted_->Busy && !Wanted_->ScanOnly) return Wanted_;
    // Short of descriptors, reading what is open is what gives them back.
    if (!ShortOfHandles_ && !Budget_.AllowsWork()) return nullptr;
    for (Task* task = Agenda_.First(); task; task = task->AgendaNext) {
        if (!task->Busy && !task->ScanOnly) return task;
    }
    return nullptr;
}

void ReadAheadEngine::Run(std::size_t index) {
    Doomed doomed;
    std::unique_lock lock(Mutex_);
    for (;;) {
        Task* picked = nullptr;
        WorkReady_.wait(lock, [&] { return Stop_ || (picked = PickLocked()) != nullptr; });
        if (Stop_) return;
        if (picked == Wanted_) Wanted_ = nullptr;
        std::shared_ptr<Task> task = picked->shared_from_this();
        Workers_[index].Reading = true;
        try {
            ReadAndPublish(*task, lock, doomed, false);
        } catch (...) {
            // The batch is undone; the scan's thread fails with what went wrong here.
            if (!Failure_) Failure_ = std::current_exception();
            BatchReady_.notify_all();
        }
        Workers_[index].Reading = false;
        // What the task and the hand-over let go of is freed outside the lock. As a rule
        // there is nothing (the scan still holds the task), and the worker picks its next
        // task without letting the lock go and taking it again.
        if (task.use_count() == 1 || !doomed.Empty()) {
            lock.unlock();
            task.reset();
            doomed.Clear();
            lock.lock();
        }
    }
}

}  // namespace quillet
