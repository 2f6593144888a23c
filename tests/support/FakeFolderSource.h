// An in-memory file system for scan tests: folders and files described in code, with folders
// that cannot be opened, listings that fail part-way, and a hook that runs when a folder is
// opened (to cancel, or to change the tree under the scan).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/FolderSource.h"

namespace quillet::test {

struct FakeNode {
    std::string Name;
    bool IsFolder = false;
    std::uint64_t Size = 0;
    std::uint64_t OnDiskSize = 0;
    std::uint32_t Attributes = 0;
    bool Unreadable = false;  // opening it fails, for want of permission
    int FailAfter = -1;       // a listing that stops after this many entries, with EIO
    std::vector<FakeNode> Children;
};

FakeNode FakeFile(std::string name, std::uint64_t size, std::uint32_t attributes = 0,
                  std::uint64_t onDisk = 0);
FakeNode FakeFolder(std::string name, std::vector<FakeNode> children = {});

class FakeFolderSource final : public FolderSource {
public:
    explicit FakeFolderSource(FakeNode root) : Root_(std::move(root)) {}

    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;

    // Called with a folder's path each time one is opened.
    std::function<void(const std::string&)> OnOpen;
    int OpenHandles = 0;  // handles alive now
    int MostOpenHandles = 0;

private:
    friend class FakeHandle;
    std::unique_ptr<FolderHandle> Open(const FakeNode& folder, const std::string& path);

    FakeNode Root_;
};

}  // namespace quillet::test
