#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "platform/linux/LinuxFolderSource.h"
#include "scan/FileInfo.h"
#include "scan/ReadAheadSource.h"
#include "scan/TreeChecks.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

using Threads = LinuxFolderSource::Threads;

void ExpectSameTree(const TFolderList& expected, const TFolderList& actual) {
    ASSERT_EQ(expected.Count(), actual.Count()) << expected.Path();
    EXPECT_EQ(expected.TotalNominal, actual.TotalNominal) << expected.Path();
    EXPECT_EQ(expected.TotalAllocated, actual.TotalAllocated) << expected.Path();
    EXPECT_EQ(expected.FileCount, actual.FileCount) << expected.Path();
    EXPECT_EQ(expected.FolderCount, actual.FolderCount) << expected.Path();
    for (int i = 0; i < expected.Count(); ++i) {
        const TFolderData& want = expected.Node(i);
        const TFolderData& got = actual.Node(i);
        ASSERT_EQ(expected.Name(i), actual.Name(i)) << expected.Path();
        EXPECT_EQ(want.Nominal(), got.Nominal()) << expected.Path() << expected.Name(i);
        EXPECT_EQ(want.Allocated(), got.Allocated()) << expected.Path() << expected.Name(i);
        ASSERT_EQ(want.Children() != nullptr, got.Children() != nullptr) << expected.Name(i);
        if (want.Children()) ExpectSameTree(*want.Children(), *got.Children());
    }
}

// Cancels when the scan enters its stopAt-th folder; 0 never cancels.
std::unique_ptr<TFolderList> Scan(FolderSource& source, const std::string& root, int stopAt = 0) {
    auto list = std::make_unique<TFolderList>(root);
    bool cancel = false;
    int seen = 0;
    TScanOptions options;
    options.CancelRequested = &cancel;
    options.Progress = [&](const std::string&) { cancel = cancel || ++seen == stopAt; };
    list->Scan(source, options);
    return list;
}

std::unique_ptr<FolderSource> ReadAhead(ReadAheadLimits limits, int descriptors = 0) {
    return std::make_unique<ReadAheadSource>(
        std::make_unique<LinuxFolderSource>(Threads::Two, descriptors), limits);
}

// Tight limits stop and restart the workers at every batch; loose ones let them run far
// ahead; a scarce descriptor budget makes the deep chain give folders up and open them again,
// on several threads. Each is paired with the one-thread source it must agree with.
std::vector<std::pair<std::unique_ptr<FolderSource>, LinuxFolderSource>> ReadAheadSources() {
    std::vector<std::pair<std::unique_ptr<FolderSource>, LinuxFolderSource>> sources;
    const LinuxFolderSource oneThread(Threads::One);
    sources.emplace_back(ReadAhead({}), oneThread);
    sources.emplace_back(ReadAhead({.Workers = 3, .BufferedBytes = 1, .OpenHandles = 2}),
                         oneThread);
    sources.emplace_back(ReadAhead({.Workers = 12, .BufferedBytes = 1u << 30, .OpenHandles = 400}),
                         oneThread);
    sources.emplace_back(ReadAhead({.Workers = 4, .BufferedBytes = 1u << 20, .OpenHandles = 8}, 40),
                         LinuxFolderSource(Threads::One, 40));
    return sources;
}

// Root may read any folder: the scan's thread, and the workers it starts, give that up.
bool DropFileAccessOverride() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        data[cap / 32].effective &= ~(1u << (cap % 32));
    return syscall(SYS_capset, &header, data) == 0;
}

void MakeShapes(const test::TempTree& tree) {
    // Wide: one long folder, with folders between its files.
    for (int i = 0; i < 4500; ++i)
        tree.File("wide/f" + std::to_string(i), static_cast<std::uint64_t>(i) * 37);
    for (int i = 0; i < 40; ++i)
        tree.File("wide/d" + std::to_string(i) + "/x", 4096);
    // Deep: a chain with a file on every level.
    std::string level = "deep";
    for (int i = 0; i < 150; ++i) {
        level += "/l";
        tree.File(level + "/f", static_cast<std::uint64_t>(i));
    }
    // Many small folders, enough to keep every worker busy at once.
    std::function<void(const std::string&, int)> fan = [&](const std::string& at, int depth) {
        for (int i = 0; i < 10; ++i)
            tree.File(at + "/f" + std::to_string(i), static_cast<std::uint64_t>(i) * 500);
        if (depth == 0) return;
        for (int i = 0; i < 8; ++i)
            fan(at + "/s" + std::to_string(i), depth - 1);
    };
    fan("small", 3);
    // Unreadable: not listable, not searchable, neither.
    tree.File("locked/listable-only/hidden", 100);
    tree.File("locked/searchable-only/hidden", 100);
    tree.File("locked/nothing/hidden", 100);
    chmod(tree.Path("locked/listable-only").c_str(), 0400);
    chmod(tree.Path("locked/searchable-only").c_str(), 0100);
    chmod(tree.Path("locked/nothing").c_str(), 0);
}

