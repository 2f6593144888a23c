#include "platform/win32/Win32FolderSource.h"

#include <windows.h>

#include "platform/win32/FoundEntry.h"
#include "platform/win32/Win32Names.h"

namespace quillet {
namespace {

// The longest path a Win32 call takes, in UTF-16 units, with the \\?\ prefix.
constexpr std::size_t kLongestPath = 32767;

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
        OpenFailure_ = {};
        if (!LastEnterable_) return nullptr;
        return OpenFolder(childPath, &OpenFailure_);
    }

    ReadFailure OpenFailure() const override { return OpenFailure_; }

    // failure, when given, says why there is no handle; nothing for a folder that is gone.
    static std::unique_ptr<FolderHandle> OpenFolder(const std::string& path, ReadFailure* failure) {
        const std::wstring pattern = Win32Path(path) + L"*";
        if (pattern.size() > kLongestPath) {
            if (failure) *failure = {ERROR_FILENAME_EXCED_RANGE, false};
            return nullptr;
        }
        WIN32_FIND_DATAW data;
        const HANDLE search =
            FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND) {
                if (failure && error != ERROR_PATH_NOT_FOUND)
                    *failure = {static_cast<int>(error), error == ERROR_TOO_MANY_OPEN_FILES};
                return nullptr;
            }
        }
        return std::make_unique<Win32FolderHandle>(path, search, data);
    }

private:
    void Describe(FolderEntry& entry) {
        Name_ = Wtf8FromWide(Data_.cFileName);
        entry.Name = Name_;
        const FoundEntry found = ReadFoundEntry(Data_);
        entry.IsFolder = found.IsFolder;
        LastEnterable_ = found.Enterable;
        entry.Size = found.Size;
        entry.OnDiskSize = AllocatedSize(found, Path_, Name_);
        entry.Attributes = found.Attributes;
        entry.Links = 1;
        entry.Device = entry.Inode = 0;
    }

    const std::string Path_;
    HANDLE Search_;
    WIN32_FIND_DATAW Data_;
    bool Pending_;  // Data_ holds an entry that Next() has not handed out yet
    std::string Name_;
    bool LastEnterable_ = false;
    ReadFailure OpenFailure_;
};

}  // namespace

std::unique_ptr<FolderHandle> Win32FolderSource::OpenRoot(const std::string& path) {
    return Win32FolderHandle::OpenFolder(path, nullptr);
}

}  // namespace quillet
