// The read-ahead when things go wrong on its threads: descriptors held by siblings, a worker
// that throws, a thread the system will not start, a folder (or the root) whose server stops
// answering. A made-up inner source forces each case; every test ends with every handle
// closed.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <new>
#include <thread>

#include "platform/linux/LinuxFolderSource.h"
#include "scan/FileInfo.h"
#include "scan/ReadAheadSource.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

constexpr int kDepth = 3;    // levels below the root
constexpr int kFolders = 4;  // sub-folders of each folder above the last level
constexpr int kFiles = 5;    // files of each folder, of 1 byte each

// Folders in a subtree whose top is `level` levels below the root.
int FoldersBelow(int level) {
    int folders = 0;
    for (int k = 0, width = 1; k <= kDepth - level; ++k, width *= kFolders)
        folders += width;
    return folders;
}

// Folders of kFiles files and kFolders sub-folders, kDepth levels deep, made up as they are
// read, usable from several threads. One folder, by path, may block until released or throw.
class MadeUpSource final : public FolderSource {
public:
    std::atomic<int> Alive{0};  // handles open now
    int HandleLimit = 0;        // opening fails for want of handles while this many are open
    std::string Blocks;         // reading this folder waits for Release()
    std::string Throws;         // reading this folder throws bad_alloc
    bool RootBlocks = false;    // opening the root waits for Release()
    std::atomic<bool> Blocked{false};
    std::atomic<int> RootsOpened{0};

    void Release() {
        std::lock_guard lock(Mutex_);
        Released_ = true;
        Gate_.notify_all();
    }
    void WaitForRelease() {
        Blocked = true;
        std::unique_lock lock(Mutex_);
        Gate_.wait(lock, [this] { return Released_; });
    }

    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override {
        if (RootBlocks) WaitForRelease();
        auto root = std::make_unique<Handle>(*this, path, 0);
        ++RootsOpened;
        return root;
    }

private:
    class Handle final : public FolderHandle {
    public:
        Handle(MadeUpSource& source, std::string path, int level)
            : Source_(source), Path_(std::move(path)), Level_(level) {
            ++Source_.Alive;
        }
        ~Handle() override { --Source_.Alive; }

        std::size_t EntryCountHint() const override { return Count(); }
        std::size_t NameBytesHint() const override { return 2 * Count(); }

        bool Next(FolderEntry& entry) override {
            if (Path_ == Source_.Throws) throw std::bad_alloc();
            if (Path_ == Source_.Blocks) Source_.WaitForRelease();
            if (Next_ == Count()) return false;
            const int i = Next_++;
            IsFolder_ = i >= kFiles;
            Name_ = (IsFolder_ ? "s" : "f") + std::to_string(IsFolder_ ? i - kFiles : i);
            entry = FolderEntry{};
            entry.Name = Name_;
            entry.IsFolder = IsFolder_;
            entry.Size = entry.OnDiskSize = IsFolder_ ? 0 : 1;
            return true;
        }

        std::unique_ptr<FolderHandle> OpenChild(const std::string&) override {
            Failure_ = {};
            if (!IsFolder_) return nullptr;
            if (Source_.HandleLimit > 0 && Source_.Alive >= Source_.HandleLimit) {
                Failure_ = {EMFILE, true};
                return nullptr;
            }
            return std::make_unique<Handle>(Source_, Path_ + Name_ + "/", Level_ + 1);
        }
        ReadFailure OpenFailure() const override { return Failure_; }

    private:
        int Count() const { return kFiles + (Level_ < kDepth ? kFolders : 0); }

        MadeUpSource& Source_;
        const std::string Path_;
        const int Level_;
        int Next_ = 0;
        bool IsFolder_ = false;
        std::string Name_;
        ReadFailure Failure_;
    };

    std::mutex Mutex_;
    std::condition_variable Gate_;
    bool Released_ = false;
};

struct ScanResult {
    std::unique_ptr<TFolderList> Tree;
    int MissingFolders = 0;  // in the folders reported as not read, and beneath them
    int Reports = 0;
};

ScanResult Scan(FolderSource& source, const std::function<bool()>& cancelWhenWaiting = {}) {
    ScanResult result{std::make_unique<TFolderList>("/r/"), 0, 0};
    bool cancel = false;
    TScanOptions options;
    options.CancelRequested = &cancel;
    if (cancelWhenWaiting) options.ProcessMessages = [&] { cancel = cancelWhenWaiting(); };
    options.FolderNotRead = [&](const std::string& path, ReadFailure why, bool inPart) {
        EXPECT_FALSE(inPart) << path;
        EXPECT_TRUE(why.OutOfHandles) << path;
        const auto level = std::count(path.begin(), path.end(), '/') - 2;
        result.MissingFolders += FoldersBelow(static_cast<int>(level));
        ++result.Reports;
    };
    result.Tree->Scan(source, options);
    return result;
}

