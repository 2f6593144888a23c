#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Trash.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// Points the home trash into a test's tree for as long as it lives.
class DataHomeIn {
public:
    explicit DataHomeIn(const std::string& path) {
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old) Saved_ = old;
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~DataHomeIn() {
        if (Saved_.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", Saved_.c_str(), 1);
    }
    DataHomeIn(const DataHomeIn&) = delete;
    DataHomeIn& operator=(const DataHomeIn&) = delete;

private:
    std::string Saved_;
};

// A file in files/ without its info file (a crash's leftover, another program's) is never
// replaced; a name too long to take ".trashinfo" on is shortened in the trash, while its
// info file still names the whole original.
TEST(Trash, NeverReplacesAndShortensLongNames) {
    test::TempTree tree;
    const DataHomeIn dataHome(tree.Path("data"));
    const std::string trash = tree.Path("data/Trash");

    const std::string orphan = tree.Folder("data/Trash/files") + "/report.txt";
    std::ofstream(orphan, std::ios::binary) << "left behind\n";
    tree.File("report.txt", 10);
    EXPECT_EQ(MoveToTrash(tree.Path("report.txt")), "");
    EXPECT_EQ(test::FileContent(orphan), "left behind\n");
    EXPECT_EQ(access((trash + "/info/report.txt.trashinfo").c_str(), F_OK), -1);
    EXPECT_EQ(test::FileContent(trash + "/files/report.txt.2"), "qqqqqqqqqq");
    EXPECT_EQ(test::FileContent(trash + "/info/report.txt.2.trashinfo")
                  .rfind("[Trash Info]\nPath=" + tree.Path("report.txt") + "\n", 0),
              0u);

    std::string longName;
    std::string escapedName;
    while (longName.size() < 246) {
        longName += "\xC3\xA9";  // é
        escapedName += "%C3%A9";
    }
    longName += ".txt";
    escapedName += ".txt";
    ASSERT_EQ(longName.size(), 250u);
    tree.File(longName, 7);
    EXPECT_EQ(MoveToTrash(tree.Path(longName)), "");
    EXPECT_EQ(access(tree.Path(longName).c_str(), F_OK), -1);
    std::string shortName;
    for (const auto& info : std::filesystem::directory_iterator(trash + "/info")) {
        const std::string content = test::FileContent(info.path().string());
        if (content.rfind("[Trash Info]\nPath=" + tree.Root() + "/" + escapedName + "\n", 0) == 0)
            shortName = info.path().stem().string();
    }
    ASSERT_FALSE(shortName.empty()) << "no info file names the whole original path";
    EXPECT_LE(shortName.size() + 10, 255u);
    EXPECT_EQ(shortName.substr(shortName.size() - 4), ".txt");
    // Only whole characters are kept: a run of é at the start, and none cut after it.
    const auto kept = shortName.find_first_not_of("\xC3\xA9");
    EXPECT_GT(kept, 0u);
    EXPECT_EQ(kept % 2, 0u);
    EXPECT_EQ(shortName.substr(0, kept), longName.substr(0, kept));
    EXPECT_EQ(shortName.find_first_of("\xC3\xA9", kept), std::string::npos);
    EXPECT_EQ(test::FileContent(trash + "/files/" + shortName), "qqqqqqq");
}

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
