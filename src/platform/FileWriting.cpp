#include "platform/FileWriting.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillet {

WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return {WriteOutcome::CannotCreate, std::strerror(errno)};
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    // A full disk may only show when the data reach it.
    ok = (fsync(fd) == 0 || errno == EINVAL || errno == EROFS) && ok;
    ok = close(fd) == 0 && ok;
    return ok ? WriteOutcome{} : WriteOutcome{WriteOutcome::WriteFailed, {}};
}

}  // namespace quillet
