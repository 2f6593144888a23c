#include <gtest/gtest.h>

#include <fstream>

#include "base/AsciiCase.h"
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
    const ExclusionList list("\"1=system volume information\",2=temp");
    EXPECT_TRUE(list.Excludes("TEMP"));
    EXPECT_TRUE(list.Excludes("Tem")) << "a plain substring test";
    EXPECT_TRUE(list.Excludes("System Volume Information"));
    EXPECT_FALSE(list.Excludes("emp"));
    EXPECT_FALSE(list.Excludes("Temporary"));
    EXPECT_FALSE(ExclusionList("").Excludes("anything"));
}

// The prepared list must answer exactly as a search of the whole text does.
TEST(ExclusionList, AnswersAsTheSearchOfTheWholeTextDoes) {
    std::vector<IniValue> lines = {{"a", "Temp"}, {"b", "Say \"Hi\",Now"},
                                   {"c", "x=y"},  {"d", std::string(300, 'L')},
                                   {"e", ""},     {"f", "Temp"}};
    for (int i = 0; i < 2000; ++i)
        lines.push_back({std::to_string(i), "Folder " + std::to_string(i * 7)});
    const std::string text = ExclusionText(lines) + ",=";
    const ExclusionList list(text);
    std::vector<std::string> names = {"",
                                      "t",
                                      "TEMP",
                                      "temp,b",
                                      "tempo",
                                      "say \"\"hi",
                                      "y",
                                      "x=Y",
                                      "\"",
                                      ",",
                                      "folder 1",
                                      "Folder 13993",
                                      "folder 13994",
                                      "older 7",
                                      std::string(300, 'l'),
                                      std::string(256, 'L'),
                                      std::string(301, 'l'),
                                      "zzz"};
    for (int i = 0; i < 3000; i += 37)
        names.push_back("FOLDER " + std::to_string(i));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const bool inText = text.find("=" + LowerAsciiLetters(name)) != std::string::npos;
        EXPECT_EQ(list.Excludes(name), inText);
    }
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
