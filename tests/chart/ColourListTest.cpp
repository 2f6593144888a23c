#include <gtest/gtest.h>

#include "chart/ColourList.h"

namespace quillet {
namespace {

constexpr const char* kDefaultText = "$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF";

TEST(ColourList, WritesTheSlotsInUseAsEightDigitHex) {
    TColourList colours;
    EXPECT_EQ(ColourListText(colours), kDefaultText);
    colours.NumColours = 8;
    colours.Slots[7] = 0x12AB;
    EXPECT_EQ(ColourListText(colours), std::string(kDefaultText) + ",$00FFFFFF,$000012AB");
    colours.NumColours = 0;
    EXPECT_EQ(ColourListText(colours), "");
}

TEST(ColourList, ReadsShortHexAndGivesTheSameColoursBack) {
    TColourList colours;
    colours.Slots.fill(0);
    ASSERT_TRUE(ReadColourListText("$E0E0FF,$E0FFFF,$E0FFE0,$FFFFE0,$FFE0E0,$FFE0FF", colours));
    EXPECT_EQ(ColourListText(colours), kDefaultText);
    ASSERT_TRUE(ReadColourListText(ColourListText(colours), colours));
    EXPECT_EQ(ColourListText(colours), kDefaultText);
}

TEST(ColourList, TakesAtMostEightItemsSplitByCommasOrBlanks) {
    TColourList colours;
    ASSERT_TRUE(ReadColourListText("1,2,3,4,5,6,7,8,9", colours));
    EXPECT_EQ(colours.NumColours, 8);
    EXPECT_EQ(colours.Slots[7], 8u);
    ASSERT_TRUE(ReadColourListText("$E0E0FF, $E0FFFF", colours));
    EXPECT_EQ(colours.NumColours, 2);
    ASSERT_TRUE(ReadColourListText("  $E0E0FF $E0FFFF\t", colours));
    EXPECT_EQ(colours.NumColours, 2);
    EXPECT_EQ(colours.Slots[1], 0x00E0FFFFu);
    ASSERT_TRUE(ReadColourListText("\"$FF\",\"1\"", colours));
    EXPECT_EQ(colours.Slots[0], 0xFFu);
    ASSERT_TRUE(ReadColourListText("", colours));
    EXPECT_EQ(colours.NumColours, 0) << "an empty text has no items";
}

TEST(ColourList, StopsAtTheFirstBadItemLeavingEarlierSlotsWritten) {
    for (const char* text : {"$E0E0FF,,$E0FFFF", "$E0E0FF,", "$E0E0FF,red,$E0FFFF"}) {
        TColourList colours;
        colours.Slots[1] = 0x123456;
        EXPECT_FALSE(ReadColourListText(text, colours)) << text;
        EXPECT_EQ(colours.NumColours, 0) << text;
        EXPECT_EQ(colours.Slots[0], 0x00E0E0FFu) << text;
        EXPECT_EQ(colours.Slots[1], 0x123456u) << "the bad slot keeps its value: " << text;
    }
}

TEST(ColourList, AcceptsDecimalAndEveryHexMarkerWithASign) {
    const std::vector<std::pair<const char*, std::int32_t>> good = {{"$FF", 255},
                                                                    {"xff", 255},
                                                                    {"XFF", 255},
                                                                    {"0xFf", 255},
                                                                    {"0X10", 16},
                                                                    {"255", 255},
                                                                    {"+16", 16},
                                                                    {"-1", -1},
                                                                    {"$FFFFFFFF", -1},
                                                                    {" 7", 7},
                                                                    {"-2147483648", INT32_MIN}};
    for (const auto& [item, value] : good) {
        const auto read = ReadColourItem(item);
        ASSERT_TRUE(read) << item;
        EXPECT_EQ(*read, value) << item;
    }
    for (const char* bad : {"", "$", "x", "0x", "abc", "12a", "$1FFFFFFFF", "4294967295",
                            "2147483648", "1.5", "$-1", "#FF"}) {
        EXPECT_FALSE(ReadColourItem(bad)) << bad;
    }
}

}  // namespace
}  // namespace quillet
