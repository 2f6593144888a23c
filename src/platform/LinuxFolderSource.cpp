#include "platform/LinuxFolderSource.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

#include "platform/FileAttributes.h"
#include "platform/FolderListing.h"
#include "platform/StatAhead.h"

namespace quillet {
namespace {

// Each open level of a scan holds a descriptor. Paths end near 2048 levels; this many are
// asked of the system, and the program keeps some for itself. Folders deeper than the
// descriptors allow are reached through their full path instead.
constexpr rlim_t kDescriptorsWanted = 2048 + 256;
constexpr rlim_t kDescriptorsKept = 256;
// Listings shorter than this are not worth handing to the second thread.
constexpr std::size_t kShareFrom = 8;
#ifndef ZFS_SUPER_MAGIC
constexpr long ZFS_SUPER_MAGIC = 0x2fc12fc1;
#endif

// What all folders of one scan share; every open handle of the scan holds it.
struct ScanVolume {
    dev_t Device = 0;
    std::uint64_t ClusterSize = 1;
    bool CompressesInBlocks = false;  // allocation in st_blocks shrinks with compression
    bool ShareStats = true;
    int OpenFolders = 0;
    int MaxOpenFolders = 0;
    std::vector<char> ReadBuffer;  // getdents64 reads into it, one folder at a time
    std::vector<std::unique_ptr<FolderListing>> SpareListings;  // by depth, kept for reuse
    std::unique_ptr<StatAhead> Worker;                          // started at the first long listing

    std::unique_ptr<FolderListing> TakeListing(std::size_t depth) {
        if (depth < SpareListings.size() && SpareListings[depth]) {
            return std::move(SpareListings[depth]);
        }
        return std::make_unique<FolderListing>();
    }
    void ReturnListing(std::size_t depth, std::unique_ptr<FolderListing> listing) {
        if (depth >= SpareListings.size()) SpareListings.resize(depth + 1);
        SpareListings[depth] = std::move(listing);
    }
};

class LinuxFolderHandle final : public FolderHandle {
public:
    LinuxFolderHandle(std::shared_ptr<ScanVolume> volume, std::size_t depth, int fd,
                      const std::string& path)
        : Volume_(std::move(volume)), Depth_(depth), Listing_(Volume_->TakeListing(depth)) {
        if (Volume_->OpenFolders < Volume_->MaxOpenFolders) {
            Fd_ = fd;
            ++Volume_->OpenFolders;
            Listing_->Read(fd, fd, path, Volume_->ReadBuffer);
        } else {
            Listing_->Read(fd, -1, path, Volume_->ReadBuffer);
            close(fd);
            Path_ = path;
        }
        if (Volume_->ShareStats && Listing_->Count() >= kShareFrom) {
            if (!Volume_->Worker) Volume_->Worker = std::make_unique<StatAhead>();
            Volume_->Worker->Share(*Listing_);
            Shared_ = true;
        }
    }

    ~LinuxFolderHandle() override {
        if (Shared_) Volume_->Worker->Withdraw(*Listing_);
        if (Fd_ >= 0) {
            close(Fd_);
            --Volume_->OpenFolders;
        }
        Volume_->ReturnListing(Depth_, std::move(Listing_));
    }

    std::size_t EntryCountHint() const override { return Listing_->Count(); }
    std::size_t NameBytesHint() const override { return Listing_->NameBytes(); }

    bool Next(FolderEntry& entry) override {
        while (Index_ < Listing_->Count()) {
            const std::size_t i = Index_++;
            if (Describe(i, Listing_->StatInOrder(i), entry)) return true;
        }
        return false;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string& childPath) override {
        if (!LastEnterable_ || childPath.size() >= PATH_MAX) return nullptr;
        constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        const int fd = Fd_ >= 0 ? openat(Fd_, LastName_, kFlags) : open(childPath.c_str(), kFlags);
        if (fd < 0) return nullptr;
        return std::make_unique<LinuxFolderHandle>(Volume_, Depth_ + 1, fd, childPath);
    }

private:
    // Fills entry from name i and its stat; false when the name vanished since the listing.
    bool Describe(std::size_t i, const EntryStat& st, FolderEntry& entry) {
        if (st.Error == ENOENT) return false;
        const char* name = Listing_->Name(i);
        LastName_ = name;
        entry.Name = std::string_view(name);
        if (st.Error != 0) {
            // Listed but not describable (a folder without search permission): keep the kind
            // the listing gave, with no size, and never enter it.
            entry.IsFolder = Listing_->Type(i) == DT_DIR;
            entry.Size = entry.OnDiskSize = 0;
            entry.Attributes =
                AttributesOf(name, entry.IsFolder ? S_IFDIR | S_IWUSR : S_IFREG | S_IWUSR);
            LastEnterable_ = false;
            return true;
        }

        const mode_t mode = st.Mode;
        entry.IsFolder = S_ISDIR(mode);
        entry.Size = st.Size;
        entry.OnDiskSize = st.Blocks * 512;
        entry.Attributes = AttributesOf(name, mode);
        if (entry.IsFolder) {
            LastEnterable_ = st.Device == Volume_->Device;
        } else {
            LastEnterable_ = false;
            // Small files kept inline by btrfs or ext4 are not holes: a whole cluster must miss.
            if (S_ISREG(mode) && entry.OnDiskSize + Volume_->ClusterSize <= entry.Size) {
                entry.Attributes |= kAttributeSparse;
                if (Volume_->CompressesInBlocks) entry.Attributes |= kAttributeCompressed;
            }
        }
        return true;
    }

    std::shared_ptr<ScanVolume> Volume_;
    const std::size_t Depth_;
    std::unique_ptr<FolderListing> Listing_;
    std::size_t Index_ = 0;
    bool Shared_ = false;
    int Fd_ = -1;
    std::string Path_;  // only while Fd_ is -1: entries are then reached by full path
    const char* LastName_ = nullptr;
    bool LastEnterable_ = false;
};

int DescriptorsForFolders() {
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 64;
    if (limit.rlim_cur < kDescriptorsWanted && limit.rlim_max > limit.rlim_cur) {
        limit.rlim_cur = std::min(limit.rlim_max, kDescriptorsWanted);
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    const rlim_t usable = std::min(limit.rlim_cur, kDescriptorsWanted);
    return usable > 2 * kDescriptorsKept ? static_cast<int>(usable - kDescriptorsKept)
                                         : static_cast<int>(usable / 2);
}

}  // namespace

std::unique_ptr<FolderHandle> LinuxFolderSource::OpenRoot(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;

    auto volume = std::make_shared<ScanVolume>();
    volume->ShareStats = ShareStats_;
    volume->MaxOpenFolders = MaxOpenFolders_ > 0 ? MaxOpenFolders_ : DescriptorsForFolders();
    struct statx sx;
    if (statx(fd, "", AT_EMPTY_PATH, STATX_TYPE, &sx) != 0) {
        close(fd);
        return nullptr;
    }
    volume->Device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    struct statvfs vfs;
    if (fstatvfs(fd, &vfs) == 0) {
        const auto cluster = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
        volume->ClusterSize = cluster ? cluster : 1;
    }
    struct statfs fs;
    volume->CompressesInBlocks =
        fstatfs(fd, &fs) == 0 && static_cast<long>(fs.f_type) == static_cast<long>(ZFS_SUPER_MAGIC);
    return std::make_unique<LinuxFolderHandle>(std::move(volume), 0, fd, path);
}

}  // namespace quillet
