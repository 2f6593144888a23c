// One file's details for the properties dialog and the item actions: what the file system
// says of a path (never following a final symbolic link or, on Windows, reparse point), and the
// few changes the program makes (delete a file, remove an empty folder).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillet {

struct FileDetails {
    std::string Name;  // the last part of the path, as stored
    // Windows only, empty on Linux: the MS-DOS (8.3) name, empty when the name is one already
    // or the volume keeps none; the shell's name for the kind of file, empty when it has none.
    std::string ShortName;
    std::string TypeName;
    bool IsFolder = false;
    std::uint64_t Size = 0;
    std::uint64_t OnDiskSize = 0;  // allocated bytes
    std::uint32_t Attributes = 0;  // FileAttribute bits; compressed asked of the file itself
    // Seconds since 1970-01-01 00:00 UTC; none when the file system does not keep it.
    std::optional<std::int64_t> Created;
    std::optional<std::int64_t> Modified;
    std::optional<std::int64_t> Accessed;
};

std::optional<FileDetails> ReadFileDetails(const std::string& path);

bool IsExistingFile(const std::string& path);  // anything but a folder
bool IsExistingFolder(const std::string& path);
// Why the system will not look at path at all (a path longer than it takes, a folder above
// that may not be searched); empty when it can, or when nothing is there any more.
std::string PathRefusal(const std::string& path);

// The name of the first entry of a folder's listing that is not a folder; empty when none.
std::string FirstFileIn(const std::string& folder);

// Both leave everything in place when they fail, and then give the system's reason; empty
// when done. A folder is removed only when it is empty, never with what it holds.
std::string DeleteFile(const std::string& path);
std::string RemoveEmptyFolder(const std::string& path);

}  // namespace quillet
