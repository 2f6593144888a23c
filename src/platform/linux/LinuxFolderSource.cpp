#include "platform/linux/LinuxFolderSource.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/SparseFile.h"
#include "platform/linux/FolderListing.h"
#include "platform/linux/LinuxVolumeQuery.h"
#include "platform/linux/ModeAttributes.h"
#include "platform/linux/StatAhead.h"

namespace quillet {
namespace {

// Each open level of a scan holds a descriptor while the scan is in it or below it. Few trees
// go deeper than the 2048 levels a PATH_MAX path can hold; this many are asked of the system,
// and the program keeps some for itself.
// Past the budget a level gives its descriptor up while the scan is below it, and opens its
// folder again through ".." of its child when the scan comes back up.
constexpr rlim_t kDescriptorsWanted = 2048 + 256;
constexpr rlim_t kDescriptorsKept = 256;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Listings shorter than this are not worth handing to the second thread: the read-ahead already
// reads shorter folders side by side, and a shared listing keeps a table of its stats.
constexpr std::size_t kShareFrom = 4096;
// Spare listings kept for the next folders: as many as the read-ahead reads side by side, and
// only small ones, so that the spares never hold much memory. Reused, a listing's buffers are
// already the size a folder needs, instead of growing in steps for every folder.
constexpr std::size_t kSpareListings = 64;
constexpr std::size_t kSpareListingBytes = 64 * 1024;

class LinuxFolderHandle;

// Opens the folder name in dirFd unless it is a mount point. The name was stat'ed a moment ago,
// but something may have been mounted on it since: then errno is EXDEV. openat2 tells in the
// same call; where the system lacks it (before Linux 5.6, or a sandbox that forbids it), the
// folder opened must be on device.
int OpenOnVolume(int dirFd, const char* name, dev_t device) {
    static std::atomic<bool> lacksOpenat2{false};
    if (!lacksOpenat2.load(std::memory_order_relaxed)) {
        open_how how{};
        how.flags = kFolderFlags;
        how.resolve = RESOLVE_NO_XDEV;
        const auto fd = static_cast<int>(syscall(SYS_openat2, dirFd, name, &how, sizeof how));
        if (fd >= 0 || (errno != ENOSYS && errno != EPERM)) return fd;
        lacksOpenat2.store(true, std::memory_order_relaxed);
    }
    const int fd = openat(dirFd, name, kFolderFlags);
    if (fd < 0) return fd;
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_dev != device) {
        close(fd);
        errno = EXDEV;
        return -1;
    }
    return fd;
}

bool OutOfDescriptors(int error) {
    return error == EMFILE || error == ENFILE;
}

ReadFailure FailureOf(int error) {
    return {error, OutOfDescriptors(error)};
}

// Held by the thread that reads a folder, for every entry: a flag costs a fraction of a mutex,
// and the only other thread that ever wants it (one giving descriptors up when the system has
// none left) merely tries it.
class InUseFlag {
public:
    void lock() {
        while (Held_.exchange(true, std::memory_order_acquire))
            std::this_thread::yield();
    }
    bool try_lock() { return !Held_.exchange(true, std::memory_order_acquire); }
    void unlock() { Held_.store(false, std::memory_order_release); }

private:
    std::atomic<bool> Held_{false};
};

// What all folders of one scan share; every open handle of the scan holds it. Handles of one
// scan may be used on different threads (a read-ahead opens folders ahead of the scan): the
// descriptor count, the links between open folders and the spare listings are kept under
// Lock. The two counts are also read without it, so that a folder opened within the budget,
// as nearly all are, does not wait on the lock: the read-ahead's workers open and close
// folders all the time, and waiting on this lock cost more context switches than anything.
struct ScanVolume {
    std::mutex Lock;
    std::atomic<int> OpenFolders{0};                            // written under Lock
    std::atomic<int> MaxOpenFolders{0};                         // written under Lock
    std::vector<std::unique_ptr<FolderListing>> SpareListings;  // the last given back on top
    std::unique_ptr<StatAhead> StatHelper;                      // started at the first long listing
    bool StatHelperWanted = true;                               // false once it cannot be started

