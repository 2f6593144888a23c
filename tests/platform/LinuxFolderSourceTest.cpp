#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <fstream>

#include "platform/FileAttributes.h"
#include "platform/linux/LinuxFolderSource.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

std::map<std::string, FolderEntry> ReadAll(FolderHandle& handle, std::vector<std::string>& names) {
    std::map<std::string, FolderEntry> entries;
    FolderEntry entry;
    while (handle.Next(entry)) {
        names.emplace_back(entry.Name);
        entries[std::string(entry.Name)] = entry;
    }
    return entries;
}

TEST(LinuxFolderSource, DescribesEveryKindOfEntryWithoutFollowingLinks) {
    test::TempTree tree;
    tree.File("data.bin", 5000);
    tree.File(".dotfile", 1);
    tree.Folder("folder");
    tree.Link("link-to-folder", "folder");
    ASSERT_EQ(mkfifo(tree.Path("pipe").c_str(), 0644), 0);
    ASSERT_EQ(chmod(tree.Path("data.bin").c_str(), 0444), 0);

    LinuxFolderSource source;
    auto root = source.OpenRoot(tree.Root() + "/");
    ASSERT_TRUE(root);
    EXPECT_GE(root->EntryCountHint(), 5u);
    std::vector<std::string> names;
    auto entries = ReadAll(*root, names);
    EXPECT_EQ(entries.size(), 5u) << ". and .. are never reported";

    EXPECT_EQ(entries["data.bin"].Size, 5000u);
    EXPECT_EQ(entries["data.bin"].Attributes, kAttributeReadOnly);
    EXPECT_FALSE(entries["data.bin"].IsFolder);
    EXPECT_EQ(entries[".dotfile"].Attributes, kAttributeHidden);
    EXPECT_TRUE(entries["folder"].IsFolder);
    EXPECT_EQ(entries["folder"].Attributes, kAttributeDirectory);
    EXPECT_FALSE(entries["link-to-folder"].IsFolder);
    EXPECT_EQ(entries["link-to-folder"].Size, 6u);
    EXPECT_EQ(entries["pipe"].Attributes & kAttributeSystem, kAttributeSystem);
}

// Long listings are stat'ed by two threads; what comes out must not depend on it.
TEST(LinuxFolderSource, TwoThreadsDescribeALongFolderExactlyAsOneDoes) {
    test::TempTree tree;
    for (int i = 0; i < 5000; ++i)
        tree.File("f" + std::to_string(i), static_cast<std::uint64_t>(i % 977));
    for (int i = 0; i < 20; ++i)
        tree.Folder("d" + std::to_string(i));
    const auto describe = [&](LinuxFolderSource::Threads threads) {
        LinuxFolderSource source(threads);
        auto root = source.OpenRoot(tree.Root() + "/");
        std::vector<std::string> lines;
        FolderEntry entry;
        while (root->Next(entry)) {
            lines.push_back(std::string(entry.Name) + " " + std::to_string(entry.Size) + " " +
                            std::to_string(entry.IsFolder) + " " +
                            std::to_string(entry.Attributes));
        }
        return lines;
    };
    const auto one = describe(LinuxFolderSource::Threads::One);
    EXPECT_EQ(one.size(), 5020u);
    for (int round = 0; round < 5; ++round)
        EXPECT_EQ(describe(LinuxFolderSource::Threads::Two), one);
}

TEST(LinuxFolderSource, AListingLeftHalfReadIsTakenBackSafely) {
    test::TempTree tree;
    for (int i = 0; i < 5000; ++i)
        tree.File("f" + std::to_string(i), 1);
    tree.File("sub/a", 1);
    LinuxFolderSource source;
    for (int round = 0; round < 20; ++round) {
        auto root = source.OpenRoot(tree.Root() + "/");
        FolderEntry entry;
        for (int i = 0; i < round * 50 && root->Next(entry); ++i) {
        }
    }
}

