#include "scan/ReadAheadSource.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "base/PathText.h"
#include "platform/PathSeparator.h"

namespace quillet {
namespace {

// Entries per hand-over: one lock per batch, not per entry. Each sub-folder is opened as soon
// as it is listed, and a batch ends after a few of them, so that a small folder is handed over
// whole while the folders below it are read on other threads.
constexpr std::size_t kBatchEntries = 128;
constexpr std::size_t kBatchFolders = 8;
// A batch that has taken as long as a few trips to the disk ends at its next sub-folder: on a
// cold disk, the folders below are then read side by side as soon as they are found.
constexpr auto kSlowBatch = std::chrono::microseconds(100);
constexpr unsigned kMaxWorkers = 16;
// How long the scan's thread yields to the workers before it sleeps on a folder being read.
constexpr auto kYieldFor = std::chrono::microseconds(100);

struct Task;

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
    bool HasChild = false;  // a sub-folder the batch opened: the next of its Children
};

static_assert(sizeof(Item) == 48);

struct Batch {
    std::vector<Item> Items;
    std::string Names;
    // The sub-folders among the items, in their order, each opened right after it was listed.
    std::vector<std::shared_ptr<Task>> Children;
    std::size_t Bytes = 0;  // what it counts against the budget
};

// One folder: read by one thread at a time (Busy), handed to the scan batch by batch.
struct Task : std::enable_shared_from_this<Task> {
    std::string Path;                     // empty when the inner source needs no paths
    std::unique_ptr<FolderHandle> Inner;  // until the folder is read to its end
    bool Opened = false;                  // false when the inner source could not open it
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
    bool Queued = false;    // in the agenda, between AgendaPrev and AgendaNext
    Task* AgendaPrev = nullptr;
    Task* AgendaNext = nullptr;