    // Set before the scan starts and only read after, for every entry: on a cache line of their
    // own, away from the lock, the counts and the reference count before them, which every
    // thread writes as it opens and closes folders.
    alignas(64) dev_t Device = 0;
    std::uint64_t ClusterSize = 1;
    bool ReportsAllocation = false;   // st_blocks is faithful: holes can be told from data
    bool CompressesInBlocks = false;  // allocation in st_blocks shrinks with compression

    bool OverBudget() const { return OpenFolders > MaxOpenFolders; }

    std::unique_ptr<FolderListing> TakeListingLocked() {
        if (SpareListings.empty()) return std::make_unique<FolderListing>();
        std::unique_ptr<FolderListing> listing = std::move(SpareListings.back());
        SpareListings.pop_back();
        return listing;
    }
    // Returns what the caller frees, once the lock is released: a listing not kept.
    std::unique_ptr<FolderListing> ReturnListingLocked(std::unique_ptr<FolderListing> listing) {
        if (SpareListings.size() >= kSpareListings || listing->Footprint() > kSpareListingBytes) {
            return listing;
        }
        SpareListings.push_back(std::move(listing));
        return nullptr;
    }
};

class LinuxFolderHandle final : public FolderHandle {
public:
    // fd is an open folder on the scan's device; the handle owns it, also when it cannot be
    // made. parent opened it (null for the scan's root).
    LinuxFolderHandle(std::shared_ptr<ScanVolume> volume, LinuxFolderHandle* parent, int fd,
                      ino_t inode)
        : Volume_(std::move(volume)), Inode_(inode), Fd_(fd) {
        try {
            {
                std::lock_guard lock(Volume_->Lock);
                Listing_ = Volume_->TakeListingLocked();
            }
            Listing_->Read(fd);
            if (Listing_->Error()) ReadError_ = FailureOf(Listing_->Error());
            if (Listing_->Count() >= kShareFrom) ShareStats();
        } catch (...) {
            close(fd);
            throw;
        }
        // Known to the other handles only once whole, so that none of them ever points at a
        // handle that failed to be made.
        std::lock_guard lock(Volume_->Lock);
        ++Volume_->OpenFolders;
        Parent_ = parent;
        if (parent) parent->AddChild(*this);
    }

    ~LinuxFolderHandle() override {
        // Held while the handle goes, so that no other thread gives its descriptor up or
        // withdraws its listing meanwhile.
        std::lock_guard use(InUse_);
        if (Shared_) Volume_->StatHelper->Withdraw(*Listing_);
        std::unique_lock lock(Volume_->Lock);
        const int fd = Fd_.exchange(-1);  // closed once the lock is released
        if (fd >= 0) {
            if (Parent_ && Parent_->Fd_ < 0) Parent_->ReopenFrom(fd);
            --Volume_->OpenFolders;
        }
        if (Parent_) Parent_->RemoveChild(*this);
        for (LinuxFolderHandle* child = FirstChild_; child;) {
            LinuxFolderHandle* next = child->NextSibling_;
            child->Parent_ = child->PrevSibling_ = child->NextSibling_ = nullptr;
            child = next;
        }
        std::unique_ptr<FolderListing> unkept = Volume_->ReturnListingLocked(std::move(Listing_));
        lock.unlock();
        if (fd >= 0) close(fd);
    }

    std::size_t EntryCountHint() const override { return Listing_->Count(); }
    std::size_t NameBytesHint() const override { return Listing_->NameBytes(); }
    std::size_t FolderCountHint() const override { return Listing_->FolderCount(); }

    bool Next(FolderEntry& entry) override { return NextRun(&entry, 1) == 1; }

