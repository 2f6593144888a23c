#include "platform/win32/Win32FolderSource.h"

#include <windows.h>

#include "platform/FileAttributes.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// The longest path a Win32 call takes, in UTF-16 units, with the \\?\ prefix.
constexpr std::size_t kLongestPath = 32767;

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_SPARSE_FILE |
                                  FILE_ATTRIBUTE_COMPRESSED;
static_assert(FILE_ATTRIBUTE_SPARSE_FILE == kAttributeSparse &&
              FILE_ATTRIBUTE_COMPRESSED == kAttributeCompressed);

std::uint64_t OnDiskSize(const std::string& path, std::uint64_t nominal) {
    DWORD high = 0;
    const DWORD low = GetCompressedFileSizeW(Win32Path(path).c_str(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return nominal;
    return (std::uint64_t{high} << 32) | low;
}

class Win32FolderHandle final : public FolderHandle {
public:
    // path ends in "\"; search is an open search whose first result is in data, or
    // INVALID_HANDLE_VALUE for a folder with no entries at all (a drive root may have none).
    Win32FolderHandle(std::string path, HANDLE search, const WIN32_FIND_DATAW& data)
        : Path_(std::move(path)),
          Search_(search),
          Data_(data),
          Pending_(search != INVALID_HANDLE_VALUE) {}

    ~Win32FolderHandle() override {
        if (Search_ != INVALID_HANDLE_VALUE) FindClose(Search_);
    }

    std::size_t EntryCountHint() const override { return 0; }
    std::size_t NameBytesHint() const override { return 0; }

    bool Next(FolderEntry& entry) override {
        for (;;) {
            if (!Pending_ && (Search_ == INVALID_HANDLE_VALUE || !FindNextFileW(Search_, &Data_)))
                return false;
            Pending_ = false;
            const std::wstring_view name(Data_.cFileName);
            if (name != L"." && name != L"..") break;
        }
        Describe(entry);
        return true;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string& childPath) override {
        if (!LastEnterable_) return nullptr;
        return OpenFolder(childPath);
    }

    static std::unique_ptr<FolderHandle> OpenFolder(const std::string& path) {
        const std::wstring pattern = Win32Path(path) + L"*";
        if (pattern.size() > kLongestPath) return nullptr;
        WIN32_FIND_DATAW data;
        const HANDLE search =
            FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND)
            return nullptr;
        return std::make_unique<Win32FolderHandle>(path, search, data);
    }

private:
    void Describe(FolderEntry& entry) {
        Name_ = Wtf8FromWide(Data_.cFileName);
        entry.Name = Name_;
        DWORD attributes = Data_.dwFileAttributes;
        const bool isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                            IsReparseTagNameSurrogate(Data_.dwReserved0);
        entry.IsFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
        // A symbolic link to a folder is a file, as on Linux; a junction or a mount point is a
        // folder that leads elsewhere and is not entered.
        if (entry.IsFolder && isLink && Data_.dwReserved0 == IO_REPARSE_TAG_SYMLINK) {
            entry.IsFolder = false;
            attributes &= ~FILE_ATTRIBUTE_DIRECTORY;
        }
        LastEnterable_ = entry.IsFolder && !isLink;
        entry.Size = (std::uint64_t{Data_.nFileSizeHigh} << 32) | Data_.nFileSizeLow;
        entry.OnDiskSize = entry.Size;
        if (!entry.IsFolder &&
            (attributes & (FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE))) {
            entry.OnDiskSize = OnDiskSize(Path_ + Name_, entry.Size);
        }
        entry.Attributes = attributes & kKeptAttributes;
        entry.Links = 1;
        entry.Device = entry.Inode = 0;
    }

    const std::string Path_;
    HANDLE Search_;
    WIN32_FIND_DATAW Data_;
    bool Pending_;  // Data_ holds an entry that Next() has not handed out yet
    std::string Name_;
    bool LastEnterable_ = false;
};

}  // namespace

std::unique_ptr<FolderHandle> Win32FolderSource::OpenRoot(const std::string& path) {
    return Win32FolderHandle::OpenFolder(path);
}

}  // namespace quillet