TEST(LinuxFolderSource, AFolderThatIsAMountPointIsNotEntered) {
    struct statfs fs;
    if (statfs("/proc", &fs) != 0 || fs.f_type != 0x9fa0) GTEST_SKIP() << "no /proc mounted";
    LinuxFolderSource source;
    auto root = source.OpenRoot("/");
    ASSERT_TRUE(root);
    FolderEntry entry;
    while (root->Next(entry) && entry.Name != "proc") {
    }
    ASSERT_EQ(entry.Name, "proc");
    EXPECT_TRUE(entry.IsFolder);
    EXPECT_EQ(root->OpenChild("/proc/"), nullptr);
}

TEST(LinuxFolderSource, MissingRootsAndFilesCannotBeOpened) {
    test::TempTree tree;
    LinuxFolderSource source;
    EXPECT_EQ(source.OpenRoot(tree.Path("missing/")), nullptr);
    EXPECT_EQ(source.OpenRoot(tree.File("file", 1) + "/"), nullptr);
}

// Makes a chain of `depth` folders named `name` below root, with `files` empty files beside
// each and one file "bottom" at the end; done relative to open folders, since the full path
// may be too long for the system.
void MakeChain(const std::string& root, const std::string& name, int depth, int files = 0) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    for (int i = 0; i < depth; ++i) {
        for (int f = 0; f < files; ++f) {
            const int file =
                openat(fd, ("f" + std::to_string(f)).c_str(), O_WRONLY | O_CREAT, 0644);
            ASSERT_GE(file, 0);
            close(file);
        }
        ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        ASSERT_GE(next, 0);
        fd = next;
    }
    const int file = openat(fd, "bottom", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, "1234567", 7), 7);
    close(file);
    close(fd);
}

// Walks the chain as the scan does and returns how many levels could be opened.
int OpenableDepth(const std::string& root, const std::string& name, bool& foundBottom,
                  LinuxFolderSource source = LinuxFolderSource(), int* filesSeen = nullptr) {
    std::vector<std::unique_ptr<FolderHandle>> open;
    std::string path = root + "/";
    open.push_back(source.OpenRoot(path));
    foundBottom = false;
    for (;;) {
        FolderEntry entry;
        bool more;
        while ((more = open.back()->Next(entry)) && !entry.IsFolder && entry.Name != "bottom") {
            if (filesSeen) ++*filesSeen;
        }
        if (!more) return static_cast<int>(open.size()) - 1;
        if (entry.Name == "bottom") {
            foundBottom = true;
            return static_cast<int>(open.size()) - 1;
        }
        path += name + "/";
        auto child = open.back()->OpenChild(path);
        if (!child) return static_cast<int>(open.size()) - 1;
        open.push_back(std::move(child));
    }
}

TEST(LinuxFolderSource, DeepFoldersAreReadWithoutRunningOutOfDescriptors) {
    test::TempTree tree;
    MakeChain(tree.Root(), "d", 600, 10);
    int firstFiles = -1;  // the walk leaves each level at its folder: the same files every time
    for (LinuxFolderSource::Threads threads :
         {LinuxFolderSource::Threads::One, LinuxFolderSource::Threads::Two}) {
        for (int descriptors : {50, 0}) {
            // With 50 descriptors, the levels past 50 give theirs up while the walk is below.
            bool foundBottom = false;
            int files = 0;
            EXPECT_EQ(OpenableDepth(tree.Root(), "d", foundBottom,
                                    LinuxFolderSource(threads, descriptors), &files),
                      600);
            EXPECT_TRUE(foundBottom);
            EXPECT_GT(files, 600);
            if (firstFiles < 0) firstFiles = files;
            EXPECT_EQ(files, firstFiles);
        }
    }
}

TEST(LinuxFolderSource, AFolderOpensWhateverTheLengthOfItsPath) {
    test::TempTree tree;
    const std::string name(200, 'n');
    MakeChain(tree.Root(), name, 30);  // 6,000 bytes of path, more than PATH_MAX
    bool foundBottom = false;
    EXPECT_EQ(OpenableDepth(tree.Root(), name, foundBottom), 30);
    EXPECT_TRUE(foundBottom);
}

}  // namespace
}  // namespace quillet
