// The Windows side of TempTree: every name goes through the W calls as WTF-8, and paths of any
// length through the \\?\ prefix, so a tree can hold what the scan must read back.
#include <windows.h>
// After windows.h, which it needs.
#include <winioctl.h>

#include <stdexcept>
#include <vector>

#include "platform/RegularFile.h"
#include "platform/win32/Win32Names.h"
#include "support/TempTree.h"

namespace quillet::test {
namespace {

void MakeFolders(const std::string& path) {
    for (std::size_t at = 3; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '\\') continue;
        const std::wstring part = Win32Path(path.substr(0, at));
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot make folder " + path.substr(0, at));
    }
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

HANDLE CreateNewFile(const std::string& path) {
    MakeFolders(FolderOf(path));
    const HANDLE file = CreateFileW(Win32Path(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot make file " + path);
    return file;
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                RemoveTree(path);
            } else if (!DeleteFileW(path.c_str())) {
                RemoveDirectoryW(path.c_str());
            }
        } while (FindNextFileW(search, &data));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempTree::TempTree() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0) throw std::runtime_error("no temp folder");
    static int made = 0;
    Root_ = Wtf8FromWide(std::wstring_view(temp, length)) + "quillet-test-" +
            std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    MakeFolders(Root_);
}

TempTree::~TempTree() {
    RemoveTree(L"\\\\?\\" + WideFromWtf8(Root_));
}

std::string TempTree::Path(const std::string& relative) const {
    std::string path = Root_ + "\\" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string TempTree::Folder(const std::string& relative) const {
    const std::string path = Path(relative);
    MakeFolders(path);
    return path;
}

std::string TempTree::File(const std::string& relative, std::uint64_t bytes) const {
    const std::string path = Path(relative);
    const HANDLE file = CreateNewFile(path);
    const std::string block(4096, 'q');
    for (std::uint64_t left = bytes; left > 0;) {
        const DWORD n = static_cast<DWORD>(std::min<std::uint64_t>(left, block.size()));
        DWORD written = 0;
        WriteFile(file, block.data(), n, &written, nullptr);
        left -= n;
    }
    CloseHandle(file);
    return path;
}

std::string TempTree::SparseFile(const std::string& relative, std::uint64_t bytes) const {
    const std::string path = Path(relative);
    const HANDLE file = CreateNewFile(path);
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(bytes);
    const bool sized = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    if (!sized) throw std::runtime_error("cannot make sparse file " + path);
    return path;
}

std::string TempTree::Link(const std::string& relative, const std::string& target) const {
    const std::string path = Path(relative);
    MakeFolders(FolderOf(path));
    if (!CreateSymbolicLinkW(Win32Path(path).c_str(), WideFromWtf8(target).c_str(), 0))
        throw std::runtime_error("cannot make link " + path);
    return path;
}

std::string FileContent(const std::string& path) {
    return ReadRegularFile(path, 1 << 30).value_or(std::string());
}

}  // namespace quillet::test
