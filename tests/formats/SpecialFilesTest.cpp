#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "formats/VersionResource.h"
#include "platform/FileWriting.h"
#include "scan/IniFile.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// A named pipe with no writer makes a plain open wait for ever: each of these would hang.
TEST(SpecialFiles, APipeIsNeitherWaitedOnNorReplaced) {
    test::TempTree tree;
    const std::string pipe = tree.Path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& path : {pipe, tree.Link("link", pipe)}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(ReadFileVersionInfo(path).empty());
        EXPECT_TRUE(ReadIniSection(path, "Directories").empty());
        const WriteOutcome saved = WriteWholeFile(path, "1.0   a\r\n");
        EXPECT_EQ(saved.Outcome, WriteOutcome::CannotCreate);
        EXPECT_EQ(saved.SystemText, "Not a regular file");
    }
    struct stat st;
    ASSERT_EQ(lstat(pipe.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(lstat(tree.Path("link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // Of an INI file, only the first MiB counts.
    std::ofstream(tree.Path("Excludes.ini"))
        << "[Directories]\n1=Early\n;" << std::string(kMaxIniFileBytes, 'x') << "\n2=Late\n";
    const auto values = ReadIniSection(tree.Path("Excludes.ini"), "Directories");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].Value, "Early");
}

}  // namespace
}  // namespace quillet