ReadAheadSource ReadAhead(MadeUpSource& inner, ReadAheadLimits limits) {
    struct Borrowed final : FolderSource {
        explicit Borrowed(MadeUpSource& source) : Source(source) {}
        std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override {
            return Source.OpenRoot(path);
        }
        MadeUpSource& Source;
    };
    return ReadAheadSource(std::make_unique<Borrowed>(inner), limits);
}

// Waits for what a thread left behind to close its handles.
bool AllClosed(const MadeUpSource& source) {
    for (int i = 0; i < 1000 && source.Alive != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return source.Alive == 0;
}

TEST(ReadAheadFaults, HandlesHeldBySiblingsNeverHideAFolder) {
    const int everything = FoldersBelow(0);
    for (const int limit : {2, 3, 5, 8}) {
        SCOPED_TRACE("handle limit " + std::to_string(limit));
        for (int round = 0; round < 5; ++round) {
            MadeUpSource inner;
            inner.HandleLimit = limit;
            ReadAheadSource source =
                ReadAhead(inner, {.Workers = 4, .BufferedBytes = 1 << 12, .OpenHandles = 16});
            const ScanResult result = Scan(source);
            // With few handles the scan's path or the siblings read ahead may starve: every
            // folder that could not be opened is told, and nothing else is missing.
            if (limit <= kDepth) {
                EXPECT_GT(result.Reports, 0);
            }
            // A folder not read is there, empty.
            EXPECT_EQ(result.Tree->FolderCount + 1 + result.MissingFolders - result.Reports,
                      everything);
            EXPECT_EQ(result.Tree->FileCount, (everything - result.MissingFolders) * kFiles);
            EXPECT_EQ(inner.Alive, 0);
        }
    }
}

TEST(ReadAheadFaults, AFailureOnAWorkerFailsTheScanAndAStuckOneIsLeftBehind) {
    // Whichever thread reads the folder, the scan fails with what went wrong there.
    for (int round = 0; round < 10; ++round) {
        MadeUpSource inner;
        inner.Throws = "/r/s" + std::to_string(round % kFolders) + "/s1/";
        ReadAheadSource source = ReadAhead(inner, {.Workers = 4});
        EXPECT_THROW(Scan(source), std::bad_alloc);
        EXPECT_TRUE(AllClosed(inner));
    }

    // A folder that never answers: the scan's thread, waiting for it, is cancelled and comes
    // back with what was read; the worker inside is not waited for.
    MadeUpSource inner;
    inner.Blocks = "/r/s1/";
    {
        ReadAheadSource source = ReadAhead(inner, {.Workers = 4, .ScanReads = false});
        const ScanResult result = Scan(source, [&] { return inner.Blocked.load(); });
        EXPECT_LT(result.Tree->FileCount, FoldersBelow(0) * kFiles);
        EXPECT_GE(result.Tree->FileCount, kFiles);
    }
    inner.Release();
    EXPECT_TRUE(AllClosed(inner));

    // A root that never answers: the window's thread does not wait on a disk for it either.
    MadeUpSource root;
    root.RootBlocks = true;
    {
        ReadAheadSource source = ReadAhead(root, {.Workers = 4, .ScanReads = false});
        EXPECT_EQ(Scan(source, [&] { return root.Blocked.load(); }).Tree->Count(), 0);
    }
    root.Release();
    for (int i = 0; i < 1000 && root.RootsOpened == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(AllClosed(root));
}

// As `prlimit --nproc` does to a user: no thread can be started, and the scan reads alone.
TEST(ReadAheadFaults, NoThreadToBeHadStillScansEverything) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to take another user's process limit";
    test::TempTree tree;
    for (int i = 0; i < 5000; ++i)
        tree.File("long/f" + std::to_string(i), 10);
    tree.File("a/b/c", 7);
    std::filesystem::permissions(tree.Root(), std::filesystem::perms::all);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit one = {1, 1};
        const bool limited =
            setgid(65534) == 0 && setuid(65534) == 0 && setrlimit(RLIMIT_NPROC, &one) == 0;
        ReadAheadSource source(std::make_unique<LinuxFolderSource>());
        TFolderList root(tree.Root() + "/");
        root.Scan(source, {});
        _exit(limited && root.FileCount == 5001 && root.TotalNominal == 50007 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace quillet
