// What a scan counts of one file: its sizes under the scan's options, and whether it is a later
// link of a file already counted. Shared by the scan and by whatever reads an earlier scan to
// compare with it, so that the two count every file alike.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "platform/FolderSource.h"
#include "scan/FileInfo.h"

namespace quillet {

struct TCountedSizes {
    ByteCount Nominal = 0;
    ByteCount Allocated = 0;
};

// The size the scan counts (the on-disk size of a sparse or compressed file when its switch
// is on) and that size in whole clusters; or, for a source that reports allocation itself, the
// two sizes it reports.
TCountedSizes CountedSizes(const FolderEntry& entry, const TScanOptions& options);

// What a file takes on disk in whole clusters, as a scan with both switches on counts it: the
// on-disk size of a file marked sparse or compressed, else its size. An export writes it as
// the file's disk usage, so that an import counts what the scan counts.
std::uint64_t AllocatedBytes(const FolderEntry& entry, std::int32_t clusterSize);

// A file with several hard links takes up its space once: only its first link in a scan
// counts, the later ones are files of size 0. Singly linked files are not remembered.
class LinkedFiles {
public:
    bool SeenBefore(const FolderEntry& entry);

private:
    struct FileId {
        std::uint64_t Device;
        std::uint64_t Inode;
        bool operator==(const FileId&) const = default;
    };
    struct FileIdHash {
        std::size_t operator()(const FileId& id) const {
            return std::hash<std::uint64_t>()(id.Inode * 0x9E3779B97F4A7C15ull ^ id.Device);
        }
    };
    std::unordered_set<FileId, FileIdHash> Seen_;
};

}  // namespace quillet
