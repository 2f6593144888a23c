#include <gtest/gtest.h>

#include "platform/ExcludesFolder.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(ExcludesFolder, BesideTheProgramFirstThenTheXdgConfigFoldersInOrder) {
    test::TempTree tree;
    const std::string program = tree.Folder("program");
    const std::string home = tree.Folder("home");
    const std::string user = tree.Folder("user-config");
    const std::string first = tree.Folder("first");
    const std::string second = tree.Folder("second");
    ExcludesSearch search{program, user, home, "relative/skipped:" + first + "::" + second};

    // No file anywhere: the user's own folder, where one would be made.
    EXPECT_EQ(FindExcludesFolder(search), user + "/corvane");
    tree.File("second/corvane/Excludes.ini", 0);
    EXPECT_EQ(FindExcludesFolder(search), second + "/corvane");
    tree.File("first/corvane/Excludes.ini", 0);
    EXPECT_EQ(FindExcludesFolder(search), first + "/corvane");
    tree.File("user-config/corvane/Excludes.ini", 0);
    EXPECT_EQ(FindExcludesFolder(search), user + "/corvane");
    tree.File("program/Excludes.ini", 0);
    EXPECT_EQ(FindExcludesFolder(search), program);

    // An unset or relative XDG_CONFIG_HOME means ~/.config; a folder of that name is no file.
    tree.Folder("home/.config/corvane/Excludes.ini");
    EXPECT_EQ(FindExcludesFolder({"", "relative", home, tree.Path("none")}),
              home + "/.config/corvane");
    tree.File("system/corvane/Excludes.ini", 0);
    EXPECT_EQ(FindExcludesFolder({"", "", home, tree.Path("system")}), tree.Path("system/corvane"));
}

}  // namespace
}  // namespace quillet