    std::size_t NextRun(FolderEntry* entries, std::size_t count) override {
        std::lock_guard use(InUse_);
        // A folder that could not be opened again is still listed: the rest of its entries
        // are handed out without sizes, each with the reason.
        EntryStat lost;
        if (!HasDescriptor()) lost.Error = LostReason();
        std::size_t filled = 0;
        while (filled < count && Index_ < Listing_->Count()) {
            const std::size_t i = Index_++;
            if (!Describe(i, lost.Error ? lost : Listing_->StatInOrder(i), entries[filled]))
                continue;
            if (entries[filled++].IsFolder) break;
        }
        return filled;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string&) override {
        OpenFailure_ = {};
        if (!LastEnterable_) {
            OpenFailure_ = FailureOf(LastError_);
            return nullptr;
        }
        std::lock_guard use(InUse_);
        if (!HasDescriptor()) {
            OpenFailure_ = {LostReason(), false};
            return nullptr;
        }
        int fd = OpenOnVolume(Fd_, LastName_, Volume_->Device);
        if (fd < 0 && OutOfDescriptors(errno)) {
            std::unique_lock lock(Volume_->Lock);
            if (ReleaseAnAncestor()) {
                lock.unlock();
                fd = OpenOnVolume(Fd_, LastName_, Volume_->Device);
            }
        }
        if (fd < 0) {
            // A folder removed since it was listed is simply gone, and so is one that something
            // was mounted on since.
            if (const int error = errno; error != ENOENT && error != EXDEV)
                OpenFailure_ = FailureOf(error);
            return nullptr;
        }
        auto child = std::make_unique<LinuxFolderHandle>(Volume_, this, fd, LastInode_);
        if (!Volume_->OverBudget()) return child;
        // Only a folder that the child can open again gives its descriptor up (".." of a folder
        // without search permission cannot be opened), and only once the child is known as
        // its child, through which a read-ahead may open it again at any moment.
        std::lock_guard lock(Volume_->Lock);
        if (Volume_->OverBudget() && CanReopenFrom(fd)) Release();
        return child;
    }

    ReadFailure OpenFailure() const override { return OpenFailure_; }
    ReadFailure ReadError() const override { return ReadError_; }

private:
    // Why the descriptor, once given up, is not to be had again.
    int LostReason() const { return Lost_ ? Lost_ : EBADF; }

    // Hands a long listing to the stat helper, started by the first one. Without a thread to
    // be had, the reader stats every name alone, for the rest of the scan.
    void ShareStats() {
        std::lock_guard lock(Volume_->Lock);
        if (!Volume_->StatHelperWanted) return;
        if (!Volume_->StatHelper) {
            try {
                Volume_->StatHelper = std::make_unique<StatAhead>();
            } catch (const std::system_error&) {
                Volume_->StatHelperWanted = false;
                return;
            }
        }
        Volume_->StatHelper->Share(*Listing_);
        Shared_ = true;
    }

    // Gives the descriptor up while the scan is below this folder; the child that is open
    // when the scan comes back opens it again. Called under the volume's lock, as are the
    // two below.
    void Release() {
        if (Shared_) {
            Volume_->StatHelper->Withdraw(*Listing_);
            Shared_ = false;
        }
        close(Fd_);
        Fd_ = -1;
        --Volume_->OpenFolders;
    }

    static bool CanReopenFrom(int childFd) {
        const int fd = openat(childFd, "..", kFolderFlags);
        if (fd < 0) return false;
        close(fd);
        return true;
    }

    // Opens this folder again as ".." of a child, if that is still this folder. Without a
    // descriptor to be had, a level above gives its own up first. When it cannot, Lost_ says
    // why.
    void ReopenFrom(int childFd) {
        int fd = openat(childFd, "..", kFolderFlags);
        if (fd < 0 && OutOfDescriptors(errno) && ReleaseAnAncestor())
            fd = openat(childFd, "..", kFolderFlags);
        if (fd < 0) {
            Lost_ = errno;
            return;
        }
        struct stat st;
        if (fstat(fd, &st) != 0 || st.st_dev != Volume_->Device || st.st_ino != Inode_) {
            close(fd);
            Lost_ = ENOENT;  // moved away or replaced while the scan was below it
            return;
        }
        Listing_->Reattach(fd);
        Fd_ = fd;
        ++Volume_->OpenFolders;
    }

