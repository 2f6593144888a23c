#include <gtest/gtest.h>

#include "formats/QXVersionInfo.h"
#include "formats/VersionInfoWriter.h"
#include "support/ExecutableImages.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// Writes an ELF file carrying the version block and points a reader at it.
class QXVersionInfoTest : public ::testing::Test {
protected:
    void Load(const VersionInfoContents& contents) {
        const std::string path = Tree.Path("program");
        test::WriteFile(path, test::MakeElf(true, false, WriteVersionInfo(contents)));
        Info.SetFileName(path);
    }

    test::TempTree Tree;
    TQXVersionInfo Info;
};

VersionInfoContents TwoTranslations() {
    VersionInfoContents contents;
    contents.FileVersion = {2, 0, 1, 7};
    contents.Tables.push_back({"040904E4",
                               {{"ProductName", "Quillet English"},
                                {"FileVersion", "2.0.1.7"},
                                {"Web site", "quillet.example"}}});
    contents.Tables.push_back({"040704B0", {{"ProductName", "Quillet Deutsch"}}});
    contents.Translation = TranslationValue({0x04E40409, 0x04B00407});
    return contents;
}

TEST_F(QXVersionInfoTest, AFileWithoutVersionDataAnswersNothing) {
    const std::string path = Tree.Path("plain");
    test::WriteFile(path, test::MakeElf(true, false, {}));
    Info.SetFileName(path);
    EXPECT_FALSE(Info.HasVersionData());
    EXPECT_EQ(Info.GetSelectedTranslation(), -1);
    EXPECT_EQ(Info.TranslationKey(), "");
    EXPECT_EQ(Info.ReadString("ProductName"), "");
    EXPECT_EQ(Info.ReadStandardString(9), "");
    EXPECT_EQ(Info.FixedInfo()[0], 0u);
}

TEST_F(QXVersionInfoTest, TheFirstOfTwoTranslationsIsSelectedAndReadAlone) {
    Load(TwoTranslations());
    ASSERT_TRUE(Info.HasVersionData());
    EXPECT_EQ(Info.TranslationCount(), 2);
    EXPECT_EQ(Info.GetSelectedTranslation(), 0);
    EXPECT_EQ(Info.TranslationKey(), "040904E4");
    EXPECT_EQ(Info.ReadStandardString(9), "Quillet English");
    EXPECT_EQ(Info.ReadStandardString(3), "2.0.1.7");
    EXPECT_EQ(Info.ReadString("Web site"), "quillet.example");
    EXPECT_EQ(Info.FixedInfo()[0], 0xFEEF04BDu);
    EXPECT_EQ(Info.FixedInfo()[2], 0x00020000u);
    EXPECT_EQ(Info.FixedInfo()[3], 0x00010007u);

    Info.SetSelectedTranslation(1);
    EXPECT_EQ(Info.TranslationKey(), "040704B0");
    EXPECT_EQ(Info.ReadStandardString(9), "Quillet Deutsch");
    EXPECT_EQ(Info.ReadString("Web site"), "") << "only the selected table is read";

    Info.SetSelectedTranslation(5);
    EXPECT_EQ(Info.GetSelectedTranslation(), -1);
    EXPECT_EQ(Info.TranslationKey(), "");
    EXPECT_EQ(Info.ReadStandardString(9), "");
    EXPECT_EQ(Info.ReadStandardString(12), "");
}

TEST_F(QXVersionInfoTest, ATranslationValueOfTwoBytesHoldsNoTranslation) {
    VersionInfoContents contents = TwoTranslations();
    contents.Translation = {0x09, 0x04};
    Load(contents);
    EXPECT_TRUE(Info.HasVersionData());
    EXPECT_EQ(Info.TranslationCount(), 0);
    EXPECT_EQ(Info.GetSelectedTranslation(), -1);
    EXPECT_EQ(Info.ReadString("ProductName"), "");
}

TEST_F(QXVersionInfoTest, KeysAreUpperCaseHexadecimal) {
    VersionInfoContents contents;
    contents.Tables.push_back({"0C0A04E4", {{"Comments", "upper"}}});
    contents.Translation = TranslationValue({0x04E40C0A});
    Load(contents);
    EXPECT_EQ(Info.TranslationKey(), "0C0A04E4");
    EXPECT_EQ(Info.ReadStandardString(0), "upper");
}

// The test program carries the same version data as the program, from the build.
TEST(QXVersionInfo, AnEmptyFileNameReadsTheRunningProgram) {
    const TQXVersionInfo own;
    EXPECT_NE(own.FileName(), "");
    ASSERT_TRUE(own.HasVersionData());
    EXPECT_EQ(own.TranslationKey(), "040904E4");
    EXPECT_EQ(own.ReadStandardString(9), QUILLET_PRODUCT_NAME);
    EXPECT_EQ(own.ReadStandardString(3), QUILLET_FILE_VERSION);
    EXPECT_EQ(own.ReadStandardString(0), QUILLET_RELEASE_DATE);
    EXPECT_EQ(own.ReadString("Web site"), QUILLET_WEB_SITE);
    EXPECT_NE(own.ReadStandardString(5), "");
}

}  // namespace
}  // namespace quillet
