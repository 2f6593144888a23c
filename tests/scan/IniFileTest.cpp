#include <gtest/gtest.h>

#include "scan/IniFile.h"

namespace quillet {
namespace {

std::vector<std::string> Lines(const std::vector<IniValue>& values) {
    std::vector<std::string> lines;
    for (const IniValue& v : values)
        lines.push_back(v.Key + "=" + v.Value);
    return lines;
}

TEST(IniFile, ReadsTheKeysAndValuesOfOneSection) {
    const std::string text =
        "\xEF\xBB\xBF[First]\nA=1\n\n  [ Directories ]  \r\n"
        "; a comment\n# another\n 1 =  Program Files  \r\n2=\"  quoted  \"\nno equals sign\n"
        "3=a=b\n=nameless\n[Last]\n4=x\n";
    EXPECT_EQ(Lines(ParseIniSection(text, "directories")),
              (std::vector<std::string>{"1=Program Files", "2=  quoted  ", "3=a=b", "=nameless"}));
    EXPECT_TRUE(ParseIniSection(text, "Missing").empty());
    EXPECT_TRUE(ParseIniSection("", "Directories").empty());
    EXPECT_TRUE(ReadIniSection("/nonexistent/Excludes.ini", "Directories").empty());
}

}  // namespace
}  // namespace quillet
