#include "platform/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>

#include "base/HexDigits.h"
#include "base/PathText.h"
#include "base/Utf8.h"
#include "platform/linux/DescriptorWrite.h"

namespace quillet {

const char* const kTrashTitle = "Trash";
const char* const kTrashInText = "trash";
namespace {

constexpr std::string_view kInfoExtension = ".trashinfo";

std::string ErrorText(int error) {
    return std::strerror(error);
}

std::string HomeTrash() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return std::string(data) + "/Trash";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/Trash";
}

// The device that holds path, or would hold it once made: that of its nearest existing
// ancestor.
std::optional<dev_t> DeviceOf(std::string path) {
    struct stat st;
    while (lstat(path.c_str(), &st) != 0) {
        if (path == "/" || path == ".") return std::nullopt;
        path = ParentOf(path, "/", 1);
    }
    return st.st_dev;
}

// Makes the folder and the folders above it, owner-only; 0 or the error.
int MakeFolders(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (path != "/") {
        if (const int error = MakeFolders(ParentOf(path, "/", 1))) return error;
    }
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// The highest folder above path on its device: where a volume's own trash lives.
std::string TopFolder(const std::string& path, dev_t device) {
    std::string top = ParentOf(path, "/", 1);
    struct stat st;
    while (top != "/") {
        const std::string up = ParentOf(top, "/", 1);
        if (lstat(up.c_str(), &st) != 0 || st.st_dev != device) break;
        top = up;
    }
    return top;
}

// A volume's trash: $top/.Trash/$uid when an administrator made $top/.Trash a real sticky
// folder, otherwise $top/.Trash-$uid, made by us and ours alone.
std::optional<std::string> VolumeTrash(const std::string& top, int& error) {
    const std::string base = top == "/" ? std::string() : top;
    const std::string uid = std::to_string(getuid());
    struct stat st;
    const std::string shared = base + "/.Trash";
    if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const std::string own = shared + "/" + uid;
        if (MakeFolders(own) == 0 && lstat(own.c_str(), &st) == 0 && st.st_uid == getuid())
            return own;
    }
    const std::string own = base + "/.Trash-" + uid;
    if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) {
        error = errno;
        return std::nullopt;
    }
    if (lstat(own.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
        error = EPERM;
        return std::nullopt;
    }
    return own;
}

// The Path value of an info file: bytes outside the unreserved set are percent-encoded.
std::string EscapedPath(const std::string& path) {
    std::string escaped;
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            std::strchr("-._~/", b)) {
            escaped += c;
        } else {
            escaped += '%';
            AppendHexByte(escaped, b);
        }
    }
    return escaped;
}

std::string DeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// The longest name files/ can give an entry: its info file's name is longer by the extension.
std::size_t NameRoom(const std::string& infoFolder) {
    const long longest = pathconf(infoFolder.c_str(), _PC_NAME_MAX);
    return static_cast<std::size_t>(longest >= 64 ? longest : NAME_MAX) - kInfoExtension.size();
}

// The name the entry tries in files/ on its attempt-th try: its own, then numbered. One too
// long for its info file's name is cut short, whole UTF-8 characters only, and marked with
// the attempt, keeping its extension where that fits.
std::string TrashName(const std::string& name, int attempt, std::size_t room) {
    const std::string number = attempt == 1 ? "" : "." + std::to_string(attempt);
    if (name.size() + number.size() <= room) return name + number;
    const std::string mark = "~" + std::to_string(attempt);
    const auto dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
    if (extension.size() + mark.size() >= room) extension.clear();
    std::size_t kept = room - mark.size() - extension.size();
    while (kept > 0 && IsUtf8Continuation(name[kept]))
        --kept;
    return name.substr(0, kept) + mark + extension;
}

// Moves the entry to a name in files/ and never replaces what holds that name already: a
// leftover of a crash or of another program. 0 or the error; EEXIST when the name is taken.
int MoveWithoutReplacing(const std::string& from, const std::string& to, bool folder) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // The file system cannot refuse to replace (NFS, many FUSE ones). A new link fails rather
    // than replace; a folder replaces only the empty folder made for it just now.
    if (!folder) {
        if (linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0) return errno;
        if (unlink(from.c_str()) == 0) return 0;
        const int error = errno;
        unlink(to.c_str());
        return error;
    }
    if (mkdir(to.c_str(), 0700) != 0) return errno;
    if (rename(from.c_str(), to.c_str()) == 0) return 0;
    const int error = errno;
    rmdir(to.c_str());
    return error;
}

}  // namespace

std::string MoveToTrash(const std::string& given) {
    std::string path = given;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat entry;
    if (lstat(path.c_str(), &entry) != 0) return ErrorText(errno);

    std::string trash = HomeTrash();
    std::string infoPath = path;  // absolute in the home trash, from the top in a volume's
    if (DeviceOf(trash) != entry.st_dev) {
        const std::string top = TopFolder(path, entry.st_dev);
        int error = 0;
        const auto volumeTrash = VolumeTrash(top, error);
        if (!volumeTrash) return "there is no trash on its volume (" + ErrorText(error) + ")";
        trash = *volumeTrash;
        infoPath = path.substr(top == "/" ? 1 : top.size() + 1);
    }
    for (const char* folder : {"/files", "/info"}) {
        if (const int error = MakeFolders(trash + folder))
            return "the trash folder cannot be made (" + ErrorText(error) + ")";
    }

    // The info file is made first and exclusively: it claims the name in files/. The move
    // itself still finds that name taken when files/ holds an entry without an info file.
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::size_t room = NameRoom(trash + "/info");
    for (int attempt = 1;; ++attempt) {
        const std::string trashName = TrashName(name, attempt, room);
        const std::string info = trash + "/info/" + trashName + std::string(kInfoExtension);
        const int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return ErrorText(errno);
        const bool written = WriteAllTo(fd, "[Trash Info]\nPath=" + EscapedPath(infoPath) +
                                                "\nDeletionDate=" + DeletionDate() + "\n");
        const int writeError = errno;
        if (close(fd) != 0 || !written) {
            unlink(info.c_str());
            return ErrorText(written ? EIO : writeError);
        }
        const int error =
            MoveWithoutReplacing(path, trash + "/files/" + trashName, S_ISDIR(entry.st_mode));
        if (error == 0) break;
        unlink(info.c_str());
        if (error != EEXIST) return ErrorText(error);
    }
    return {};
}

}  // namespace quillet
