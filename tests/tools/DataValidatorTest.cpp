// The data validator: what the source scan takes for keys, and what the checks find in a copy
// of the staged data with one fault put in.
#include "DataValidator.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Found(const std::string& source, ScannedKind kind) {
    std::vector<std::string> keys;
    for (const ScannedKey& key : ScanSource(source, "x.cpp"))
        if (key.kind == kind) keys.push_back(key.key);
    return keys;
}

using Keys = std::vector<std::string>;

TEST(DataKeyScan, ClassifiesKeysByTheCallThatReadsThem) {
    const std::string source = R"(
        float a = GetTuningValue(HasTrait("ambitious") ? "MUSICIAN_PROGRESS_A" : "MUSICIAN_PROGRESS");
        float b = GetTuningValue("_REHEARSAL_DEGRADE") + Tuning("RS_X");
        std::string he = Translate(male ? "HE" : "SHE");
        std::string pick = TranslateRandom(tired ? "GIG_CANCELLED_TOOTIRED" : "record companies");
        int big = 1'000; std::string grade = TranslatePick(quality, "SONG_GRADES");
        const char* const kTitles[] = {"GAMEMODE_DREAMER", "RS_STRESS_THRESHOLD"};
        std::string t = Translate(std::string(kTitles[s]) + "_TEXT");
        std::string d = Translate("COMMENT_POSSESION_DEMAND_" + kind) + FormatText("DAY_ABBV_%d", n);
        TriggerHint("new album"); if (HasTrait("lazy") && BandOwns("tour bus") && GetValue("inspiration")) {}
        player.AddAttributeEffect("stress", "a reason, not an attribute", 0.1f);
        ReplaceToken(text, "<BANDNAME>", name); ReplaceToken(text, "<not a token>", name);
        RegisterHook("practice", [] { Open("NOT_A_KEY"); });
    )";
    EXPECT_EQ(Found(source, ScannedKind::kTuning),
              (Keys{"MUSICIAN_PROGRESS_A", "MUSICIAN_PROGRESS", "_REHEARSAL_DEGRADE", "RS_X", "RS_STRESS_THRESHOLD"}));
    EXPECT_EQ(Found(source, ScannedKind::kText), (Keys{"HE", "SHE"}));
    EXPECT_EQ(Found(source, ScannedKind::kSection), (Keys{"GIG_CANCELLED_TOOTIRED", "record companies", "SONG_GRADES"}));
    EXPECT_EQ(Found(source, ScannedKind::kTextOrSection), (Keys{"GAMEMODE_DREAMER"}));
    EXPECT_EQ(Found(source, ScannedKind::kTextSuffix), (Keys{"_TEXT"}));
    EXPECT_EQ(Found(source, ScannedKind::kTextPrefix), (Keys{"COMMENT_POSSESION_DEMAND_"}));
    EXPECT_EQ(Found(source, ScannedKind::kPattern), (Keys{"DAY_ABBV_%d"}));
    EXPECT_EQ(Found(source, ScannedKind::kHint), (Keys{"new album"}));
    EXPECT_EQ(Found(source, ScannedKind::kHook), (Keys{"practice"}));
    EXPECT_EQ(Found(source, ScannedKind::kToken), (Keys{"<BANDNAME>"}));
    EXPECT_EQ(Found(source, ScannedKind::kTrait), (Keys{"ambitious", "lazy"}));
    EXPECT_EQ(Found(source, ScannedKind::kAsset), (Keys{"tour bus"}));
    EXPECT_EQ(Found(source, ScannedKind::kAttribute), (Keys{"inspiration", "stress"}));
}

