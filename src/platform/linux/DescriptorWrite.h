// Writing a whole buffer to an open descriptor, however many calls the kernel needs for it and
// whatever signals interrupt them.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "base/WriteAll.h"

namespace quillet {

inline bool WriteAllTo(int fd, std::string_view bytes) {
    return WriteAll(bytes, [fd](std::string_view rest) {
        ssize_t written;
        do {
            written = write(fd, rest.data(), rest.size());
        } while (written < 0 && errno == EINTR);
        return written;
    });
}

}  // namespace quillet
