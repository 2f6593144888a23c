#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quillet {

int OpenRegularFileForReading(const std::string& path, int extraFlags) {
    // Some devices act on being opened at all (a watchdog arms itself): look before opening.
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    // The file may have been swapped since. Without O_NONBLOCK, opening a pipe waits for a
    // writer that may never come.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    // Regular files never block; later reads need not see the flag.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

long long ReadFileAt(int fd, void* buffer, std::size_t size, std::uint64_t offset) {
    return pread(fd, buffer, size, static_cast<off_t>(offset));
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    const int fd = OpenRegularFileForReading(path);
    if (fd < 0) return std::nullopt;
    std::string text;
    char chunk[65536];
    bool ok = true;
    while (text.size() < maxBytes) {
        const ssize_t n = read(fd, chunk, std::min(sizeof chunk, maxBytes - text.size()));
        if (n < 0 && errno == EINTR) continue;
        ok = n >= 0;
        if (n <= 0) break;
        text.append(chunk, static_cast<std::size_t>(n));
    }
    close(fd);
    if (!ok) return std::nullopt;
    return text;
}

bool IsSpecialFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

}  // namespace quillet
