#include "LibGeometry.h"
#include "LibRandom.h"
#include "LibString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <set>
#include <utility>
#include <vector>

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

namespace {
// Every character the bitmap fonts hold: its Unicode number and its font cell.
std::vector<std::pair<char32_t, unsigned char>> FontCharacters() {
    std::vector<std::pair<char32_t, unsigned char>> all;
    for (char32_t c = 0x20; c <= 0x7E; ++c) all.emplace_back(c, static_cast<unsigned char>(c));
    const std::pair<char32_t, unsigned char> extra[] = {{0x00A3, 0xA3}, {0x20AC, 0x80}, {0x00DF, 0xDF},
                                                        {0x00E4, 0xE4}, {0x00EB, 0xEB}, {0x00F6, 0xF6},
                                                        {0x00FC, 0xFC}, {0x00C4, 0xC4}, {0x00CB, 0xCB},
                                                        {0x00D6, 0xD6}, {0x00DC, 0xDC}};
    all.insert(all.end(), std::begin(extra), std::end(extra));
    return all;
}

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}
}  // namespace

TEST(FontText, KeepsWhatTheFontsHoldAndDropsTheRest) {
    for (const auto& [c, cell] : FontCharacters())
        EXPECT_EQ(FontTextFromUtf8(Utf8(c)), std::string(1, static_cast<char>(cell))) << std::hex << static_cast<std::uint32_t>(c);
    EXPECT_EQ(FontTextFromUtf8("100% M\xC3\xB6tley \xC2\xA3" "5"), "100% M\xF6tley \xA3" "5");
    // Letters the fonts lack (e acute, n tilde, a Cyrillic letter, an emoji), controls and DEL.
    EXPECT_EQ(FontTextFromUtf8("caf\xC3\xA9 ma\xC3\xB1" "ana \xD0\x96\xF0\x9F\x8E\xB8\t\n\r\x7F!"), "caf maana !");
    // Latin-1 numbers that Windows-1252 gives other characters are not taken for them.
    EXPECT_EQ(FontTextFromUtf8("\xC2\x80\xC2\x9F"), "");
}

TEST(FontText, InvalidUtf8IsDroppedWithoutHarmingWhatFollows) {
    EXPECT_EQ(FontTextFromUtf8("a\x80" "b"), "ab");                    // a stray continuation byte
    EXPECT_EQ(FontTextFromUtf8("a\xC3"), "a");                         // cut short at the end
    EXPECT_EQ(FontTextFromUtf8("\xC3" "b"), "b");                      // cut short by a letter
    EXPECT_EQ(FontTextFromUtf8("\xC1\xA1x"), "x");                     // an overlong "a"
    EXPECT_EQ(FontTextFromUtf8("\xE0\x81\xA1x"), "x");                 // overlong in three bytes
    EXPECT_EQ(FontTextFromUtf8("\xED\xA0\x80x"), "x");                 // a surrogate
    EXPECT_EQ(FontTextFromUtf8("\xF4\x90\x80\x80x"), "x");             // beyond Unicode
    EXPECT_EQ(FontTextFromUtf8("\xF8\x88\x80\x80\x80x\xFF\xFE"), "x");  // leads no text uses
    EXPECT_EQ(FontTextFromUtf8(std::string("a\0b", 3)), "ab");
}

TEST(FontText, RandomBytesGiveOnlyFontCells) {
    std::set<unsigned char> cells;
    for (const auto& [c, cell] : FontCharacters()) cells.insert(cell);
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(random() % 24, '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
        const std::string text = FontTextFromUtf8(bytes);
        ASSERT_LE(text.size(), bytes.size());
        for (unsigned char b : text) ASSERT_TRUE(cells.count(b)) << "byte " << int(b) << " from round " << round;
    }
    // Good characters among valid ones the fonts lack come through whole, in their order.
    const auto all = FontCharacters();
    for (int round = 0; round < 2000; ++round) {
        std::string typed, expected;
        for (int i = 0; i < 12; ++i) {
            if (random() % 2) {
                const auto& [c, cell] = all[random() % all.size()];
                typed += Utf8(c);
                expected += static_cast<char>(cell);
            } else {
                char32_t other = 0xA0 + random() % 0x10F000;
                if (other >= 0xD800 && other <= 0xDFFF) other = 0x4E2D;
                bool held = false;
                for (const auto& [c, cell] : all) held = held || c == other;
                if (!held) typed += Utf8(other);
            }
        }
        ASSERT_EQ(FontTextFromUtf8(typed), expected);
    }
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

TEST(Random, EntropySeedsDifferAndLeaveTheGeneratorAlone) {
    SeedRandom(77);
    std::set<std::uint32_t> seeds;
    for (int i = 0; i < 8; ++i) seeds.insert(EntropySeed());
    EXPECT_GT(seeds.size(), 1u);
    EXPECT_EQ(RandomState(), 77u);
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