TEST(DataKeyScan, LeavesCommentsTagsAndPlainWordsAlone) {
    const std::string source = "// Translate(\"IN_A_COMMENT\")\n"
                               "/* GetTuningValue(\"RS_IN_A_BLOCK\") */\n"
                               "w.Int(\"P1_SLID\", 3); std::getenv(\"XDG_CONFIG_HOME\");\n"
                               "if (type == \"LOCAL\" || name == \"band_stress\") {}\n"
                               "char c = '\"'; auto s = \"a (bracket\"; Translate(\"AFTER_QUOTE_CHAR\");\n"
                               "Translate(\"ESCAPED_\\\"QUOTE\");\n"
                               "auto r = R\"(Translate(\"IN_RAW\"))\";\n"
                               "std::string late = Translate(\"LINE_EIGHT\");\n"
                               "Log(\"LOOKS_LIKE_A_KEY\");  // not a data key\n";
    const std::vector<ScannedKey> keys = ScanSource(source, "y.cpp");
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].key, "AFTER_QUOTE_CHAR");
    EXPECT_EQ(keys[0].line, 5);
    EXPECT_EQ(keys[1].key, "ESCAPED_\"QUOTE");
    EXPECT_EQ(keys[2].key, "LINE_EIGHT");
    EXPECT_EQ(keys[2].line, 8);
    EXPECT_EQ(keys[2].file, "y.cpp");
}

TEST(DataKeyScan, TakesWholeFileNamesOnly) {
    const std::string source = R"(
        PlaySound("data/sounds/cash.ogg"); PlaySound(FormatText("data/sounds/song_match_%d.ogg", n));
        AddEntry("calendar_gig.dds"); Load("data/icon.png");
        const char* kinds[] = {".png", "_sad.jpg", "screenshot%04d.png", "*.ogg"};
    )";
    EXPECT_EQ(Found(source, ScannedKind::kSound), (Keys{"data/sounds/cash.ogg"}));
    EXPECT_EQ(Found(source, ScannedKind::kPattern), (Keys{"data/sounds/song_match_%d.ogg"}));
    EXPECT_EQ(Found(source, ScannedKind::kPicture), (Keys{"calendar_gig.dds", "data/icon.png"}));
}

// A copy of the run folder's data: the text files copied, the generated folders linked.
class StagedCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_regular_file("data/config.txt")) << "the tests run in the run folder";
        for (const char* entry : {"config.txt", "strings.ini", "icon.png", "simulation", "practice"})
            fs::copy(fs::path("data") / entry, fs::path(dir.path()) / entry, fs::copy_options::recursive);
        for (const char* entry : {"bitmaps", "sounds", "fonts"})
            fs::create_directory_symlink(fs::absolute(fs::path("data") / entry), fs::path(dir.path()) / entry);
    }
    std::string File(const std::string& name) const { return dir.path() + "/" + name; }
    void Append(const std::string& name, const std::string& text) const {
        std::string old = ReadWholeFile(File(name));
        if (!old.empty() && old.back() != '\n') old += '\n';
        dir.Write(name, old + text);
    }
    // Drops the lines that start with the text.
    void DropLines(const std::string& name, const std::string& start) const {
        std::istringstream in(ReadWholeFile(File(name)));
        std::string kept, line;
        while (std::getline(in, line))
            if (line.rfind(start, 0) != 0) kept += line + "\n";
        dir.Write(name, kept);
    }
    std::vector<std::string> Problems(const std::vector<ScannedKey>& keys = CodeDataKeys()) const {
        std::vector<std::string> lines;
        for (const DataProblem& p : ValidateData(dir.path(), keys)) lines.push_back(FormatProblem(p));
        return lines;
    }
    static bool Has(const std::vector<std::string>& problems, const std::string& part) {
        return std::any_of(problems.begin(), problems.end(),
                           [&](const std::string& p) { return p.find(part) != std::string::npos; });
    }
    static const ScannedKey& FirstOfKind(ScannedKind kind) {
        for (const ScannedKey& key : CodeDataKeys())
            if (key.kind == kind) return key;
        throw std::runtime_error("no key of that kind in the code");
    }
    TempDir dir;
};

TEST_F(StagedCopy, TheStagedDataIsClean) {
    const std::vector<std::string> problems = Problems();
    for (const std::string& p : problems) ADD_FAILURE() << p;
}

TEST_F(StagedCopy, NamesAMissingTuningTextOrSectionAndWhereTheCodeReadsIt) {
    const ScannedKey& tuning = FirstOfKind(ScannedKind::kTuning);
    const ScannedKey& text = FirstOfKind(ScannedKind::kText);
    DropLines("config.txt", tuning.key + "=");
    DropLines("strings.ini", text.key + "=");
    DropLines("strings.ini", "[REHEARSAL_COMMENT_CANCELLED]");  // its entries join the section before
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "config.txt: " + tuning.key + ": tuning value missing (used at " + tuning.file + ":"));
    EXPECT_TRUE(Has(problems, "strings.ini: " + text.key + ": text missing (used at " + text.file));
    EXPECT_TRUE(Has(problems, "strings.ini: [REHEARSAL_COMMENT_CANCELLED]: numbered section missing"));
}

