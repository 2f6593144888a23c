#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "formats/VersionInfoWriter.h"
#include "formats/VersionResource.h"
#include "support/ExecutableImages.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

using test::ByteVector;

ByteVector SampleBlock(const std::string& product = "Sample product") {
    VersionInfoContents contents;
    contents.FileVersion = {1, 2, 3, 4};
    contents.Tables.push_back(
        {"040904E4", {{"ProductName", product}, {"Web site", "example.org"}}});
    contents.Translation = TranslationValue({0x04E40409});
    return WriteVersionInfo(contents);
}

std::string Text(const ByteVector& block, std::string_view path) {
    const auto value = QueryVersionValue(block, path);
    return value ? VersionText(*value) : "<none>";
}

TEST(VersionResource, AnswersQueriesAsTheWindowsCallDoes) {
    const ByteVector block = SampleBlock("Caf\xC3\xA9 \xF0\x9F\x98\x80");
    const auto fixed = QueryVersionValue(block, "\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->Bytes.size(), 52u);
    EXPECT_EQ(
        fixed->Bytes[0] | fixed->Bytes[1] << 8 | fixed->Bytes[2] << 16 | fixed->Bytes[3] << 24,
        0xFEEF04BD);
    const auto translation = QueryVersionValue(block, "\\VarFileInfo\\Translation");
    ASSERT_TRUE(translation);
    EXPECT_EQ(ByteVector(translation->Bytes.begin(), translation->Bytes.end()),
              (ByteVector{0x09, 0x04, 0xE4, 0x04}));
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\ProductName"),
              "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(Text(block, "\\stringfileinfo\\040904e4\\PRODUCTNAME"),
              "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\Web site"), "example.org");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\Missing"), "<none>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\\\ProductName"), "<none>");
    EXPECT_FALSE(QueryVersionValue({}, "\\"));
}

TEST(VersionResource, FindsTheBlockInPeAndElfFiles) {
    const ByteVector block = SampleBlock();
    EXPECT_EQ(FindVersionInfo(test::MakePe(false, {{0x409, block}})), block);
    EXPECT_EQ(FindVersionInfo(test::MakePe(true, {{0x409, block}})), block);
    EXPECT_EQ(FindVersionInfo(test::MakeElf(true, false, block)), block);
    EXPECT_EQ(FindVersionInfo(test::MakeElf(false, false, block)), block);
    EXPECT_EQ(FindVersionInfo(test::MakeElf(false, true, block)), block);
    EXPECT_EQ(FindVersionInfo(test::MakeElf(true, true, block)), block);
}

TEST(VersionResource, PrefersNeutralThenEnglishAmongLanguages) {
    const ByteVector arabic = SampleBlock("arabic"), english = SampleBlock("english");
    const ByteVector neutral = SampleBlock("neutral");
    EXPECT_EQ(FindVersionInfo(test::MakePe(true, {{0x401, arabic}, {0x409, english}})), english);
    EXPECT_EQ(FindVersionInfo(test::MakePe(true, {{0x409, english}, {0, neutral}})), neutral);
    EXPECT_EQ(FindVersionInfo(test::MakePe(true, {{0x401, arabic}, {0x407, english}})), arabic);
}

TEST(VersionResource, FilesWithoutVersionDataGiveNothing) {
    EXPECT_TRUE(FindVersionInfo(test::MakePe(false, {})).empty());
    EXPECT_TRUE(FindVersionInfo(test::MakePeWithoutResources()).empty());
    EXPECT_TRUE(FindVersionInfo(test::MakeElf(true, false, {})).empty());
    EXPECT_TRUE(FindVersionInfo(ByteVector{'M', 'Z'}).empty());
    EXPECT_TRUE(FindVersionInfo(ByteVector{}).empty());
    EXPECT_TRUE(ReadFileVersionInfo("/nonexistent/file.exe").empty());
    EXPECT_EQ(FileVersionInfoSize("/nonexistent/file.exe"), 0u);
}

