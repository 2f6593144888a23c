// What both walks do in one folder: list it with getdents64, 32 KiB at a time, and fstatat each
// name but "." and ".." without following links; a name that cannot be stat'ed is skipped.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

// Calls found(name, st) for each entry of the open folder fd; buffer is the caller's, reused.
template <typename Found>
void StatEachEntry(int fd, std::vector<char>& buffer, Found found) {
    buffer.resize(32 * 1024);
    for (;;) {
        const ssize_t n = getdents64(fd, buffer.data(), buffer.size());
        if (n <= 0) return;
        for (ssize_t at = 0; at < n;) {
            const auto* record = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += record->d_reclen;
            const char* name = record->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
            struct stat st;
            if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) found(name, st);
        }
    }
}