TEST_F(StagedCopy, ReportsAPlaceholderNoCodeFillsInATextTheCodeShows) {
    const ScannedKey& text = FirstOfKind(ScannedKind::kText);
    std::istringstream in(ReadWholeFile(File("strings.ini")));
    std::string edited, line;
    while (std::getline(in, line))
        edited += (line.rfind(text.key + "=", 0) == 0 ? text.key + "=Hello <BANDNAME>, meet <NOBODY_FILLS_THIS>" : line) + "\n";
    dir.Write("strings.ini", edited);
    const auto problems = Problems();
    EXPECT_EQ(std::count_if(problems.begin(), problems.end(),
                            [](const std::string& p) { return p.find("<NOBODY_FILLS_THIS>") != std::string::npos; }),
              1);
    EXPECT_TRUE(Has(problems, "strings.ini: " + text.key + ": placeholder <NOBODY_FILLS_THIS> is filled by no code"));
    EXPECT_FALSE(Has(problems, "<BANDNAME>"));
}

TEST_F(StagedCopy, FindsFaultsOfTheTextFilesThemselves) {
    Append("config.txt", "RS_STRESS_THRESHOLD=0.5\nRS_BRAND_NEW=lots\n");
    // Keys appended after the last numbered section land in it, not in [strings].
    Append("strings.ini", "\n[TEST_SECTION]\n0=a\nMY_NEW_KEY=Hello\n\n[strings]\nANOTHER=Lost\n[MonthNames]\n0=Smarch\n");
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "config.txt: RS_STRESS_THRESHOLD: key given twice"));
    EXPECT_TRUE(Has(problems, "config.txt: RS_BRAND_NEW: value 'lots' is not a number"));
    EXPECT_TRUE(Has(problems, "[TEST_SECTION]: has 2 entries but no key \"1\""));
    EXPECT_TRUE(Has(problems, "[strings]: section given twice; only the first is read"));
    EXPECT_TRUE(Has(problems, "[MonthNames]: section given twice"));
}

TEST_F(StagedCopy, ChecksEveryCatalogueRowByItsColumns) {
    Append("simulation/venues.csv", "#,short venue,Short,LOCAL,0\n"
                                    "#,odd venue,Odd,NEARBY,0,0.5,1.5,lots,20,0,3,0.6,0.5,0.5,,no_such.jpg,\n");
    Append("simulation/otherbands.csv", "#,2,8,ghost band,Ghost Band,theremin solo,x,othergig_x.jpg,y,z.jpg,2\n");
    Append("simulation/auditionees.csv", "#,KAZOO,MALE,clichedlyrics,0.5,no such asset,grumpyish\n");
    Append("simulation/publicity.csv",
           "#,leaflets,x,T,publicity_flyers.jpg,t,,r,0,60,0.2,0.1,0.2,0.9,,\"wizardly,0.3\",#,\"band_nonsense,_NO_SUCH_TUNING,0.9\"\n");
    Append("simulation/hints.csv", "#,made up,Text,900,10,0,,no hook,,\n");
    Append("simulation/rehearsals.csv", "#,moon base,Moon Base,x,99,100000,200000,0,rehearsal_garage.jpg,,#\n");
    Append("simulation/quotes.csv", "#,A saying nobody said.,,\n");
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "simulation/venues.csv: row ") && Has(problems, "(short venue): has 4 cells, expected 16"));
    EXPECT_TRUE(Has(problems, "(odd venue) cell 3: 'NEARBY' is not LOCAL or DISTANT"));
    EXPECT_TRUE(Has(problems, "(odd venue) cell 7: 'lots' is not a whole number"));
    EXPECT_TRUE(Has(problems, "(odd venue) cell 15: picture 'no_such.jpg' is not staged"));
    EXPECT_TRUE(Has(problems, "(odd venue) cell 16: no picture named"));
    EXPECT_TRUE(Has(problems, "'theremin solo' is not a song element"));
    EXPECT_TRUE(Has(problems, "(ghost band) cell 10: '2' is outside 0..1"));
    EXPECT_TRUE(Has(problems, "'KAZOO' is not an instrument"));
    EXPECT_TRUE(Has(problems, "'no such asset' is not an asset"));
    EXPECT_TRUE(Has(problems, "trait 'grumpyish' is not in simulation/personalities.csv"));
    EXPECT_TRUE(Has(problems, "factor 'wizardly' is neither random"));
    EXPECT_TRUE(Has(problems, "modifier names 'band_nonsense', not a band value a modifier may change"));
    EXPECT_TRUE(Has(problems, "modifier amount '_NO_SUCH_TUNING' is missing from config.txt"));
    EXPECT_TRUE(Has(problems, "'no hook' is not a hook the game registers"));
    EXPECT_TRUE(Has(problems, "simulation/hints.csv: made up: window at 900,10 leaves the screen"));
    EXPECT_TRUE(Has(problems, "simulation/quotes.csv: row ") && Has(problems, "cell 2: empty"));
    EXPECT_TRUE(Has(problems, "simulation/rehearsals.csv: fame ranges: no venue is expected from ") &&
                Has(problems, " to 99999"));
}