    // A read-ahead may come back to a folder that gave its descriptor up while a child is
    // still open: the folder is opened again through that child, itself first if need be.
    bool HasDescriptor() {
        if (Fd_ >= 0) return true;
        std::lock_guard lock(Volume_->Lock);
        return ReopenThroughChildrenLocked();
    }
    bool ReopenThroughChildrenLocked() {
        for (LinuxFolderHandle* child = FirstChild_; child; child = child->NextSibling_) {
            if (Fd_ >= 0) break;
            if (child->Fd_ >= 0 || child->ReopenThroughChildrenLocked()) ReopenFrom(child->Fd_);
        }
        return Fd_ >= 0;
    }

    // The system has no descriptor left: the shallowest folder above this one that holds one
    // and that no other thread is reading gives it up, and from now on the scan holds no more
    // than it has now. Called under the volume's lock.
    bool ReleaseAnAncestor() {
        std::vector<LinuxFolderHandle*> above;
        for (LinuxFolderHandle* level = Parent_; level; level = level->Parent_)
            above.push_back(level);
        for (auto level = above.rbegin(); level != above.rend(); ++level) {
            if ((*level)->Fd_ < 0 || !(*level)->InUse_.try_lock()) continue;
            (*level)->Release();
            (*level)->InUse_.unlock();
            Volume_->MaxOpenFolders = Volume_->OpenFolders.load();
            return true;
        }
        return false;
    }

    // Fills entry from name i and its stat; false when the name vanished since the listing.
    bool Describe(std::size_t i, const EntryStat& st, FolderEntry& entry) {
        if (st.Error == ENOENT) return false;
        const char* name = Listing_->Name(i);
        LastName_ = name;
        entry.Name = std::string_view(name, Listing_->NameLength(i));
        if (st.Error != 0) {
            // Listed but not describable (in a folder without search permission): keep the kind
            // the listing gave, with no size, and never enter it. A folder says why when the
            // scan tries to enter it; a file makes this folder one not read in full.
            entry.IsFolder = Listing_->Type(i) == DT_DIR;
            entry.Size = entry.OnDiskSize = 0;
            entry.Attributes =
                AttributesOf(name, entry.IsFolder ? S_IFDIR | S_IWUSR : S_IFREG | S_IWUSR);
            entry.Links = 1;
            entry.Error = st.Error;
            LastEnterable_ = false;
            LastError_ = st.Error;
            if (!entry.IsFolder && !ReadError_) ReadError_ = FailureOf(st.Error);
            return true;
        }
        entry.Error = 0;
        LastError_ = 0;

        const mode_t mode = st.Mode;
        entry.IsFolder = S_ISDIR(mode);
        entry.Size = st.Size;
        entry.OnDiskSize = st.Blocks * 512;
        entry.Attributes = AttributesOf(name, mode);
        entry.Links = st.Links;
        entry.Device = st.Device;
        entry.Inode = st.Inode;
        if (entry.IsFolder) {
            // A mount point is not entered whatever its device: a folder of the same file
            // system bind-mounted inside the tree has the same one, and its files would count
            // twice.
            LastEnterable_ = st.Device == Volume_->Device && !st.MountRoot;
            LastInode_ = st.Inode;
            if (!LastEnterable_) entry.Attributes |= kAttributeMountPoint;
        } else {
            LastEnterable_ = false;
            if (Volume_->ReportsAllocation && S_ISREG(mode) &&
                CountsAsSparse(entry.Size, entry.OnDiskSize, Volume_->ClusterSize)) {
                entry.Attributes |= kAttributeSparse;
                if (Volume_->CompressesInBlocks) entry.Attributes |= kAttributeCompressed;
            }
        }
        return true;
    }

