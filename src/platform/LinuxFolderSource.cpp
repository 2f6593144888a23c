#include "platform/LinuxFolderSource.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/FileAttributes.h"

namespace quillet {
namespace {

// Folders deeper than this are read through their full path instead of holding a descriptor,
// so a deep tree cannot run the process out of file descriptors.
constexpr int kMaxOpenFolders = 128;
constexpr std::size_t kListingChunk = 32 * 1024;
#ifndef ZFS_SUPER_MAGIC
constexpr long ZFS_SUPER_MAGIC = 0x2fc12fc1;
#endif

// What all folders of one scan share; every open handle of the scan holds it.
struct ScanVolume {
    dev_t Device = 0;
    std::uint64_t ClusterSize = 1;
    bool CompressesInBlocks = false;  // allocation in st_blocks shrinks with compression
    int OpenFolders = 0;
    std::vector<std::vector<char>> SpareListings;  // by depth; keeps buffers between folders

    std::vector<char> TakeListing(std::size_t depth) {
        if (depth < SpareListings.size()) return std::move(SpareListings[depth]);
        return {};
    }
    void ReturnListing(std::size_t depth, std::vector<char>&& listing) {
        if (depth >= SpareListings.size()) SpareListings.resize(depth + 1);
        SpareListings[depth] = std::move(listing);
    }
};

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

class LinuxFolderHandle final : public FolderHandle {
public:
    LinuxFolderHandle(std::shared_ptr<ScanVolume> volume, std::size_t depth, int fd,
                      const std::string& path)
        : Volume_(std::move(volume)), Depth_(depth), Listing_(Volume_->TakeListing(depth)) {
        ReadListing(fd);
        if (Volume_->OpenFolders < kMaxOpenFolders) {
            Fd_ = fd;
            ++Volume_->OpenFolders;
        } else {
            close(fd);
            Path_ = path;
        }
    }

    ~LinuxFolderHandle() override {
        if (Fd_ >= 0) {
            close(Fd_);
            --Volume_->OpenFolders;
        }
        Volume_->ReturnListing(Depth_, std::move(Listing_));
    }

    std::size_t EntryCountHint() const override { return EntryCount_; }
    std::size_t NameBytesHint() const override { return NameBytes_; }

    bool Next(FolderEntry& entry) override {
        while (Position_ < Used_) {
            const auto* record = reinterpret_cast<const dirent64*>(Listing_.data() + Position_);
            Position_ += record->d_reclen;
            const char* name = record->d_name;
            if (IsDotOrDotDot(name)) continue;
            if (Describe(name, record->d_type, entry)) return true;
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
    void ReadListing(int fd) {
        if (Listing_.size() < kListingChunk) Listing_.resize(kListingChunk);
        for (;;) {
            // Room for at least one record of the longest name.
            if (Listing_.size() - Used_ < sizeof(dirent64) + 16)
                Listing_.resize(Listing_.size() * 2);
            const ssize_t n = getdents64(fd, Listing_.data() + Used_, Listing_.size() - Used_);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                break;  // what was read so far stands, as when a listing fails part-way
            }
            Used_ += static_cast<std::size_t>(n);
        }
        for (std::size_t at = 0; at < Used_;) {
            const auto* record = reinterpret_cast<const dirent64*>(Listing_.data() + at);
            at += record->d_reclen;
            ++EntryCount_;
            NameBytes_ += std::strlen(record->d_name);
        }
    }

    // Stats one listed name; false when it vanished since the listing was read.
    bool Describe(const char* name, unsigned char type, FolderEntry& entry) {
        const char* statName = name;
        if (Fd_ < 0) {
            Scratch_.assign(Path_).append(name);
            statName = Scratch_.c_str();
        }
        struct stat st;
        const int dirFd = Fd_ >= 0 ? Fd_ : AT_FDCWD;
        const bool stated =
            fstatat(dirFd, statName, &st, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT) == 0;
        if (!stated && errno == ENOENT) return false;

        LastName_ = name;
        entry.Name = std::string_view(name);
        entry.Attributes = name[0] == '.' ? std::uint32_t{kAttributeHidden} : 0u;
        if (!stated) {
            // Listed but not describable (a folder without search permission): keep the kind
            // the listing gave, with no size, and never enter it.
            entry.IsFolder = type == DT_DIR;
            entry.Size = entry.OnDiskSize = 0;
            if (entry.IsFolder) entry.Attributes |= kAttributeDirectory;
            LastEnterable_ = false;
            return true;
        }

        const mode_t mode = st.st_mode;
        entry.IsFolder = S_ISDIR(mode);
        entry.Size = static_cast<std::uint64_t>(st.st_size);
        entry.OnDiskSize = static_cast<std::uint64_t>(st.st_blocks) * 512;
        if (!(mode & S_IWUSR)) entry.Attributes |= kAttributeReadOnly;
        if (!S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode))
            entry.Attributes |= kAttributeSystem;
        if (entry.IsFolder) {
            entry.Attributes |= kAttributeDirectory;
            LastEnterable_ = st.st_dev == Volume_->Device;
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
    std::vector<char> Listing_;
    std::size_t Used_ = 0;
    std::size_t Position_ = 0;
    std::size_t EntryCount_ = 0;
    std::size_t NameBytes_ = 0;
    int Fd_ = -1;
    std::string Path_;     // only while Fd_ is -1: entries are then reached by full path
    std::string Scratch_;  // full path of the entry being stat'ed, in that case
    const char* LastName_ = nullptr;
    bool LastEnterable_ = false;
};

}  // namespace

std::unique_ptr<FolderHandle> LinuxFolderSource::OpenRoot(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;

    auto volume = std::make_shared<ScanVolume>();
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
