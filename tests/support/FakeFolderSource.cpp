#include "support/FakeFolderSource.h"

#include <algorithm>
#include <cerrno>

#include "platform/FileAttributes.h"

namespace quillet::test {

FakeNode FakeFile(std::string name, std::uint64_t size, std::uint32_t attributes,
                  std::uint64_t onDisk) {
    FakeNode node;
    node.Name = std::move(name);
    node.Size = size;
    node.OnDiskSize = onDisk ? onDisk : size;
    node.Attributes = attributes;
    return node;
}

FakeNode FakeFolder(std::string name, std::vector<FakeNode> children) {
    FakeNode node;
    node.Name = std::move(name);
    node.IsFolder = true;
    node.Attributes = kAttributeDirectory;
    node.Children = std::move(children);
    return node;
}

class FakeHandle final : public FolderHandle {
public:
    FakeHandle(FakeFolderSource& source, const FakeNode& folder)
        : Source_(source), Folder_(folder) {
        ++Source_.OpenHandles;
        Source_.MostOpenHandles = std::max(Source_.MostOpenHandles, Source_.OpenHandles);
    }
    ~FakeHandle() override { --Source_.OpenHandles; }

    std::size_t EntryCountHint() const override { return Folder_.Children.size(); }
    std::size_t NameBytesHint() const override {
        std::size_t bytes = 0;
        for (const FakeNode& child : Folder_.Children)
            bytes += child.Name.size();
        return bytes;
    }

    bool Next(FolderEntry& entry) override {
        if (Next_ >= Folder_.Children.size()) return false;
        if (Folder_.FailAfter >= 0 && Next_ >= static_cast<std::size_t>(Folder_.FailAfter)) {
            ReadError_ = {EIO, false};
            return false;
        }
        Last_ = &Folder_.Children[Next_++];
        entry.Name = Last_->Name;
        entry.IsFolder = Last_->IsFolder;
        entry.Size = Last_->Size;
        entry.OnDiskSize = Last_->OnDiskSize;
        entry.Attributes = Last_->Attributes;
        return true;
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string& childPath) override {
        if (!Last_ || !Last_->IsFolder) return nullptr;
        OpenFailure_ = Last_->Unreadable ? ReadFailure{EACCES, false} : ReadFailure{};
        return Source_.Open(*Last_, childPath);
    }

    ReadFailure OpenFailure() const override { return OpenFailure_; }
    ReadFailure ReadError() const override { return ReadError_; }

private:
    FakeFolderSource& Source_;
    const FakeNode& Folder_;
    std::size_t Next_ = 0;
    const FakeNode* Last_ = nullptr;
    ReadFailure OpenFailure_;
    ReadFailure ReadError_;
};

std::unique_ptr<FolderHandle> FakeFolderSource::Open(const FakeNode& folder,
                                                     const std::string& path) {
    if (OnOpen) OnOpen(path);
    if (folder.Unreadable) return nullptr;
    return std::make_unique<FakeHandle>(*this, folder);
}

std::unique_ptr<FolderHandle> FakeFolderSource::OpenRoot(const std::string& path) {
    return Open(Root_, path);
}

}  // namespace quillet::test
