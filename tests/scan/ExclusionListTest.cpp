#include <gtest/gtest.h>

#include <fstream>

#include "scan/ExclusionList.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(ExclusionList, JoinsTheLinesAsLowerCaseCommaText) {
    const std::vector<IniValue> lines = {{"1", "System Volume Information"},
                                         {"2", "Temp"},
                                         {"3", "Say \"Hi\",Now"},
                                         {"4", "\xC3\x89T\xC3\x89"}};
    EXPECT_EQ(
        ExclusionText(lines),
        "\"1=system volume information\",2=temp,\"3=say \"\"hi\"\",now\",4=\xC3\x89t\xC3\x89");
}

TEST(ExclusionList, MatchesEqualsSignAndNameAnywhereInTheText) {
    const std::string text = "\"1=system volume information\",2=temp";
    EXPECT_TRUE(IsExcluded(text, "TEMP"));
    EXPECT_TRUE(IsExcluded(text, "Tem")) << "a plain substring test";
    EXPECT_TRUE(IsExcluded(text, "System Volume Information"));
    EXPECT_FALSE(IsExcluded(text, "emp"));
    EXPECT_FALSE(IsExcluded(text, "Temporary"));
    EXPECT_FALSE(IsExcluded("", "anything"));
}

TEST(ExclusionList, ReadsTheFileBesideTheProgramAndToleratesItsAbsenceOrDamage) {
    test::TempTree tree;
    EXPECT_EQ(ReadExclusionText(tree.Root()), "");

    std::ofstream(tree.Path("Excludes.ini"))
        << "; left out of every scan\r\n[Other]\r\n1=Skip\r\n[directories]\r\n1 = Temp\r\n"
           "garbage line\r\n2=\"Cache Files\"\r\n[\r\n3=Not Here\r\n";
    EXPECT_EQ(ReadExclusionText(tree.Root()), "1=temp,\"2=cache files\"");

    std::ofstream(tree.Path("Excludes.ini"), std::ios::trunc) << std::string("\0\xFF[=\n=", 6);
    EXPECT_EQ(ReadExclusionText(tree.Root()), "");
}

}  // namespace
}  // namespace quillet