TEST(VersionResource, TruncatedFilesGiveNothingOrTheWholeBlock) {
    const ByteVector block = SampleBlock();
    for (const ByteVector& file :
         {test::MakePe(false, {{0x409, block}}), test::MakePe(true, {{0x409, block}}),
          test::MakeElf(true, false, block), test::MakeElf(false, true, block)}) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            const ByteVector found = FindVersionInfo(std::span(file).first(length));
            ASSERT_TRUE(found.empty() || found == block) << "at length " << length;
        }
    }
    for (std::size_t length = 0; length < block.size(); ++length) {
        const ByteVector cut(block.begin(), block.begin() + static_cast<long>(length));
        Text(cut, "\\StringFileInfo\\040904E4\\ProductName");  // must not read past the end
    }
}

TEST(VersionResource, CorruptedFilesNeverCrashTheReader) {
    std::mt19937 random(11);
    const ByteVector block = SampleBlock();
    for (const ByteVector& original :
         {test::MakePe(true, {{0x409, block}}), test::MakeElf(true, false, block)}) {
        for (int round = 0; round < 3000; ++round) {
            ByteVector file = original;
            for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips) {
                file[random() % file.size()] = static_cast<std::uint8_t>(random());
            }
            const ByteVector found = FindVersionInfo(file);
            Text(found, "\\StringFileInfo\\040904E4\\ProductName");
            Text(found, "\\VarFileInfo\\Translation");
        }
    }
}

TEST(VersionResource, AResourceDirectoryPointingAtItselfEndsTheSearch) {
    ByteVector file = test::MakePe(false, {{0x409, SampleBlock()}});
    // The type directory's entry now names the type directory itself.
    const std::size_t entryTarget = 0x200 + 20;
    file[entryTarget] = 0, file[entryTarget + 1] = 0, file[entryTarget + 2] = 0,
    file[entryTarget + 3] = 0x80;
    EXPECT_TRUE(FindVersionInfo(file).empty());
}

TEST(VersionResource, ReadsTheFileOnDisk) {
    test::TempTree tree;
    const ByteVector block = SampleBlock();
    test::WriteFile(tree.Path("program.exe"), test::MakePe(true, {{0x409, block}}));
    EXPECT_EQ(ReadFileVersionInfo(tree.Path("program.exe")), block);
    EXPECT_EQ(FileVersionInfoSize(tree.Path("program.exe")), block.size());
}

// Windows programs shipped by Debian packages (wine, mingw-w64) as the real thing.
TEST(VersionResource, ReadsRealWindowsFilesWhenThereAreAny) {
    std::vector<std::filesystem::path> files;
    for (const char* folder :
         {"/usr/lib/x86_64-linux-gnu/wine", "/usr/lib/i386-linux-gnu/wine", "/usr/lib/wine",
          "/usr/x86_64-w64-mingw32", "/usr/i686-w64-mingw32"}) {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            const std::string ext = it->path().extension().string();
            if (it->is_regular_file() && (ext == ".dll" || ext == ".exe"))
                files.push_back(it->path());
        }
    }
    if (files.empty())
        GTEST_SKIP() << "no Windows programs on this machine (install libwine to test)";

    int withVersion = 0;
    for (const auto& path : files) {
        const ByteVector block = ReadFileVersionInfo(path.string());
        if (block.empty()) continue;
        ++withVersion;
        const auto fixed = QueryVersionValue(block, "\\");
        ASSERT_TRUE(fixed && fixed->Bytes.size() == 52) << path;
        const auto word = [&](std::size_t i) {
            return fixed->Bytes[4 * i] | fixed->Bytes[4 * i + 1] << 8 |
                   fixed->Bytes[4 * i + 2] << 16 | fixed->Bytes[4 * i + 3] << 24;
        };
        EXPECT_EQ(static_cast<std::uint32_t>(word(0)), 0xFEEF04BDu) << path;
        const auto translation = QueryVersionValue(block, "\\VarFileInfo\\Translation");
        ASSERT_TRUE(translation && translation->Bytes.size() >= 4) << path;
        char key[9];
        std::snprintf(key, sizeof key, "%02X%02X%02X%02X", translation->Bytes[1],
                      translation->Bytes[0], translation->Bytes[3], translation->Bytes[2]);
        // The string table that the first translation names is there and has a version.
        const std::string version =
            Text(block, std::string("\\StringFileInfo\\") + key + "\\FileVersion");
        EXPECT_NE(version, "<none>") << path;
        EXPECT_FALSE(version.empty()) << path;
    }
    EXPECT_GT(withVersion, 0) << files.size() << " Windows programs, none with version data";
}

}  // namespace
}  // namespace quillet
