#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/FileWriting.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

mode_t Mode(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

int EntryCount(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(FileWriting, ReplacesAFileWholeOrNotAtAll) {
    test::TempTree tree;
    const std::string listing = tree.Path("Usage.txt");
    std::ofstream(listing) << "old\r\n";
    ASSERT_EQ(chmod(listing.c_str(), 0640), 0);
    EXPECT_EQ(WriteWholeFile(listing, "new\r\n").Outcome, WriteOutcome::Written);
    EXPECT_EQ(test::FileContent(listing), "new\r\n");
    EXPECT_EQ(Mode(listing), 0640u) << "the replaced file's permissions stay";

    const mode_t mask = umask(027);
    const WriteOutcome created = WriteWholeFile(tree.Path("New.txt"), "x\r\n");
    umask(mask);
    EXPECT_EQ(created.Outcome, WriteOutcome::Written);
    EXPECT_EQ(Mode(tree.Path("New.txt")), 0640u) << "a new file's mode follows the umask";

    // Through a link, the file it names is replaced and the link stays.
    const std::string link = tree.Link("Link.txt", listing);
    EXPECT_EQ(WriteWholeFile(link, "linked\r\n").Outcome, WriteOutcome::Written);
    EXPECT_EQ(test::FileContent(listing), "linked\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(EntryCount(tree.Root()), 3) << "no temporary file is left behind";

    const WriteOutcome missing = WriteWholeFile(tree.Path("gone/Usage.txt"), "x");
    EXPECT_EQ(missing.Outcome, WriteOutcome::CannotCreate);
    EXPECT_EQ(missing.SystemText, "No such file or directory");

    // A full disk: the old listing must survive a save that does not fit.
    const std::string disk = tree.Folder("disk");
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    const std::string full = disk + "/Usage.txt";
    std::ofstream(full) << "old\r\n";
    std::ofstream(disk + "/filler") << std::string(64 * 1024, 'f');  // as much as fits
    const WriteOutcome failed = WriteWholeFile(full, std::string(128 * 1024, 'n'));
    EXPECT_EQ(failed.Outcome, WriteOutcome::WriteFailed);
    EXPECT_EQ(test::FileContent(full), "old\r\n");
    EXPECT_EQ(EntryCount(disk), 2) << "the temporary file is removed";
    umount2(disk.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace quillet
