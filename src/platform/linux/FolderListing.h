// The names of one folder, read at once with getdents64, and the stat of each name.
//
// Two threads may stat the names of one listing: the scan's thread walks it from the front,
// a StatAhead worker from the back, and they meet wherever they meet. Each name is claimed by
// exactly one of them (an atomic state per name), so every name is stat'ed once. The scan's
// thread owns the listing; the worker only touches a listing between Share and Withdraw.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

struct EntryStat {
    int Error = 0;  // errno of the failed stat, 0 on success
    mode_t Mode = 0;
    dev_t Device = 0;
    std::uint64_t Size = 0;
    std::uint64_t Blocks = 0;  // 512-byte blocks allocated
    std::uint64_t Inode = 0;
    std::uint32_t Links = 0;
    bool MountRoot = false;  // something is mounted here, whatever its device
};

class FolderListing {
public:
    // Reads every name of the open folder fd ("." and ".." left out), a chunk at a time. The
    // names are stat'ed relative to fd.
    void Read(int fd);
    // The folder was closed and opened again as fd: names are stat'ed relative to it now.
    void Reattach(int fd) { DirFd_ = fd; }

    // Why the listing stopped before the folder's end (errno), 0 when it did not.
    int Error() const { return Error_; }
    std::size_t Count() const { return Offsets_.size(); }
    std::size_t NameBytes() const { return NameBytes_; }
    std::size_t FolderCount() const { return Folders_; }  // listed as folders, or as unknown
    const char* Name(std::size_t i) const { return Names_.data() + Offsets_[i]; }
    std::size_t NameLength(std::size_t i) const {
        const std::size_t end = i + 1 < Count() ? Offsets_[i + 1] : Names_.size();
        return end - Offsets_[i] - 1;
    }
    // The bytes its buffers hold, used or not.
    std::size_t Footprint() const;
    unsigned char Type(std::size_t i) const { return Types_[i]; }

    // From the scan's thread, in order: the stat of name i, done here or waited for.
    const EntryStat& StatInOrder(std::size_t i);

    // Lets a worker take names from the back; call before handing the listing over.
    void PrepareToShare();
    // From the worker: stats the last unclaimed name. False when none is left or the listing
    // has been withdrawn.
    bool StatFromBack();
    // From the scan's thread, before it takes the listing back.
    void Withdraw() { Withdrawn_.store(true, std::memory_order_release); }

private:
    enum State : std::uint8_t { kUnclaimed, kClaimed, kDone };
    EntryStat StatName(std::size_t i) const;

    std::string Names_;  // each name followed by its NUL
    std::vector<std::uint32_t> Offsets_;
    std::vector<unsigned char> Types_;
    std::vector<EntryStat> Stats_;  // by name, while shared
    EntryStat Latest_;              // the last one, while not shared
    std::unique_ptr<std::atomic<std::uint8_t>[]> States_;
    std::size_t StatesCapacity_ = 0;
    bool Shared_ = false;
    std::atomic<bool> Withdrawn_{false};
    std::size_t Back_ = 0;  // the worker's next name is Back_ - 1
    std::size_t NameBytes_ = 0;
    std::size_t Folders_ = 0;
    int DirFd_ = -1;
    int Error_ = 0;
};

}  // namespace quillet
