// The floor a scan is measured against: one thread walks a tree depth first with getdents64
// and one fstatat per entry, stays on the root's file system and follows no link, and prints
// the entry count and the total of the sizes. Nothing is kept beyond the open folders.
//
//   quillet-walk FOLDER
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "StatEachEntry.h"

namespace {

struct Totals {
    std::uint64_t Entries = 0;
    std::uint64_t Bytes = 0;
};

void Walk(int fd, dev_t device, Totals& totals) {
    std::vector<char> buffer;
    StatEachEntry(fd, buffer, [&](const char* name, const struct stat& st) {
        ++totals.Entries;
        totals.Bytes += static_cast<std::uint64_t>(st.st_size);
        if (S_ISDIR(st.st_mode) && st.st_dev == device) {
            const int child = openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0) {
                Walk(child, device, totals);
                close(child);
            }
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const int fd = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    Totals totals;
    Walk(fd, st.st_dev, totals);
    std::printf("%llu entries, %llu bytes\n", static_cast<unsigned long long>(totals.Entries),
                static_cast<unsigned long long>(totals.Bytes));
    return 0;
}
