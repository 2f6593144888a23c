#include "scan/ReadAheadSource.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "scan/ReadAheadEngine.h"
#include "scan/WaitRunningHooks.h"

namespace quillet {
namespace {

constexpr unsigned kMaxWorkers = 16;

// A root being opened on a thread of its own, shared by that thread and the one waiting.
struct RootOpening {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    bool Abandoned = false;  // the waiting thread went: the opener closes what it opened
    std::unique_ptr<FolderHandle> Root;
    std::exception_ptr Failure;
};

// Held by every handle of one scan: the last one to close lets the workers go.
class ReadAheadScan {
public:
    explicit ReadAheadScan(std::shared_ptr<ReadAheadEngine> engine) : Engine(std::move(engine)) {}
    ~ReadAheadScan() { Engine->Stop(); }
    ReadAheadScan(const ReadAheadScan&) = delete;
    ReadAheadScan& operator=(const ReadAheadScan&) = delete;

    const std::shared_ptr<ReadAheadEngine> Engine;
};

class ReadAheadHandle final : public FolderHandle {
public:
    ReadAheadHandle(std::shared_ptr<ReadAheadScan> scan, std::shared_ptr<Task> task)
        : Scan_(std::move(scan)),
          Engine_(*Scan_->Engine),
          Task_(std::move(task)),
          Error_(Task_->ReadError) {}

    // A folder read to its end and taken whole, as nearly every folder is, has nothing left
    // to give up. Otherwise the folder and the sub-folders it handed over are dropped.
    ~ReadAheadHandle() override {
        std::vector<std::shared_ptr<Task>> unread;
        if (!Ended_) unread.push_back(std::move(Task_));
        if (Child_) unread.push_back(std::move(Child_));
        for (std::size_t i = ChildAt_; i < Current_.Children.size(); ++i)
            unread.push_back(std::move(Current_.Children[i]));
        if (!unread.empty()) Engine_.Drop(unread);
    }

    std::size_t EntryCountHint() const override { return Task_->CountHint; }
    std::size_t NameBytesHint() const override { return Task_->NameBytesHint; }
    std::size_t FolderCountHint() const override { return Task_->FolderCountHint; }

    bool Next(FolderEntry& entry) override {
        // A sub-folder the scan did not enter (an excluded one) is not read any further; one
        // that could not be opened has nothing to give up.
        if (std::shared_ptr<Task> skipped = std::move(Child_); skipped && skipped->Opened)
            Engine_.Drop({std::move(skipped)});
        while (Index_ >= Current_.Items.size()) {
            if (Ended_ || !Engine_.TakeBatch(*Task_, Current_)) {
                Ended_ = true;
                return false;
            }
            Index_ = 0;
            ChildAt_ = 0;
            if (Current_.Error) Error_ = Current_.Error;
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
        entry.Error = item.Error;
        if (item.HasChild) Child_ = std::move(Current_.Children[ChildAt_++]);
        return true;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string&) override {
        // Only the sub-folder just handed out can be opened.
        std::shared_ptr<Task> child = std::move(Child_);
        OpenFailure_ = {};
        if (!child) return nullptr;
        if (child->OpenOnScan) Engine_.OpenOnScan(*Task_, *child);
        if (!child->Opened) {
            OpenFailure_ = child->OpenFailure;
            return nullptr;
        }
        return std::make_unique<ReadAheadHandle>(Scan_, std::move(child));
    }

    ReadFailure OpenFailure() const override { return OpenFailure_; }
    ReadFailure ReadError() const override { return Error_; }

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

    std::shared_ptr<ReadAheadScan> Scan_;
    ReadAheadEngine& Engine_;
    std::shared_ptr<Task> Task_;
    Batch Current_;  // the batch being handed out, from Index_ on
    std::size_t Index_ = 0;
    std::size_t ChildAt_ = 0;      // Current_'s next sub-folder
    std::shared_ptr<Task> Child_;  // the sub-folder handed out last, until it is opened
    bool Ended_ = false;           // every batch of the folder is taken
    ReadFailure Error_;
    ReadFailure OpenFailure_;
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
    return OpenScanRoot(path, {});
}

std::unique_ptr<FolderHandle> ReadAheadSource::OpenScanRoot(const std::string& path,
                                                            const ScanHooks& hooks) {
    // The scan's own path may take half the inner budget (deep trees), and the read-ahead a
    // quarter: the system's descriptors are never what a worker waits on or runs out of. With
    // too few to share, the scan reads every folder itself.
    ReadAheadLimits limits = Limits_;
    if (const int budget = Inner_->OpenHandleBudget(); budget > 0) {
        limits.OpenHandles = std::min(limits.OpenHandles, budget / 4);
        limits.Workers = std::min(limits.Workers, static_cast<unsigned>(limits.OpenHandles / 2));
    }
    std::unique_ptr<FolderHandle> root =
        Limits_.ScanReads ? Inner_->OpenRoot(path) : OpenRootAside(path, hooks);
    if (!root || limits.Workers == 0) return root;
    auto scan = std::make_shared<ReadAheadScan>(ReadAheadEngine::Start(limits, hooks));
    if (scan->Engine->Workers() == 0) return root;
    std::shared_ptr<Task> task =
        scan->Engine->AddRoot(std::move(root), Inner_->NeedsChildPaths() ? path : std::string());
    return std::make_unique<ReadAheadHandle>(std::move(scan), std::move(task));
}

std::unique_ptr<FolderHandle> ReadAheadSource::OpenRootAside(const std::string& path,
                                                             const ScanHooks& hooks) {
    auto opening = std::make_shared<RootOpening>();
    try {
        std::thread([inner = Inner_, path, opening] {
            std::unique_ptr<FolderHandle> root;
            std::exception_ptr failure;
            try {
                root = inner->OpenRoot(path);
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(opening->Lock);
            opening->Finished = true;
            if (opening->Abandoned) return;  // root closes here, on this thread
            opening->Root = std::move(root);
            opening->Failure = failure;
            opening->Done.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        return Inner_->OpenRoot(path);  // no thread to be had: opened here
    }
    std::unique_lock lock(opening->Lock);
    if (!WaitRunningHooks(lock, opening->Done, hooks, [&] { return opening->Finished; })) {
        opening->Abandoned = true;
        return nullptr;
    }
    if (opening->Failure) std::rethrow_exception(opening->Failure);
    return std::move(opening->Root);
}

}  // namespace quillet