    std::shared_ptr<ScanVolume> Volume_;
    const ino_t Inode_;
    std::unique_ptr<FolderListing> Listing_;
    // Held by the thread that reads this folder, so that no other thread takes its descriptor
    // away in the middle.
    InUseFlag InUse_;
    // The open handles this one opened, linked through themselves: opening a folder allocates
    // nothing for it in its parent.
    void AddChild(LinuxFolderHandle& child) {
        child.NextSibling_ = FirstChild_;
        if (FirstChild_) FirstChild_->PrevSibling_ = &child;
        FirstChild_ = &child;
    }
    void RemoveChild(LinuxFolderHandle& child) {
        (child.PrevSibling_ ? child.PrevSibling_->NextSibling_ : FirstChild_) = child.NextSibling_;
        if (child.NextSibling_) child.NextSibling_->PrevSibling_ = child.PrevSibling_;
    }

    LinuxFolderHandle* Parent_ = nullptr;  // null at the root or once the parent is closed
    LinuxFolderHandle* FirstChild_ = nullptr;
    LinuxFolderHandle* NextSibling_ = nullptr;  // among the parent's open children
    LinuxFolderHandle* PrevSibling_ = nullptr;
    std::size_t Index_ = 0;
    bool Shared_ = false;
    std::atomic<int>
        Fd_;  // -1 while given up for a level below, or when it could not be opened again
    const char* LastName_ = nullptr;
    bool LastEnterable_ = false;
    ino_t LastInode_ = 0;  // the folder handed out last, as it was stat'ed
    int LastError_ = 0;    // why the entry handed out last could not be described
    int Lost_ = 0;         // why the descriptor, once given up, could not be had again
    ReadFailure OpenFailure_;
    ReadFailure ReadError_;
};

// The descriptors the process holds now, which the scan cannot have.
rlim_t DescriptorsInUse() {
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) return 0;
    rlim_t count = 0;
    while (const dirent* entry = readdir(dir))
        count += entry->d_name[0] != '.';
    closedir(dir);
    return count > 0 ? count - 1 : 0;  // the listing's own
}

int DescriptorsForFolders() {
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 64;
    if (limit.rlim_cur < kDescriptorsWanted && limit.rlim_max > limit.rlim_cur) {
        limit.rlim_cur = std::min(limit.rlim_max, kDescriptorsWanted);
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    // What the limit leaves free: a program started with most of its descriptors taken (by
    // whoever started it) has only the rest.
    const rlim_t inUse = DescriptorsInUse();
    const rlim_t free = limit.rlim_cur > inUse ? limit.rlim_cur - inUse : 0;
    const rlim_t usable = std::min(free, kDescriptorsWanted);
    return usable > 2 * kDescriptorsKept ? static_cast<int>(usable - kDescriptorsKept)
                                         : static_cast<int>(usable / 2);
}

}  // namespace

std::unique_ptr<FolderHandle> LinuxFolderSource::OpenRoot(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return nullptr;
    }

    auto volume = std::make_shared<ScanVolume>();
    volume->StatHelperWanted = ShareStats_;
    volume->MaxOpenFolders = std::max(1, OpenHandleBudget());
    volume->Device = st.st_dev;
    struct statvfs vfs;
    if (fstatvfs(fd, &vfs) == 0) {
        const auto cluster = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
        volume->ClusterSize = cluster ? cluster : 1;
    }
    const VolumeCapabilities caps = CapabilitiesOfFileSystem(FileSystemType(path));
    volume->ReportsAllocation = caps.Sparse;
    volume->CompressesInBlocks = caps.Compression;
    return std::make_unique<LinuxFolderHandle>(std::move(volume), nullptr, fd, st.st_ino);
}

int LinuxFolderSource::OpenHandleBudget() {
    return MaxOpenFolders_ > 0 ? MaxOpenFolders_ : DescriptorsForFolders();
}

}  // namespace quillet
