// The names of one folder, read at once with getdents64, and the stat of each name.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillet {

struct EntryStat {
    int Error = 0;  // errno of the failed stat, 0 on success
    mode_t Mode = 0;
    dev_t Device = 0;
    std::uint64_t Size = 0;
    std::uint64_t Blocks = 0;  // 512-byte blocks allocated
    std::uint64_t Links = 0;
    std::uint64_t Inode = 0;
};

class FolderListing {
public:
    // Reads every name of the open folder fd ("." and ".." left out), a chunk at a time
    // through readBuffer, which the caller keeps from folder to folder. The names are stat'ed
    // relative to fd.
    void Read(int fd, std::vector<char>& readBuffer);
    // The folder was closed and opened again as fd: names are stat'ed relative to it now.
    void Reattach(int fd) { DirFd_ = fd; }

    std::size_t Count() const { return Offsets_.size(); }
    std::size_t NameBytes() const { return NameBytes_; }
    std::size_t FolderCount() const { return Folders_; }  // listed as folders, or as unknown
    const char* Name(std::size_t i) const { return Names_.data() + Offsets_[i]; }
    unsigned char Type(std::size_t i) const { return Types_[i]; }

    // The stat of name i, relative to the open folder.
    EntryStat Stat(std::size_t i) const;

private:
    std::string Names_;  // each name followed by its NUL
    std::vector<std::uint32_t> Offsets_;
    std::vector<unsigned char> Types_;
    std::size_t NameBytes_ = 0;
    std::size_t Folders_ = 0;
    int DirFd_ = -1;
};

}  // namespace quillet
