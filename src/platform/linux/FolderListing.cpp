#include "platform/linux/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/PathText.h"

namespace quillet {
namespace {

constexpr std::size_t kListingChunk = 32 * 1024;
constexpr unsigned kWanted =
    STATX_TYPE | STATX_MODE | STATX_NLINK | STATX_INO | STATX_SIZE | STATX_BLOCKS;

}  // namespace

void FolderListing::Read(int fd) {
    DirFd_ = fd;
    Names_.clear();
    Offsets_.clear();
    Types_.clear();
    NameBytes_ = 0;
    Folders_ = 0;
    Shared_ = false;
    Error_ = 0;
    // A chunk at a time, on the reading thread's stack: no buffer to share or to grow.
    alignas(dirent64) char chunk[kListingChunk];
    for (;;) {
        const ssize_t n = getdents64(fd, chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            Error_ = errno;  // what was read so far stands, and the folder says it is not all
            break;
        }
        // Keep only the names: the records carry padding and fields nobody reads.
        for (std::size_t at = 0; at < static_cast<std::size_t>(n);) {
            const auto* record = reinterpret_cast<const dirent64*>(chunk + at);
            at += record->d_reclen;
            if (IsDotOrDotDot(record->d_name)) continue;
            const std::size_t length = std::strlen(record->d_name);
            Offsets_.push_back(static_cast<std::uint32_t>(Names_.size()));
            Types_.push_back(record->d_type);
            Names_.append(record->d_name, length + 1);
            NameBytes_ += length;
            if (record->d_type == DT_DIR || record->d_type == DT_UNKNOWN) ++Folders_;
        }
    }
}

std::size_t FolderListing::Footprint() const {
    return Names_.capacity() + Offsets_.capacity() * sizeof(std::uint32_t) + Types_.capacity() +
           Stats_.capacity() * sizeof(EntryStat) + StatesCapacity_;
}

EntryStat FolderListing::StatName(std::size_t i) const {
    // statx costs what fstatat costs, and also tells a mount point from a plain folder.
    struct statx st;
    EntryStat result;
    if (statx(DirFd_, Name(i), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kWanted, &st) != 0) {
        result.Error = errno;
        return result;
    }
    result.Mode = st.stx_mode;
    result.Device = makedev(st.stx_dev_major, st.stx_dev_minor);
    result.Size = st.stx_size;
    result.Blocks = st.stx_blocks;
    result.Links = st.stx_nlink;
    result.Inode = st.stx_ino;
    result.MountRoot = (st.stx_attributes_mask & st.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    return result;
}

void FolderListing::PrepareToShare() {
    if (Stats_.size() < Count()) Stats_.resize(Count());
    if (StatesCapacity_ < Count()) {
        States_ = std::make_unique<std::atomic<std::uint8_t>[]>(Count());
        StatesCapacity_ = Count();
    }
    for (std::size_t i = 0; i < Count(); ++i)
        States_[i].store(kUnclaimed, std::memory_order_relaxed);
    Back_ = Count();
    Withdrawn_.store(false, std::memory_order_relaxed);
    Shared_ = true;
}

const EntryStat& FolderListing::StatInOrder(std::size_t i) {
    // Alone, one stat at a time is all it needs: a long folder keeps no table of them.
    if (!Shared_) {
        Latest_ = StatName(i);
        return Latest_;
    }
    std::uint8_t expected = kUnclaimed;
    if (!States_[i].compare_exchange_strong(expected, kClaimed, std::memory_order_acq_rel)) {
        // The worker has it: wait until it is done.
        while (expected != kDone) {
            States_[i].wait(expected, std::memory_order_acquire);
            expected = States_[i].load(std::memory_order_acquire);
        }
        return Stats_[i];
    }
    Stats_[i] = StatName(i);
    return Stats_[i];
}

bool FolderListing::StatFromBack() {
    if (Back_ == 0 || Withdrawn_.load(std::memory_order_acquire)) return false;
    const std::size_t i = Back_ - 1;
    std::uint8_t expected = kUnclaimed;
    if (!States_[i].compare_exchange_strong(expected, kClaimed, std::memory_order_acq_rel)) {
        Back_ = 0;  // the scan's thread got here first: all before it is its own
        return false;
    }
    Stats_[i] = StatName(i);
    States_[i].store(kDone, std::memory_order_release);
    States_[i].notify_one();
    Back_ = i;
    return true;
}

}  // namespace quillet
