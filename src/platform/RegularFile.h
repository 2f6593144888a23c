// Opening files the program reads, so that nothing found on disk can make it wait: a named
// pipe, a device or a socket (also behind a symbolic link) is opened without blocking, seen for
// what it is and turned away like a file that is not there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace quillet {

// A descriptor for reading a regular file (the caller closes it), or -1.
int OpenRegularFileForReading(const std::string& path, int extraFlags = 0);

// Reads up to size bytes from offset of a descriptor that the function above gave, without
// moving its position. The count read (0 at the end), or -1 with errno set.
long long ReadFileAt(int fd, void* buffer, std::size_t size, std::uint64_t offset);

// The first maxBytes bytes of a regular file; nothing when it cannot be read.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

// Something is at path (behind links too) that is neither a regular file nor a folder: a pipe,
// a device or a socket, which a reader that opens files plainly would wait on.
bool IsSpecialFile(const std::string& path);

}  // namespace quillet