TEST_F(StagedCopy, FollowsKeysBuiltFromTheCatalogues) {
    // A new element needs its phrase section; a wanted asset of a new kind needs its demand.
    Append("simulation/song_elements.csv", "#,kazoo chorus,Kazoo chorus,0,MUSIC,0.5\n");
    Append("simulation/assets.csv", "#,asset,golden kazoo,Golden Kazoo,general,Shiny.,asset_amp1.png,,50,0,0,10,,"
                                    "BAND,SELLABLE,kazoo,,\"glob_kazoo_love,0.1,0.9\",#\n");
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "strings.ini: [SONG_DESCRIPTION_KAZOO CHORUS]: numbered section missing"));
    EXPECT_TRUE(Has(problems, "strings.ini: COMMENT_POSSESION_DEMAND_KAZOO: text missing"));
    EXPECT_TRUE(Has(problems, "strings.ini: nv_glob_kazoo_love: text missing"));
}

TEST_F(StagedCopy, ReadsEachAssetKindsOwnCellsAndItsModifiers) {
    Append("simulation/assets.csv",
           "#,gizmo,mystery box,Mystery Box,general,?,asset_amp1.png,,10,0,0,0,,,,box,,#\n"
           "#,merchandise,mugs(10),Mugs,merchandise,Mugs.,asset_tshirt.png,,50,0,0,0,,,REBUYABLE,merchandise,ten,2,glob_stock_mugs,,#\n"
           "#,recorded_music,lost tapes,Lost Tapes,music,Tapes.,asset_amp1.png,,20,0,0,0,,BAND,\"REBUYABLE,SHINY\",album,"
           "yodel bridge,x,,\"inspiration,0.1,RS_STRESS_THRESHOLD\",\"stress,lots,0.9\",\"confidence,0.1,NO_SUCH_DEGRADE\",#\n"
           "#,instrument,kazoo deluxe,Kazoo Deluxe,instruments,Buzz.,asset_amp1.png,data/sounds/kazoo.ogg,90,0,0,5,,VOCALS,,vocals,1.5,,#\n");
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "(mystery box): unknown asset kind 'gizmo'"));
    EXPECT_TRUE(Has(problems, "(mugs(10)) cell 16: 'ten' is not a whole number"));
    EXPECT_TRUE(Has(problems, "(lost tapes) cell 14: unknown flag 'SHINY'"));
    EXPECT_TRUE(Has(problems, "(lost tapes) cell 16: 'yodel bridge' is not a song element"));
    EXPECT_TRUE(Has(problems, "(lost tapes): modifier 'stress,lots,0.9' has no number for its amount"));
    EXPECT_TRUE(Has(problems, "(lost tapes): modifier degrade 'NO_SUCH_DEGRADE' is missing from config.txt"));
    EXPECT_FALSE(Has(problems, "RS_STRESS_THRESHOLD")) << "a degrade may name a tuning key that exists";
    EXPECT_TRUE(Has(problems, "(kazoo deluxe) cell 7: sound 'data/sounds/kazoo.ogg' is not staged"));
    EXPECT_TRUE(Has(problems, "(kazoo deluxe) cell 16: '1.5' is outside 0..1"));
    // An instrument bought for a member earns his thanks; its key loses its blanks on the way.
    EXPECT_TRUE(Has(problems, "strings.ini: kazoodeluxe_THANKS: text missing"));
}