    // Takes the folder the inner source opened (null when it could not) and its hints.
    void Adopt(std::unique_ptr<FolderHandle> inner) {
        Inner = std::move(inner);
        Opened = Inner != nullptr;
        Finished = !Opened;
        if (!Opened) return;
        CountHint = Inner->EntryCountHint();
        NameBytesHint = Inner->NameBytesHint();
        FolderCountHint = Inner->FolderCountHint();
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

// Unfinished tasks in the order the scan needs them, linked through the tasks themselves so
// that queueing a folder allocates nothing.
class Agenda {
public:
    Task* First() const { return First_; }

    // Puts task before next, or last when next is null.
    void Insert(Task& task, Task* next) {
        Task* prev = next ? next->AgendaPrev : Last_;
        task.AgendaPrev = prev;
        task.AgendaNext = next;
        (prev ? prev->AgendaNext : First_) = &task;
        (next ? next->AgendaPrev : Last_) = &task;
        task.Queued = true;
    }

    void Erase(Task& task) {
        (task.AgendaPrev ? task.AgendaPrev->AgendaNext : First_) = task.AgendaNext;
        (task.AgendaNext ? task.AgendaNext->AgendaPrev : Last_) = task.AgendaPrev;
        task.AgendaPrev = task.AgendaNext = nullptr;
        task.Queued = false;
    }

private:
    Task* First_ = nullptr;
    Task* Last_ = nullptr;
};

// What a lock holder gave up, freed once the lock is released: closing a folder is a system
// call, and nobody should wait on the lock for it.
struct Doomed {
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

}  // namespace

class ReadAheadEngine {
public:
    explicit ReadAheadEngine(const ReadAheadLimits& limits) : Limits_(limits) {
        Threads_.reserve(limits.Workers);
        for (unsigned i = 0; i < limits.Workers; ++i)
            Threads_.emplace_back([this] { Run(); });
    }

    ~ReadAheadEngine() {
        {
            std::lock_guard lock(Mutex_);
            Stop_ = true;
        }
        WorkReady_.notify_all();
        for (std::thread& thread : Threads_)
            thread.join();
    }

    std::shared_ptr<Task> Start(std::unique_ptr<FolderHandle> root, const std::string& path) {
        auto task = std::make_shared<Task>();
        task->Path = path;
        task->Adopt(std::move(root));
        {
            std::lock_guard lock(Mutex_);
            ++OpenInner_;
            Agenda_.Insert(*task, nullptr);
        }
        WorkReady_.notify_all();
        return task;
    }

    // The scan's thread: the next batch of task, read here when no worker has it.
    bool TakeBatch(Task& task, Batch& out) {
        Doomed doomed;
        const Batch spent = std::move(out);  // freed once the lock is released
        std::unique_lock lock(Mutex_);
        for (;;) {
            if (task.HasReady()) {
                out = task.TakeReady();
                BufferedBytes_ -= out.Bytes;
                ResumeIfDrained();
                lock.unlock();
                return true;
            }
            if (task.Finished || task.Dropped) return false;
            if (task.Busy) {
                // A worker hands its batch over soon as a rule: yield the core to the workers
                // for a moment before sleeping, since a sleep and a wake-up cost more.
                const unsigned seen = Published_.load(std::memory_order_relaxed);
                lock.unlock();
                const auto until = std::chrono::steady_clock::now() + kYieldFor;
                while (Published_.load(std::memory_order_acquire) == seen &&
                       std::chrono::steady_clock::now() < until) {
                    std::this_thread::yield();
                }
                lock.lock();
                if (task.HasReady() || !task.Busy) continue;
                ScanWaits_ = true;
                BatchReady_.wait(lock);
                ScanWaits_ = false;
                continue;
            }
            ReadAndPublish(task, lock, doomed);
        }
    }

    // Gives up tasks and everything read ahead beneath them. The caller's references outlive
    // the lock, so that nothing is freed while it is held.
    void Drop(const std::vector<std::shared_ptr<Task>>& tasks) {
        Doomed doomed;
        std::lock_guard lock(Mutex_);
        for (const std::shared_ptr<Task>& task : tasks)
            DropLocked(*task, doomed);
    }

private:
    // Reads task's next batch outside the lock and hands it over. The lock is held on entry
    // and again on return; nobody else may be reading task.
    void ReadAndPublish(Task& task, std::unique_lock<std::mutex>& lock, Doomed& doomed) {
        task.Busy = true;
        const std::size_t folders = ReserveFoldersLocked();
        lock.unlock();
        Batch batch;
        const bool finished = ReadBatch(task, batch, folders);
        lock.lock();
        Publish(task, std::move(batch), finished, folders, doomed);
    }

    // Reads up to a batch of task's entries; true when its folder is read to the end. The
    // caller holds task.Busy.
    static bool ReadBatch(Task& task, Batch& batch, std::size_t folders) {
        const auto started = std::chrono::steady_clock::now();
        FolderEntry run[kBatchEntries];
        batch.Items.reserve(std::min(kBatchEntries, task.CountHint + 1));
        // Names of the folder's average length, so that they are rarely copied as they grow.
        batch.Names.reserve(batch.Items.capacity() * (task.NameBytesHint + task.CountHint) /
                            (task.CountHint + 1));
        while (batch.Items.size() < kBatchEntries) {
            const std::size_t count = task.Inner->NextRun(run, kBatchEntries - batch.Items.size());
            if (count == 0) {
                task.Inner.reset();
                return true;
            }
            for (const FolderEntry& entry : std::span(run, count)) {
                batch.Names.append(entry.Name);
                batch.Items.push_back(Item{
                    entry.Size, entry.OnDiskSize, entry.Device, entry.Inode, entry.Attributes,
                    entry.Links, static_cast<std::uint32_t>(batch.Names.size()), entry.IsFolder});
            }
            // Only the last of a run can be a folder.
            const FolderEntry& last = run[count - 1];
            if (last.IsFolder && !IsDotOrDotDot(last.Name)) {
                batch.Items.back().HasChild = true;
                auto child = std::make_shared<Task>();
                if (!task.Path.empty()) {
                    child->Path.reserve(task.Path.size() + last.Name.size() + 1);
                    child->Path.append(task.Path).append(last.Name).push_back(kPathSeparator);
                }
                child->Adopt(task.Inner->OpenChild(child->Path));
                if (batch.Children.empty())
                    batch.Children.reserve(
                        std::clamp(task.FolderCountHint, std::size_t{1}, folders));
                batch.Children.push_back(std::move(child));
                if (batch.Children.size() == folders ||
                    std::chrono::steady_clock::now() - started >= kSlowBatch) {
                    break;
                }
            }
        }
        return false;
    }

    // How many sub-folders the next batch may open: as many as the budget of open handles has
    // room for, counting those other batches may still open, and at least one, for the scan's
    // thread goes on reading past the budget.
    std::size_t ReserveFoldersLocked() {
        const int room = Limits_.OpenHandles - OpenInner_ - Reserved_;
        const int folders = std::clamp(room, 1, static_cast<int>(kBatchFolders));
        Reserved_ += folders;
        return static_cast<std::size_t>(folders);
    }

    // Hands a batch read outside the lock over; its sub-folders join the agenda just before
    // their parent, in listing order, which is the order a depth-first scan needs them in.
    void Publish(Task& task, Batch&& batch, bool finished, std::size_t folders, Doomed& doomed) {
        task.Busy = false;
        Reserved_ -= static_cast<int>(folders);
        Published_.fetch_add(1, std::memory_order_release);
        if (finished) --OpenInner_;
        bool added = false;
        for (const std::shared_ptr<Task>& child : batch.Children) {
            if (!child->Inner) continue;
            ++OpenInner_;
            if (!task.Dropped) {
                Agenda_.Insert(*child, &task);
                added = true;
            }
        }
        if (task.Dropped) {
            if (task.Inner) {
                --OpenInner_;
                doomed.Handles.push_back(std::move(task.Inner));
            }
            for (std::shared_ptr<Task>& child : batch.Children) {
                DropLocked(*child, doomed);
                doomed.Tasks.push_back(std::move(child));
            }
            doomed.Batches.push_back(std::move(batch));
            return;
        }
        if (finished) {
            task.Finished = true;
            Unqueue(task);
        }
        if (!batch.Items.empty()) {
            batch.Bytes = batch.Items.capacity() * sizeof(Item) + batch.Names.capacity() +
                          batch.Children.capacity() * sizeof(std::shared_ptr<Task>);
            BufferedBytes_ += batch.Bytes;
            task.AddReady(std::move(batch));
        }
        if (ScanWaits_) BatchReady_.notify_one();
        if ((added || finished) && !Full_) WorkReady_.notify_one();
    }

    // Nothing is allocated for a folder read to its end and taken whole, which is how nearly
    // every folder is closed.
    void DropLocked(Task& root, Doomed& doomed) {
        std::vector<std::shared_ptr<Task>> pending;  // sub-folders read ahead beneath root
        for (Task* task = &root;;) {
            task->Dropped = true;
            Unqueue(*task);
            while (task->HasReady()) {
                Batch batch = task->TakeReady();
                BufferedBytes_ -= batch.Bytes;
                for (std::shared_ptr<Task>& child : batch.Children)
                    pending.push_back(std::move(child));
                doomed.Batches.push_back(std::move(batch));
            }
            if (!task->Busy && task->Inner) {
                --OpenInner_;
                doomed.Handles.push_back(std::move(task->Inner));
            }
            if (pending.empty()) break;
            doomed.Tasks.push_back(std::move(pending.back()));
            pending.pop_back();
            task = doomed.Tasks.back().get();
        }
        if (!ResumeIfDrained() && !Full_) WorkReady_.notify_one();
    }

    bool ResumeIfDrained() {
        if (!Full_ || BufferedBytes_ >= Limits_.BufferedBytes / 2) return false;
        Full_ = false;
        WorkReady_.notify_all();
        return true;
    }

    void Unqueue(Task& task) {
        if (task.Queued) Agenda_.Erase(task);
    }

    // The first task in the scan's order that nobody reads, while the budgets allow. Once the
    // entries read ahead fill their budget, the workers rest until the scan has taken half of
    // them: waking them for every batch taken costs more than the reading.
    Task* PickLocked() {
        if (BufferedBytes_ >= Limits_.BufferedBytes) Full_ = true;
        if (Full_ || OpenInner_ + Reserved_ >= Limits_.OpenHandles) return nullptr;
        for (Task* task = Agenda_.First(); task; task = task->AgendaNext) {
            if (!task->Busy) return task;
        }
        return nullptr;
    }

    void Run() {
        Doomed doomed;
        std::unique_lock lock(Mutex_);
        for (;;) {
            Task* picked = nullptr;
            WorkReady_.wait(lock, [&] { return Stop_ || (picked = PickLocked()) != nullptr; });
            if (Stop_) return;
            std::shared_ptr<Task> task = picked->shared_from_this();
            ReadAndPublish(*task, lock, doomed);
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

    const ReadAheadLimits Limits_;
    std::mutex Mutex_;
    std::condition_variable WorkReady_;   // a task to read, or stop
    std::condition_variable BatchReady_;  // a batch was handed over
    bool ScanWaits_ = false;              // the scan's thread waits on BatchReady_
    std::atomic<unsigned> Published_{0};  // counts batches handed over
    Agenda Agenda_;
    std::size_t BufferedBytes_ = 0;
    bool Full_ = false;  // the workers rest until half the budget is free again
    int OpenInner_ = 0;
    int Reserved_ = 0;  // sub-folders that the batches being read may still open
    bool Stop_ = false;
    std::vector<std::thread> Threads_;  // last: started once everything above exists
};

namespace {

class ReadAheadHandle final : public FolderHandle {
public:
    ReadAheadHandle(std::shared_ptr<ReadAheadEngine> engine, std::shared_ptr<Task> task)
        : Engine_(std::move(engine)), Task_(std::move(task)) {}

    // A folder read to its end and taken whole, as nearly every folder is, has nothing left
    // to give up. Otherwise the folder and the sub-folders it handed over are dropped.
    ~ReadAheadHandle() override {
        std::vector<std::shared_ptr<Task>> unread;
        if (!Ended_) unread.push_back(std::move(Task_));
        if (Child_) unread.push_back(std::move(Child_));
        for (std::size_t i = ChildAt_; i < Current_.Children.size(); ++i)
            unread.push_back(std::move(Current_.Children[i]));
        if (!unread.empty()) Engine_->Drop(unread);
    }

    std::size_t EntryCountHint() const override { return Task_->CountHint; }
    std::size_t NameBytesHint() const override { return Task_->NameBytesHint; }
    std::size_t FolderCountHint() const override { return Task_->FolderCountHint; }

    bool Next(FolderEntry& entry) override {
        // A sub-folder the scan did not enter (an excluded one) is not read any further; one
        // that could not be opened has nothing to give up.
        if (std::shared_ptr<Task> skipped = std::move(Child_); skipped && skipped->Opened)
            Engine_->Drop({std::move(skipped)});
        if (Index_ >= Current_.Items.size()) {
            if (Ended_ || !Engine_->TakeBatch(*Task_, Current_)) {
                Ended_ = true;
                return false;
            }
            Index_ = 0;
            ChildAt_ = 0;
            Prefetch(Current_.Items.data(), Current_.Items.size() * sizeof(Item));
            Prefetch(Current_.Names.data(), Current_.Names.size());
        }
        const std::uint32_t nameAt = Index_ == 0 ? 0 : Current_.Items[Index_ - 1].NameEnd;
        const Item& item = Current_.Items[Index_++];
        entry.Name = std::string_view(Current_.Names.data() + nameAt, item.NameEnd - nameAt);
        entry.IsFolder = item.IsFolder;
        entry.Size = item.Size;
        entry.OnDiskSize = item.OnDiskSize;
        entry.Attributes = item.Attributes;
        entry.Links = item.Links;
        entry.Device = item.Device;
        entry.Inode = item.Inode;
        if (item.HasChild) Child_ = std::move(Current_.Children[ChildAt_++]);
        return true;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string&) override {
        // Only the sub-folder just handed out can be opened.
        std::shared_ptr<Task> child = std::move(Child_);
        if (!child || !child->Opened) return nullptr;
        return std::make_unique<ReadAheadHandle>(Engine_, std::move(child));
    }

private:
    // A batch was written on another core: asking for all of it at once lets its cache lines
    // travel side by side instead of one at a time as each entry is handed out. At most as
    // much as a full batch's items, so that long names do not crowd the cache.
    static void Prefetch(const void* data, std::size_t bytes) {
        constexpr std::size_t kLine = 64;
        constexpr std::size_t kMost = kBatchEntries * sizeof(Item);
        const auto* bytesAt = static_cast<const char*>(data);
        for (std::size_t at = 0; at < std::min(bytes, kMost); at += kLine)
            __builtin_prefetch(bytesAt + at);
    }

    std::shared_ptr<ReadAheadEngine> Engine_;
    std::shared_ptr<Task> Task_;
    Batch Current_;  // the batch being handed out, from Index_ on
    std::size_t Index_ = 0;
    std::size_t ChildAt_ = 0;      // Current_'s next sub-folder
    std::shared_ptr<Task> Child_;  // the sub-folder handed out last, until it is opened
    bool Ended_ = false;           // every batch of the folder is taken
};

}  // namespace

ReadAheadSource::ReadAheadSource(std::unique_ptr<FolderSource> inner, ReadAheadLimits limits)
    : Inner_(std::move(inner)), Limits_(limits) {
    if (Limits_.Workers == 0) {
        Limits_.Workers = std::clamp(4 * std::thread::hardware_concurrency(), 4u, kMaxWorkers);
    }
}

ReadAheadSource::~ReadAheadSource() = default;

std::unique_ptr<FolderHandle> ReadAheadSource::OpenRoot(const std::string& path) {
    // The scan's own path may take half the inner budget (deep trees), and the read-ahead a
    // quarter: the system's descriptors are never what a worker waits on or runs out of. With
    // too few to share, the scan reads every folder itself.
    ReadAheadLimits limits = Limits_;
    if (const int budget = Inner_->OpenHandleBudget(); budget > 0) {
        limits.OpenHandles = std::min(limits.OpenHandles, budget / 4);
        limits.Workers = std::min(limits.Workers, static_cast<unsigned>(limits.OpenHandles / 2));
    }
    std::unique_ptr<FolderHandle> root = Inner_->OpenRoot(path);
    if (!root || limits.Workers == 0) return root;
    auto engine = std::make_shared<ReadAheadEngine>(limits);
    std::shared_ptr<Task> task =
        engine->Start(std::move(root), Inner_->NeedsChildPaths() ? path : std::string());
    return std::make_unique<ReadAheadHandle>(std::move(engine), std::move(task));
}

}  // namespace quillet
