#include <gtest/gtest.h>

#include "scan/NumberText.h"

namespace quillet {
namespace {

TEST(NumberText, RoundsExactHalvesAwayFromZero) {
    EXPECT_EQ(PlainNumberText(1.25, 1), "1.3");
    EXPECT_EQ(PlainNumberText(-1.25, 1), "-1.3");
    EXPECT_EQ(PlainNumberText(0.125, 2), "0.13");
    EXPECT_EQ(PlainNumberText(2.5, 0), "3");
    EXPECT_EQ(PlainNumberText(1.2499999, 1), "1.2");
    EXPECT_EQ(PlainNumberText(0.1, 1), "0.1") << "the nearest double of 0.1 is just above it";
    EXPECT_EQ(PlainNumberText(0.15, 1), "0.1") << "and that of 0.15 just below";
    EXPECT_EQ(PlainNumberText(999.96, 1), "1000.0");
    EXPECT_EQ(PlainNumberText(0, 5), "0.00000");
    EXPECT_EQ(PlainNumberText(1e-300, 3), "0.000");
    EXPECT_EQ(PlainNumberText(9007199254740993.0, 0), "9007199254740992");
    EXPECT_EQ(PlainNumberText(1e20, 0), "100000000000000000000");
}

TEST(NumberText, GroupsIntegerDigitsWithTheGivenPunctuation) {
    const NumberPunctuation english;
    EXPECT_EQ(GroupedNumberText(123456789, 0, english), "123,456,789");
    EXPECT_EQ(GroupedNumberText(1234.5, 1, english), "1,234.5");
    EXPECT_EQ(GroupedNumberText(999, 0, english), "999");
    EXPECT_EQ(GroupedNumberText(-1000, 2, english), "-1,000.00");
    const NumberPunctuation german{".", ",", "-"};
    EXPECT_EQ(GroupedNumberText(1234567.125, 2, german), "1.234.567,13");
}

TEST(NumberText, WritesWholeNumbersAndTheirQuotientsExactly) {
    EXPECT_EQ(PlainQuotientText(9223372036854775807, 1, 0), "9223372036854775807");
    EXPECT_EQ(PlainQuotientText(9223372036854775807, 1024, 1), "9007199254740992.0");
    EXPECT_EQ(PlainQuotientText(9223372036854774783, 1024, 1), "9007199254740991.0");
    EXPECT_EQ(PlainQuotientText(-1536, 1024, 1), "-1.5");
    EXPECT_EQ(PlainQuotientText(1075, 1024 * 1024, 5), "0.00103") << "1.0252 thousandths";
    EXPECT_EQ(GroupedQuotientText(-9223372036854775807 - 1, 1, 0, NumberPunctuation()),
              "-9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace quillet
