// Writing a whole file the way a saved listing is written: into a temporary file beside the
// target that replaces it only once every byte is safely on disk. A failure at any step leaves
// the old file as it was; the failures are told apart the way the user sees them.
//
// A file that is replaced keeps its permissions (and its owner where the system allows); a
// symbolic link is written through, to the file it names. Anything that exists but is not a
// regular file is never opened and cannot be created.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FolderSource.h"

namespace quillet {

// A file as a scan meets it. Where a folder's listing names each file (Linux: FolderEntry's
// Device and Inode), by those; where it does not (Windows), by its name in its folder and the
// volume and file index the system gives the file of that name.
struct FileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::string Name;  // only where the listing names no file
};

// Whether entry, as listed in folder (its full path ending in the separator), is file. Where
// the listing names no file, the system is asked only for an entry of file's name.
bool IsFile(const FolderEntry& entry, std::string_view folder, const FileIdentity& file);

struct WriteOutcome {
    enum Result { Written, CannotCreate, WriteFailed } Outcome = Written;
    std::string SystemText;  // the system's words for why it could not be created
};

// A file written piece by piece, for content too large to hold whole (an export). It takes
// the place of the file at path only through Commit(); a temporary file that was not
// committed is removed when the object goes.
class FileReplacement {
public:
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Written when the temporary file was created, else why it could not be.
    const WriteOutcome& Created() const { return Created_; }
    // Appends bytes; false once any write has failed, after which nothing more is written.
    bool Write(std::string_view bytes);
    // Once, after the last Write(): puts the file in place of the old one when everything
    // written is on disk (Written), else removes it (WriteFailed, or CannotCreate when the
    // old file could not be replaced).
    WriteOutcome Commit();

    // The temporary file, and the file it replaces unless that has other links. A scan written
    // into this file leaves them out, so that it never lists itself.
    std::vector<FileIdentity> OwnFiles() const;

private:
    struct Temporary;  // the file being written, as each system holds it

    WriteOutcome Created_;
    std::unique_ptr<Temporary> Temporary_;
};

inline WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes) {
    FileReplacement file(path);
    if (file.Created().Outcome != WriteOutcome::Written) return file.Created();
    file.Write(bytes);
    return file.Commit();
}

}  // namespace quillet
