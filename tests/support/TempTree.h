// A folder tree on disk for one test, removed again when the test ends.
#pragma once

#include <cstdint>
#include <string>

namespace quillet::test {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Full path of the tree's root, without a trailing separator.
    const std::string& Root() const { return Root_; }
    // relative names its folders with "/", on every system.
    std::string Path(const std::string& relative) const;

    // Each creates the folders above it as needed and returns the full path.
    std::string Folder(const std::string& relative) const;
    std::string File(const std::string& relative, std::uint64_t bytes) const;
    // A file of `bytes` nominal size with no data blocks at all.
    std::string SparseFile(const std::string& relative, std::uint64_t bytes) const;
    std::string Link(const std::string& relative, const std::string& target) const;

private:
    std::string Root_;
};

// The whole content of a file; empty when it cannot be read.
std::string FileContent(const std::string& path);

}  // namespace quillet::test