void Unlock(const test::TempTree& tree) {
    for (const char* folder : {"locked/listable-only", "locked/searchable-only", "locked/nothing"})
        chmod(tree.Path(folder).c_str(), 0755);
}

TEST(ReadAheadScan, GivesEveryShapeOfTreeEntryByEntryAsOneThreadDoes) {
    test::TempTree tree;
    MakeShapes(tree);
    std::thread([&] {
        DropFileAccessOverride();
        auto sources = ReadAheadSources();
        for (std::size_t i = 0; i < sources.size(); ++i) {
            SCOPED_TRACE("read-ahead " + std::to_string(i));
            const auto expected = Scan(sources[i].second, tree.Root() + "/");
            test::ExpectConsistentTree(*expected);
            EXPECT_GT(expected->FolderCount, 150 + 40 + 155);
            for (int round = 0; round < 3; ++round)
                ExpectSameTree(*expected, *Scan(*sources[i].first, tree.Root() + "/"));
        }
    }).join();
    Unlock(tree);
}

// As under `prlimit --nofile=N:N`: the system grants fewer descriptors than the deep chain has
// levels, and the read-ahead must not take one from a folder another thread is reading.
TEST(ReadAheadScan, AScarceDescriptorLimitChangesNothing) {
    test::TempTree tree;
    MakeShapes(tree);
    LinuxFolderSource oneThread(Threads::One);
    const auto expected = Scan(oneThread, tree.Root() + "/");
    const auto scanWithin = [&](rlim_t limit) {
        const struct rlimit scarce = {limit, limit};
        setrlimit(RLIMIT_NOFILE, &scarce);
        for (int round = 0; round < 3; ++round)
            ExpectSameTree(*expected, *Scan(*ReadAhead({}), tree.Root() + "/"));
        std::_Exit(testing::Test::HasFailure() ? 1 : 0);
    };
    for (rlim_t limit : {20, 40, 64})
        EXPECT_EXIT(scanWithin(limit), testing::ExitedWithCode(0), "") << "nofile " << limit;
    Unlock(tree);
}

std::size_t OpenDescriptors() {
    const auto listing = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(listing, {})) - 1;
}

// A worker let go mid-batch by a cancel closes what it holds soon after.
std::size_t DescriptorsSettledAt(std::size_t expected) {
    for (int i = 0; i < 500 && OpenDescriptors() != expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return OpenDescriptors();
}

TEST(ReadAheadScan, ACancelAtAnyFolderLeavesTheTreeOneThreadLeaves) {
    test::TempTree tree;
    MakeShapes(tree);
    const std::size_t descriptors = OpenDescriptors();
    LinuxFolderSource oneThread(Threads::One);
    const int folders = Scan(oneThread, tree.Root() + "/")->FolderCount;
    auto sources = ReadAheadSources();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> pick(1, folders);
    for (int round = 0; round < 24; ++round) {
        const int stopAt = pick(random);
        const std::size_t i = static_cast<std::size_t>(round) % sources.size();
        SCOPED_TRACE("read-ahead " + std::to_string(i) + ", cancelled at folder " +
                     std::to_string(stopAt));
        auto& [readAhead, same] = sources[i];
        const auto expected = Scan(same, tree.Root() + "/", stopAt);
        const auto actual = Scan(*readAhead, tree.Root() + "/", stopAt);
        test::ExpectConsistentTree(*actual);
        ExpectSameTree(*expected, *actual);
    }
    EXPECT_EQ(DescriptorsSettledAt(descriptors), descriptors);
    Unlock(tree);
}

}  // namespace
}  // namespace quillet
