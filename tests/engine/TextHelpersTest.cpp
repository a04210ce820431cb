#include "LibGeometry.h"
#include "LibRandom.h"
#include "LibString.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ReplaceToken, ReplacesEveryOccurrence) {
    std::string text = "<NAME> and <NAME> meet <VENUE>";
    ReplaceToken(text, "<NAME>", "Kit");
    EXPECT_EQ(text, "Kit and Kit meet <VENUE>");
    ReplaceToken(text, "<MISSING>", "x");
    EXPECT_EQ(text, "Kit and Kit meet <VENUE>");
    ReplaceToken(text, "<VENUE>", "");
    EXPECT_EQ(text, "Kit and Kit meet ");
}

TEST(ReplaceToken, SearchesAgainFromTheStart) {
    // Removing the inner token completes an outer one, which is then replaced too.
    std::string text = "<NA<NAME>ME>!";
    ReplaceToken(text, "<NAME>", "");
    EXPECT_EQ(text, "!");
}

TEST(ReplaceToken, ReplacementHoldingItsOwnTokenFinishes) {
    std::string text = "<NAME>, <NAME>";
    ReplaceToken(text, "<NAME>", "<<NAME>>");
    EXPECT_EQ(text, "<<NAME>>, <<NAME>>");
    std::string empty;
    ReplaceToken(empty, "", "x");
    EXPECT_EQ(empty, "");
}

TEST(ReplaceToken, LongTextsAfterTheTokenSurvive) {
    std::string text = "<CASH>" + std::string(5000, 'x');
    ReplaceTokenNumber(text, "<CASH>", 1234567);
    EXPECT_EQ(text, "1,234,567" + std::string(5000, 'x'));
}

TEST(FormatThousands, GroupsDigits) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(7), "7");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1234), "1,234");
    EXPECT_EQ(FormatThousands(100000), "100,000");
    EXPECT_EQ(FormatThousands(2147483647), "2,147,483,647");
    EXPECT_EQ(FormatThousands(-1), "-1");
    EXPECT_EQ(FormatThousands(-1234), "-1,234");
    EXPECT_EQ(FormatThousands(-1000000), "-1,000,000");
    EXPECT_EQ(FormatThousands(-2147483648LL), "-2,147,483,648");
}

TEST(TextHelpers, TrimTruncateLower) {
    EXPECT_EQ(TrimTrailing("abc \r\n \n"), "abc");
    EXPECT_EQ(TrimTrailing("  abc\t"), "  abc\t");  // only spaces and line ends, only at the end
    EXPECT_EQ(TrimTrailing(" \n"), "");
    EXPECT_EQ(TruncateWithEllipsis("abcdef", 6), "abcdef");
    EXPECT_EQ(TruncateWithEllipsis("abcdefg", 6), "abcdef...");
    EXPECT_EQ(TruncateWithEllipsis("", 0), "");
    EXPECT_EQ(ToLower("MiXeD 123 \xC9"), "mixed 123 \xC9");
    EXPECT_EQ(FormatText("%s $%d", "cash", 12), "cash $12");
}

TEST(TextHelpers, ScanCodesGiveTheirCharacters) {
    const std::string digits = "1234567890";
    for (int code = 2; code <= 11; ++code) EXPECT_EQ(ScanCodeToChar(code), digits[code - 2]);
    const int keypad[] = {79, 80, 81, 75, 76, 77, 71, 72, 73, 82};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(ScanCodeToChar(keypad[i]), digits[i]);
    EXPECT_EQ(ScanCodeToChar(16), 'q');
    EXPECT_EQ(ScanCodeToChar(25), 'p');
    EXPECT_EQ(ScanCodeToChar(30), 'a');
    EXPECT_EQ(ScanCodeToChar(38), 'l');
    EXPECT_EQ(ScanCodeToChar(44), 'z');
    EXPECT_EQ(ScanCodeToChar(50), 'm');
    EXPECT_EQ(ScanCodeToChar(12), '-');
    EXPECT_EQ(ScanCodeToChar(74), '-');
    EXPECT_EQ(ScanCodeToChar(40), '\'');
    EXPECT_EQ(ScanCodeToChar(51), ',');
    EXPECT_EQ(ScanCodeToChar(52), '.');
    EXPECT_EQ(ScanCodeToChar(83), '.');
    EXPECT_EQ(ScanCodeToChar(57), ' ');
    for (int code : {0, 1, 13, 14, 26, 28, 39, 41, 53, 56, 184, 255, -1, 256, 100000})
        EXPECT_EQ(ScanCodeToChar(code), 0) << code;
}

TEST(Random, SameSeedSameSequenceInRange) {
    SeedRandom(12345);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) first.push_back(RandomInt());
    SeedRandom(12345);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(RandomInt(), first[static_cast<std::size_t>(i)]);
    for (int r : first) {
        ASSERT_GE(r, 0);
        ASSERT_LE(r, kRandomMax);
    }
    // A fixed seed gives the same numbers on every platform.
    SeedRandom(1);
    EXPECT_EQ(RandomInt(), 41);
    EXPECT_EQ(RandomInt(), 18467);
    EXPECT_EQ(RandomInt(), 6334);
}

TEST(Random, FloatAndChanceFollowTheirFormulas) {
    SeedRandom(99);
    const std::uint32_t state = RandomState();
    const int r = RandomInt();
    SetRandomState(state);
    EXPECT_FLOAT_EQ(RandomFloat(2.0f, 4.0f), 2.0f + 2.0f * static_cast<float>(r) / 32767.0f);
    SetRandomState(state);
    EXPECT_EQ(RandomChance(static_cast<float>(r) / 32767.0f), false);  // strictly below
    SetRandomState(state);
    EXPECT_EQ(RandomChance(static_cast<float>(r + 1) / 32767.0f), true);
    EXPECT_FALSE(RandomChance(0.0f));
    EXPECT_EQ(RandomIndex(0), 0);
    for (int i = 0; i < 200; ++i) {
        const int k = RandomIndex(7);
        ASSERT_TRUE(k >= 0 && k < 7);
    }
}

TEST(Geometry, DistanceAndCompassDirection) {
    EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5.0f);
    EXPECT_NEAR(Direction(10, 10, 10, 0), 0.0f, 1e-3f);    // up
    EXPECT_NEAR(Direction(10, 10, 20, 10), 90.0f, 1e-3f);  // right
    EXPECT_NEAR(Direction(10, 10, 10, 20), 180.0f, 1e-3f);
    EXPECT_NEAR(Direction(10, 10, 0, 10), 270.0f, 1e-3f);
    const float d = Direction(0, 0, -1, -1);
    EXPECT_TRUE(d >= 0.0f && d < 360.0f);
    EXPECT_NEAR(d, 315.0f, 1e-3f);
}
