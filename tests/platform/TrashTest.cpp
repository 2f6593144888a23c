#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Trash.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// The home trash is only for the home's own volume: an entry elsewhere goes to the trash at
// the top of its volume, and its info file names it from there.
TEST(Trash, AnotherVolumeKeepsItsOwnTrash) {
    test::TempTree tree;
    EXPECT_EQ(MoveToTrash(tree.Path("missing")), "No such file or directory");
    const std::string volume = tree.Folder("vol");
    if (mount("tmpfs", volume.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    const char* oldDataHome = std::getenv("XDG_DATA_HOME");
    const std::string savedDataHome = oldDataHome ? oldDataHome : "";
    setenv("XDG_DATA_HOME", tree.Path("data").c_str(), 1);

    tree.File("vol/sub/a b.txt", 10);
    EXPECT_EQ(MoveToTrash(tree.Path("vol/sub/a b.txt")), "");
    const std::string own = volume + "/.Trash-" + std::to_string(getuid());
    EXPECT_EQ(access((own + "/files/a b.txt").c_str(), F_OK), 0);
    EXPECT_EQ(test::FileContent(own + "/info/a b.txt.trashinfo")
                  .rfind("[Trash Info]\nPath=sub/a%20b.txt\n", 0),
              0u);

    // A shared, sticky .Trash made by an administrator takes precedence.
    mkdir((volume + "/.Trash").c_str(), 01777);
    chmod((volume + "/.Trash").c_str(), 01777);
    tree.File("vol/c.txt", 10);
    EXPECT_EQ(MoveToTrash(tree.Path("vol/c.txt")), "");
    const std::string shared = volume + "/.Trash/" + std::to_string(getuid());
    EXPECT_EQ(access((shared + "/files/c.txt").c_str(), F_OK), 0);
    EXPECT_EQ(
        test::FileContent(shared + "/info/c.txt.trashinfo").rfind("[Trash Info]\nPath=c.txt\n", 0),
        0u);
    EXPECT_EQ(access(tree.Path("data/Trash").c_str(), F_OK), -1) << "the home trash is not used";

    umount2(volume.c_str(), MNT_DETACH);
    setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1);
}

}  // namespace
}  // namespace quillet