TEST_F(StagedCopy, KnowsWhichTextsMayBeEmptyAndHowLongASectionMayBe) {
    // An element's phrase may be empty (the element goes unmentioned); no other text may.
    Append("strings.ini", "\n[SONG_DESCRIPTION_TEST ELEMENT]\n0=\n1=its test\n[TEST_TEXTS]\n0=\n");
    auto problems = Problems();
    EXPECT_FALSE(Has(problems, "[SONG_DESCRIPTION_TEST ELEMENT]"));
    EXPECT_TRUE(Has(problems, "strings.ini: [TEST_TEXTS] 0: empty text"));
    // Texts past the first 128,000 characters of [strings] would never be read.
    const std::string all = ReadWholeFile(File("strings.ini"));
    const std::size_t after = all.find('\n', all.find("[strings]")) + 1;
    dir.Write("strings.ini", all.substr(0, after) + "LONG_TEXT=" + std::string(130000, 'a') + "\n" + all.substr(after));
    problems = Problems();
    EXPECT_TRUE(Has(problems, "strings.ini: [strings]: longer than the 128,000 characters"));
}

TEST_F(StagedCopy, RefusesAKeyBuiltAtRunTimeWithoutARule) {
    std::vector<ScannedKey> keys = CodeDataKeys();
    keys.push_back({ScannedKind::kTextPrefix, "MYSTERY_", "sim/SIM_New.cpp", 12});
    keys.push_back({ScannedKind::kHint, "no such hint", "sim/SIM_New.cpp", 13});
    keys.push_back({ScannedKind::kSound, "data/sounds/kazoo.ogg", "sim/SIM_New.cpp", 14});
    keys.push_back({ScannedKind::kTrait, "kazoophile", "sim/SIM_New.cpp", 15});
    keys.push_back({ScannedKind::kAsset, "golden kazoo", "sim/SIM_New.cpp", 16});
    const auto problems = Problems(keys);
    EXPECT_TRUE(Has(problems, "sim/SIM_New.cpp: 12: builds text prefix 'MYSTERY_' at run time"));
    EXPECT_TRUE(Has(problems, "simulation/hints.csv: no such hint: hint missing (used at sim/SIM_New.cpp:13)"));
    EXPECT_TRUE(Has(problems, "sim/SIM_New.cpp: 14: sound 'data/sounds/kazoo.ogg' is not staged"));
    EXPECT_TRUE(Has(problems, "simulation/personalities.csv: kazoophile: trait missing (used at sim/SIM_New.cpp:15)"));
    EXPECT_TRUE(Has(problems, "simulation/assets.csv: golden kazoo: asset missing (used at sim/SIM_New.cpp:16)"));
}

TEST_F(StagedCopy, NoticesMissingFilesAndFonts) {
    fs::remove(File("fonts"));
    fs::remove(File("simulation/charities.csv"));
    dir.Write("practice/melodies.txt", "[piano]\n0=data/sounds/practice/piano/note_0.ogg\n[piano melodies]\n0=1,9\n");
    const auto problems = Problems();
    EXPECT_TRUE(Has(problems, "fonts: data/fonts/verdana12.dds.dat: glyph widths 'data/fonts/verdana12.dds.dat' is not staged"));
    EXPECT_TRUE(Has(problems, "simulation/charities.csv: -: file missing"));
    EXPECT_TRUE(Has(problems, "[piano] 1: note sound missing"));
    EXPECT_TRUE(Has(problems, "[piano melodies] 0: '9' is not a note from 1 to 5"));
    EXPECT_TRUE(Has(problems, "[guitar melodies]: no melodies"));
}

}  // namespace
