#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibDebugLog.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Spreadsheet, KeepsOnlyMarkerRowsUnchanged) {
    auto sheet = ParseSpreadsheet("name,cost\n#,a,1\r\n\nnote #,x\n#,x\n#last,2");
    ASSERT_EQ(sheet->rows.size(), 3u);
    EXPECT_EQ(sheet->rows[0], "#,a,1\n");  // CR LF reads as a line feed
    EXPECT_EQ(sheet->rows[1], "#,x\n");
    EXPECT_EQ(sheet->rows[2], "#last,2\n");  // a last line without its line feed still ends in one

    LibTokenizer cells(sheet->rows[1]);
    EXPECT_EQ(cells.Next(), "#");
    EXPECT_EQ(cells.NextText(), "x");
}

TEST(Spreadsheet, MissingFileIsLoggedAndEmpty) {
    TempDir dir;
    SetDebugLogPath(dir.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    EXPECT_TRUE(LoadSpreadsheet(dir.path() + "/nothing.csv")->rows.empty());
    EXPECT_TRUE(LoadSpreadsheet("x")->rows.empty());  // too short to be a path
    CloseDebugLog();
    const std::string log = ReadWholeFile(dir.path() + "/debug.txt");
    EXPECT_NE(log.find("Failed to find spreadsheet: " + dir.path() + "/nothing.csv"), std::string::npos);
    EXPECT_EQ(log.find("Failed to find spreadsheet: x\n"), std::string::npos);
    SetDebugLogPath("./debugdata/debug.txt");
}

TEST(Spreadsheet, LoadsRowsFromDisk) {
    TempDir dir;
    const std::string path = dir.Write("venues.csv", "#,name,capacity\n#,\"The Bar, Upstairs\",120\n");
    auto sheet = LoadSpreadsheet(path);
    ASSERT_EQ(sheet->rows.size(), 2u);
    LibTokenizer cells(sheet->rows[1]);
    cells.Next();
    EXPECT_EQ(cells.Next(), "The Bar, Upstairs");
    EXPECT_EQ(cells.NextInt(), 120);
}

TEST(Tokenizer, QuotesProtectSeparatorsAndVanish) {
    LibTokenizer cells("#,a,\"b,c\",d\"e\"f,");
    EXPECT_EQ(cells.Next(), "#");
    EXPECT_EQ(cells.Next(), "a");
    EXPECT_EQ(cells.Next(), "b,c");
    EXPECT_EQ(cells.Next(), "def");
    EXPECT_EQ(cells.Next(), "");
    EXPECT_TRUE(cells.AtEnd());
    EXPECT_EQ(cells.Next(), "");  // past the end every cell is empty

    LibTokenizer kept;
    kept.keepQuotes = true;
    kept.Start("\"x,y\",z");
    EXPECT_EQ(kept.Next(), "\"x,y\"");
}

TEST(Tokenizer, ShortRowsAndOddCellsReadAsZero) {
    LibTokenizer cells("#,12abc, -7 ,0.25\n");
    cells.Next();
    EXPECT_EQ(cells.NextInt(), 12);
    EXPECT_EQ(cells.NextInt(), -7);
    EXPECT_FLOAT_EQ(cells.NextFloat(), 0.25f);
    EXPECT_EQ(cells.NextInt(), 0);
    EXPECT_FLOAT_EQ(cells.NextFloat(), 0.0f);
    EXPECT_EQ(cells.NextText(), "");

    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("inf"), 0.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("nan"), 0.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("1e39"), 0.0f);  // beyond a float, like "inf"
    EXPECT_FLOAT_EQ(ParseLeadingFloat("-1e39"), 0.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("0x10"), 0.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("  1e2x"), 100.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat(".5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("-.5"), -0.5f);
}

class ConfigFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string Write(const std::string& text) { return dir.Write("config.txt", text); }
};

TEST_F(ConfigFile, ReadsValuesWithProfileRules) {
    const std::string file = Write(
        "[other]\nA=wrong\n"
        "[Config]\n"
        "  RS_A = 0.5  \n"
        "/RS_COMMENT=1\n"
        "; an ini comment\n"
        "RS_EQ=a=b\n"
        "RS_QUOTED=\"12\"\n"
        "RS_ESCAPED=\\\"x\\\\y\n"
        "RS_A=0.75\n"
        "NOEQUALS\n"
        "RS_TEXT=abc\n"
        "[config]\nRS_LATER=1\n");
    LibConfigSection section;
    section.Load("config", file);
    EXPECT_EQ(section.Find("RS_A"), "0.5");  // first match wins
    EXPECT_EQ(section.Find("/RS_COMMENT"), "");
    EXPECT_EQ(section.Find("RS_EQ"), "a=b");
    EXPECT_EQ(section.Find("RS_QUOTED"), "12");
    EXPECT_EQ(section.Find("RS_ESCAPED"), "\"x\\y");
    EXPECT_EQ(section.Find("rs_a"), "");  // keys compare case-sensitively
    EXPECT_EQ(section.Find("RS_LATER"), "");  // only the first section of a name counts
    EXPECT_EQ(section.Find("NOEQUALS"), "");
    EXPECT_FLOAT_EQ(section.GetFloat("RS_QUOTED", 3.0f), 12.0f);
    EXPECT_FLOAT_EQ(section.GetFloat("RS_TEXT", 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(section.GetFloat("RS_MISSING", 3.0f), 3.0f);
    EXPECT_EQ(section.SectionName(), "config");

    section.keepQuotes = true;
    section.Load("config", file);
    EXPECT_EQ(section.Find("RS_QUOTED"), "\"12\"");
}

TEST_F(ConfigFile, MissingFileOrSectionHasNoEntries) {
    LibConfigSection section;
    section.Load("config", dir.path() + "/absent.txt");
    EXPECT_TRUE(section.Entries().empty());
    section.Load("absent", Write("[config]\nA=1\n"));
    EXPECT_TRUE(section.Entries().empty());
}

TEST_F(ConfigFile, LongKeysAndValuesAreCutAndHugeSectionsStop) {
    const std::string longKey(300, 'K'), longValue(3000, 'v');
    LibConfigSection section;
    section.Load("config", Write("[config]\n" + longKey + "=" + longValue + "\n"));
    ASSERT_EQ(section.Entries().size(), 1u);
    EXPECT_EQ(section.Entries()[0].key.size(), 255u);
    EXPECT_EQ(section.Entries()[0].value.size(), 2047u);

    std::string big = "[config]\n";
    for (int i = 0; i < 20000; ++i) big += "KEY" + std::to_string(i) + "=1\n";
    const auto lines = ReadProfileSection("config", Write(big));
    std::size_t total = 0;
    for (const auto& line : lines) total += line.size() + 1;
    EXPECT_LT(lines.size(), 20000u);
    EXPECT_LE(total + 1, 128000u);
}

TEST_F(ConfigFile, WritesKeepOtherLinesAndAddWhatIsMissing) {
    const std::string file = Write("[pref]\nColorDepth=32\n\n[config]\nIsWindowed=1\nUseRGB=0\n");
    ASSERT_TRUE(WriteProfileInt("config", "iswindowed", 0, file));
    ASSERT_TRUE(WriteProfileInt("config", "SafeMode", 1, file));
    ASSERT_TRUE(WriteProfileString("new", "Key", "v", file));
    EXPECT_EQ(ReadWholeFile(file),
              "[pref]\nColorDepth=32\n\n[config]\niswindowed=0\nUseRGB=0\nSafeMode=1\n[new]\nKey=v\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));

    ASSERT_TRUE(WriteProfileInt("config", "IsWindowed", -3, dir.path() + "/fresh.muf"));
    EXPECT_EQ(ReadWholeFile(dir.path() + "/fresh.muf"), "[config]\nIsWindowed=-3\n");
    EXPECT_FALSE(WriteProfileInt("config", "A", 1, dir.path() + "/no/such/folder/x.ini"));
}

TEST_F(ConfigFile, TuningValuesReadAtEveryCall) {
    const std::string file = Write("[config]\nSLEEP_DURATION=5\nRS_NOT_A_NUMBER=abc\n");
    LoadTuningTable(file);
    EXPECT_FLOAT_EQ(GetTuningValue("SLEEP_DURATION"), 5.0f);
    EXPECT_FLOAT_EQ(GetTuningValue("RS_NOT_A_NUMBER"), 0.0f);
    EXPECT_FLOAT_EQ(GetTuningValue("RS_MISSING"), 0.0f);
    TuningTable().Clear();
    EXPECT_FLOAT_EQ(GetTuningValue("SLEEP_DURATION"), 0.0f);
}

class StringsFile : public ::testing::Test {
protected:
    TempDir dir;
    void TearDown() override { SetStringsFile(kStringsFile); }
    void Use(const std::string& text) { SetStringsFile(dir.Write("strings.ini", text)); }
};

TEST_F(StringsFile, KeysLoseWhitespaceAndEscapesKeepSpecialCharacters) {
    Use("[strings]\n"
        "MENU START = Start the show\n"
        "EQUALS=a=b\n"
        "ESCAPED=a\\=b and \\\"quoted\\\"\n"
        "ARMED=\\xyz=q\n"
        "EMPTY=\n"
        "Case=lower\n"
        "CASE=upper\n"
        "DUP=first\nDUP=second\n"
        "/NOTE=translators' remark\n"
        " // heading line\n");
    EXPECT_EQ(Translate("MENUSTART"), "Start the show");
    EXPECT_EQ(Translate("EQUALS"), "ab");
    EXPECT_EQ(Translate("ESCAPED"), "a=b and \"quoted\"");
    EXPECT_EQ(Translate("ARMED"), "xyz=q");  // the mark waits for the next special character
    EXPECT_EQ(Translate("EMPTY"), "EMPTY");
    EXPECT_EQ(Translate("MISSING_KEY"), "MISSING_KEY");
    EXPECT_EQ(Translate("Case"), "lower");  // same bucket, exact comparison
    EXPECT_EQ(Translate("CASE"), "upper");
    EXPECT_EQ(Translate("case"), "case");
    EXPECT_EQ(Translate("DUP"), "first");
    EXPECT_EQ(Translate("/NOTE"), "/NOTE");  // comment lines hold no texts
    EXPECT_EQ(StringTable().Count(), 9u);
}

TEST(HashTable, BucketsFollowFirstAndLastLetters) {
    EXPECT_EQ(GHashTable::Bucket("a"), 0);
    EXPECT_EQ(GHashTable::Bucket("AZ"), 25);
    EXPECT_EQ(GHashTable::Bucket("zz"), 50);
    EXPECT_EQ(GHashTable::Bucket("Zz"), 50);
    EXPECT_EQ(GHashTable::Bucket("A_1"), 26);
    EXPECT_EQ(GHashTable::Bucket("_1"), 52);
    EXPECT_EQ(GHashTable::Bucket(""), 52);
    EXPECT_EQ(GHashTable::Bucket("\xE9\xFF"), 52);  // bytes above 127 are not letters
}

TEST_F(StringsFile, NumberedSectionsPickByFractionAndAtRandom) {
    Use("[strings]\nA=1\n[MonthNames]\n2=March\n0=January\n1=February\n[empty]\n");
    EXPECT_EQ(TranslatePick(0.0f, "MonthNames"), "January");
    EXPECT_EQ(TranslatePick(0.5f, "MonthNames"), "February");
    EXPECT_EQ(TranslatePick(1.0f, "MonthNames"), "March");
    EXPECT_EQ(TranslatePick(7.0f, "MonthNames"), "March");
    EXPECT_EQ(TranslatePick(-1.0f, "MonthNames"), "January");
    EXPECT_EQ(TranslatePick(0.5f, "empty"), "");

    SeedRandom(4);
    const int expected = RandomInt() % 3;
    SeedRandom(4);
    const char* names[] = {"January", "February", "March"};
    EXPECT_EQ(TranslateRandom("MonthNames"), names[expected]);

    TempDir logDir;
    SetDebugLogPath(logDir.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    EXPECT_EQ(TranslateRandom("no_such_section"), "");
    CloseDebugLog();
    SetDebugLogPath("./debugdata/debug.txt");
    EXPECT_NE(ReadWholeFile(logDir.path() + "/debug.txt").find("WARNING - No random translation keys found"),
              std::string::npos);
}

TEST_F(StringsFile, SectionsAreReadFromDiskOnce) {
    Use("[tips]\n0=old\n");
    const std::string file = dir.path() + "/strings.ini";
    EXPECT_EQ(CachedSection("tips", file).Find("0"), "old");
    dir.Write("strings.ini", "[tips]\n0=new\n");
    EXPECT_EQ(CachedSection("tips", file).Find("0"), "old");
    ClearTranslations();
    EXPECT_EQ(CachedSection("tips", file).Find("0"), "new");
}
