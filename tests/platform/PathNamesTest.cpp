#include "platform/PathNames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(PathNames, AScanRootIsTheFolderTheSystemReaches) {
    test::TempTree tree;
    tree.Folder("target/sub");
    tree.Folder("other");
    tree.Link("other/lnk", "../target/sub");
    char real[PATH_MAX];
    ASSERT_TRUE(realpath(tree.Root().c_str(), real));
    const std::string root = real;

    // Up from a link goes to the parent of its target, as ls lnk/.. lists it.
    EXPECT_EQ(AbsoluteFolderPath(root + "/other/lnk/.."), root + "/target");
    EXPECT_EQ(AbsoluteFolderPath(root + "/other/lnk/../sub/./"), root + "/target/sub");
    // Without "..", the names are kept as written, links among them.
    EXPECT_EQ(AbsoluteFolderPath(root + "//other/./lnk/"), root + "/other/lnk");
    EXPECT_EQ(AbsoluteFolderPath("/"), "/");
    EXPECT_EQ(AbsoluteFolderPath("/.."), "/");

    char saved[PATH_MAX];
    ASSERT_TRUE(getcwd(saved, sizeof saved));
    ASSERT_EQ(chdir((root + "/other").c_str()), 0);
    const std::string fromLink = AbsoluteFolderPath("lnk/..");
    const std::string here = AbsoluteFolderPath("");
    const std::string plain = AbsoluteFolderPath("lnk");
    const std::string missing = AbsoluteFolderPath("missing/..");
    ASSERT_EQ(chdir(saved), 0);
    EXPECT_EQ(fromLink, root + "/target");
    EXPECT_EQ(here, root + "/other");
    EXPECT_EQ(plain, root + "/other/lnk");
    // A path the system cannot resolve stays as written, and says why it cannot be listed.
    EXPECT_EQ(missing, root + "/other/missing/..");
    EXPECT_FALSE(FolderAccessError(missing).empty());
}

}  // namespace
}  // namespace quillet
