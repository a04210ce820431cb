// Save files: the exact layout of a written game, refused names and failed writes that keep
// the previous save, and the summary reader on good, odd and damaged files.
#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_CareerStage.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_People.h"
#include "SIM_Person.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relationship.h"
#include "SIM_SIM.h"
#include "SIM_Hints.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SaveData.h"
#include "SIM_SaveGame.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_TagReader.h"
#include "SIM_Venue.h"
#include "SaveTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

// A new game on the shipped data, saved into a temporary folder at a fixed time.
class SaveGameTest : public SaveFolderTest {
protected:
    void SetUp() override {
        UseSaveFolder();
        LoadTuningTable();
        SeedRandom(11);
        ResetAllSimulation();
        RegisterSimulationParts();
        LoadRehearsalVenues();
        LoadPeopleData();
        SetScreens(&screens);
        GetSIMDate().LoadMonthNames();
        GetSIM().loaded = true;
        GetSIM().ResetForNewGame();
        screens.events.clear();
    }
    // The lines between "<tag>" and its "</tag>", both included.
    static std::string Block(const std::string& text, const std::string& tag) {
        const std::size_t begin = text.find("<" + tag + ">\n");
        const std::size_t end = text.find("</" + tag + ">\n", begin);
        if (begin == std::string::npos || end == std::string::npos) return {};
        return text.substr(begin, end + tag.size() + 4 - begin);
    }
};

TEST_F(SaveGameTest, SectionsComeInTheirFixedOrder) {
    const std::string text = SaveGameText();
    // The top-level tags, in file order.
    std::istringstream lines(text);
    std::string line, sections;
    int depth = 0;
    while (std::getline(lines, line)) {
        const bool leaf = line.find("</") != std::string::npos && line.find("</") > 0;
        if (leaf) continue;
        if (line.rfind("</", 0) == 0) {
            --depth;
            continue;
        }
        if (depth == 1) sections += line;
        ++depth;
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(sections,
              "<header><load_data><milo><date><assets><musicians><band><song_elements><songs><retired_songs>"
              "<albums><gamemode><recordingstudio><gigs><other_gigs><practice><relationships><endorsements>"
              "<rehearsal_data><venues><balance><events><finances><fame><globals><statistics><SIM_SIM><misc>"
              "<recordcompany><egos><covers><history>");
    EXPECT_EQ(text.rfind("<xml>\n<header>\n<version>1.17</version>\n</header>\n<load_data>\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 7), "</xml>\n");
}

TEST_F(SaveGameTest, AnEmptyBandAndZeroCountersKeepTheirShapes) {
    GetBand().Name = "The Drips";
    const std::string text = SaveGameText();
    EXPECT_NE(Block(text, "band").find("<Name>The Drips</Name>\n<SponsoredName>"), std::string::npos);
    EXPECT_NE(text.find("<members>\n</members>\n<attribute>\n"), std::string::npos);
    EXPECT_NE(text.find("<communal assets>\n</communal assets>\n"), std::string::npos);
    EXPECT_NE(text.find("<ints>0,0,0,0,0,0,0,</ints>\n<floats>0.00,0.00,0.00,</floats>\n<elapsed>0.000</elapsed>\n"),
              std::string::npos);
    EXPECT_EQ(Block(text, "albums"), "<albums>\n</albums>\n");
    EXPECT_EQ(Block(text, "recordingstudio"), "<recordingstudio>\n<name>null</name>\n</recordingstudio>\n");
    std::ostringstream load;
    load << "<load_data>\n<avatar_texture>" << GetMilo().portraitBase << "</avatar_texture>\n"
         << "<band_name>The Drips</band_name>\n<fame>0.000</fame>\n<cash>" << std::fixed;
    load.precision(3);
    load << GetFinances().cash << "</cash>\n<date>";
    EXPECT_EQ(text.find(load.str()) != std::string::npos, true) << Block(text, "load_data");
}

TEST_F(SaveGameTest, MembersSongsAndGigsAreWrittenInFull) {
    SIM_Musician& drummer = CreateMusician();
    drummer.forename = "Al";
    drummer.ability = 0.25f;
    GetBand().AddMember(&drummer);
    SIM_Song& song = AddCurrentSong();
    song.name = "Rain Again";
    song.elements.fill(nullptr);
    song.elements[0] = SongElements().front().get();
    GetStatistics().gigsPlayed = 3;
    GetStatistics().moneyEarned = 12.5f;
    auto gig = std::make_unique<SIM_Gig>();
    gig->venue = Venues().front().get();
    BookGig(std::move(gig)).date = {3, 4, 2006};

    const std::string text = SaveGameText();
    EXPECT_NE(Block(text, "members").find("<member>\n<slid>" + std::to_string(drummer.GetSLID()) + "</slid>\n"),
              std::string::npos);
    const std::string musician = Block(text, "musicians");
    EXPECT_NE(musician.find("<forename>Al</forename>"), std::string::npos);
    EXPECT_NE(musician.find("<ability>0.250</ability>"), std::string::npos);
    EXPECT_NE(musician.find("<possesions>\n</possesions>\n</musician>"), std::string::npos);
    const std::string songs = Block(text, "songs");
    const std::string elements = Block(songs.substr(songs.find("<name>Rain Again</name>")), "elements");
    EXPECT_EQ(elements, "<elements>\n<0>" + SongElements().front()->name +
                            "</0>\n<1>NULL</1>\n<2>NULL</2>\n<3>NULL</3>\n<4>NULL</4>\n<5>NULL</5>\n<6>NULL</6>\n"
                            "</elements>\n");
    EXPECT_EQ(Block(text, "booked"), "<booked>\n<booking>\n<type>0</type>\n<venue>" + Venues().front()->key +
                                         "</venue>\n<charity>null</charity>\n<date_day>3</date_day>\n"
                                         "<date_month>4</date_month>\n<date_year>2006</date_year>\n</booking>\n"
                                         "</booked>\n");
    EXPECT_NE(text.find("<ints>0,3,"), std::string::npos);
    EXPECT_NE(text.find("<floats>0.00,12.50,"), std::string::npos);
    EXPECT_NE(text.find("<TopSLID>" + std::to_string(TopSLID()) + "</TopSLID>"), std::string::npos);
}

TEST_F(SaveGameTest, UnsafeOrLongNamesAreRefusedAndNothingIsWritten) {
    for (const std::string& name : std::vector<std::string>{"", "a/b", "..", "x..y", ".hidden", "a<b", "tab\there", std::string(32, 'n')}) {
        std::string error;
        EXPECT_FALSE(SaveGame(name, &error)) << name;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(screens.events.front(), "message " + Translate("SAVEGAME_FAILED_TITLE"));
    EXPECT_TRUE(SaveGame(std::string(31, 'n')));
    EXPECT_TRUE(SaveGame("My band, day 3"));
}

// The weekly autosave writes "autosave" whatever the player has saved: the player may not take
// that name in any case, and is told why.
TEST_F(SaveGameTest, TheAutosavesNameIsKeptFromThePlayer) {
    for (const char* name : {"autosave", "AutoSave", "AUTOSAVE"}) {
        EXPECT_TRUE(IsReservedSaveName(name)) << name;
        std::string error;
        EXPECT_FALSE(SaveGame(name, &error)) << name;
        EXPECT_EQ(error.rfind(std::string(name) + " is the weekly autosave's", 0), 0u) << error;
        EXPECT_EQ(error.find("<NAME>"), std::string::npos) << error;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(screens.events.front(), "message " + Translate("SAVEGAME_FAILED_TITLE"));
    for (const char* name : {"autosave 2", "my autosave", "autosav", ""}) EXPECT_FALSE(IsReservedSaveName(name)) << name;
    EXPECT_TRUE(SaveGame("autosave 2"));
    EXPECT_STREQ(kAutosaveName, "autosave");
}

TEST_F(SaveGameTest, AFailedWriteKeepsThePreviousSaveAndTheGameGoesOn) {
    ASSERT_TRUE(SaveGame("career"));
    const std::string before = ReadWholeFile(SaveGamePath("career"));
    GetFinances().cash = 1234.0f;
    // The temporary file cannot be created where a folder stands in its way.
    std::filesystem::create_directory(SaveGamePath("career") + ".tmp");
    std::string error;
    EXPECT_FALSE(SaveGame("career", &error));
    EXPECT_NE(error.find("career"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(SaveGamePath("career")), before);
    EXPECT_EQ(errors.assertions, 0);

    SetSaveGameFolder(dir.path() + "/missing");
    EXPECT_FALSE(SaveGame("career"));
}

TEST_F(SaveGameTest, TheSummaryReadsBackWhatWasSaved) {
    GetBand().Name = "Loud <Neighbours>";
    GetFinances().cash = -42.5f;
    ASSERT_TRUE(SaveGame("one"));
    std::string error;
    const auto summary = ReadSaveSummary("one", &error);
    ASSERT_TRUE(summary) << error;
    EXPECT_EQ(summary->bandName, "Loud (Neighbours>");  // a "<" would cut the value short on reading
    EXPECT_FLOAT_EQ(summary->cash, -42.5f);
    EXPECT_EQ(summary->avatarTexture, GetMilo().portraitBase);
    std::tm local{};
    const std::time_t zero = 0;
    localtime_r(&zero, &local);
    EXPECT_EQ(summary->date, std::to_string(local.tm_mday) + "/" + std::to_string(local.tm_mon + 1) + "/" +
                                 std::to_string(local.tm_year + 1900) + " (DD-MM-YYYY) - " +
                                 std::to_string(local.tm_hour) + ":" + std::to_string(local.tm_min));
}

// The reader on hand-made files.
struct Reader : ::testing::Test {
    SIM_TagReader reader;
    std::string Failure(const std::function<void()>& read) {
        try {
            read();
        } catch (const SIM_SaveFileError& e) {
            return e.what();
        }
        return "no error";
    }
};

TEST_F(Reader, StrictReadingWantsEveryTagInOrderAndNonStrictSkips) {
    const std::string text = "<xml>\n<a>\n<n>  7 x</n>\n<extra>1</extra>\n<f>-0.250</f>\n</a>\n";
    reader.Start(text, "s.xml");
    reader.FindTag("xml");
    reader.FindTag("a");
    EXPECT_EQ(reader.ReadString("n"), "  7 x");  // verbatim, spaces included
    EXPECT_EQ(reader.PeekTag(), "extra");
    EXPECT_EQ(Failure([&] { reader.ReadFloat("f"); }), "s.xml: Tag f expected found extra");

    reader.Start(text, "s.xml");
    reader.strict = false;
    EXPECT_FLOAT_EQ(reader.ReadFloat("f"), -0.25f);
    EXPECT_EQ(Failure([&] { reader.FindTag("zz"); }), "s.xml: missing tag: zz");
}

TEST_F(Reader, DamagedValuesAreErrorsNamingFileAndTag) {
    reader.strict = false;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<i>12a</i>", "s.xml: tag i holds no whole number: 12a"},
        {"<i></i>", "s.xml: tag i holds no whole number: "},
        {"<i>99999999999</i>", "s.xml: tag i holds no whole number: 99999999999"},
        {"<f>nan</f>", "s.xml: tag f holds no number: nan"},
        {"<f>1.5.2</f>", "s.xml: tag f holds no number: 1.5.2"},
        {"<i>3", "s.xml: missing tag: /i"},
        {"<i>3</", "s.xml: missing tag: /i"},
        {"<i", "s.xml: missing tag: i"},
        {"<s>" + std::string(1024, 'x') + "</s>", "s.xml: value of s is too long"},
    };
    for (const auto& [text, message] : cases) {
        reader.Start(text, "s.xml");
        EXPECT_EQ(Failure([&, &t = text] {
                      if (t.find("<s>") == 0) reader.ReadString("s");
                      else if (t.find("<f>") == 0) reader.ReadFloat("f");
                      else reader.ReadInt("i");
                  }),
                  message)
            << text;
    }
    reader.Start("<s>" + std::string(1023, 'x') + "</s>", "s.xml");
    EXPECT_EQ(reader.ReadString("s").size(), 1023u);
}

TEST_F(SaveGameTest, TheSummarySkipsExtraTagsAndRefusesDamagedFiles) {
    dir.Write("odd.xml", "<xml>\n<header>\n<version>0.9</version>\n</header>\n<load_data>\n"
                         "<avatar_texture>m1.png</avatar_texture>\n<band_name>B</band_name>\n<mood>x</mood>\n"
                         "<fame>3.500</fame>\n<cash>10.000</cash>\n<date>today</date>\n</load_data>\n");
    auto summary = ReadSaveSummary("odd");
    ASSERT_TRUE(summary);
    EXPECT_FLOAT_EQ(summary->fame, 3.5f);
    EXPECT_EQ(summary->date, "today");

    std::string error;
    EXPECT_FALSE(ReadSaveSummary("absent", &error));
    EXPECT_EQ(error, SaveGamePath("absent") + ": Failed to open save game");

    // Cut a real save anywhere before the end of its summary, or put letters into its numbers.
    ASSERT_TRUE(SaveGame("real"));
    const std::string text = ReadWholeFile(SaveGamePath("real"));
    const std::size_t summaryEnd = text.find("</date>") + 7;
    for (std::size_t cut = 0; cut < summaryEnd; cut += 7) {
        dir.Write("cut.xml", text.substr(0, cut));
        error.clear();
        EXPECT_FALSE(ReadSaveSummary("cut", &error)) << cut;
        EXPECT_EQ(error.rfind(SaveGamePath("cut") + ": ", 0), 0u) << error;
    }
    std::string lettered = text;
    lettered.replace(lettered.find("<fame>") + 6, 1, "q");
    dir.Write("lettered.xml", lettered);
    EXPECT_FALSE(ReadSaveSummary("lettered", &error));
    EXPECT_NE(error.find("tag fame holds no number"), std::string::npos);
}

TEST_F(SaveGameTest, MutatedSavesNeverCrashTheReader) {
    ASSERT_TRUE(SaveGame("base"));
    const std::string text = ReadWholeFile(SaveGamePath("base"));
    SeedRandom(5);
    const char alphabet[] = "<>/x0.-\n";
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::string mutated = text.substr(0, text.size() * static_cast<std::size_t>(RandomInt()) / kRandomMax);
        for (int edits = RandomIndex(6); edits >= 0 && !mutated.empty(); --edits)
            mutated[static_cast<std::size_t>(RandomIndex(static_cast<int>(mutated.size())))] =
                alphabet[RandomIndex(8)];
        dir.Write("m.xml", mutated);
        std::string error;
        if (!ReadSaveSummary("m", &error)) {
            ++refused;
            EXPECT_FALSE(error.empty());
        }
        // A strict walk over every tag and leaf of the file ends in a value or an error.
        SIM_TagReader reader;
        reader.Start(mutated, "m.xml");
        try {
            for (std::string next = reader.PeekTag(); !next.empty(); next = reader.PeekTag()) reader.FindTag(next);
        } catch (const SIM_SaveFileError&) {
        }
    }
    EXPECT_GT(refused, 0);
}

}  // namespace

namespace {

TEST_F(SaveGameTest, AutosaveFollowsTheOptionAndTheStartOfTheWeek) {
    RegisterHints();
    RegisterAutosave();
    const std::string autosave = SaveGamePath("autosave");
    PlayerOptions().autosaveOn = false;
    for (int day = 0; day < 7; ++day) GetSIM().UseAct();
    EXPECT_FALSE(std::filesystem::exists(autosave));

    PlayerOptions().autosaveOn = true;
    while (GetSIMDate().date.weekday != 6) GetSIM().UseAct();
    EXPECT_FALSE(std::filesystem::exists(autosave));
    GetSIM().UseAct();  // the week turns
    ASSERT_TRUE(std::filesystem::exists(autosave));
    EXPECT_NE(ReadWholeFile(autosave).find("<turncount>" + std::to_string(GetSIM().turncount) + "</turncount>"),
              std::string::npos);
    // The hint step still runs before it.
    EXPECT_NE(std::find(screens.events.begin(), screens.events.end(), "hint timed_audition"), screens.events.end());
    PlayerOptions() = SIM_PlayerOptions();
}

}  // namespace

namespace {

// A band of three that has lived a few weeks: effects, relationships, readiness and history.
class WholeSave : public SaveGameTest {
protected:
    void SetUp() override {
        SaveGameTest::SetUp();
        for (int i = 0; i < 3; ++i) {
            SIM_Musician& m = CreateMusician();
            m.forename = "Member" + std::to_string(i);
            m.instrument = i + 1;
            GetBand().AddMember(&m);
        }
        auto gig = std::make_unique<SIM_Gig>();
        gig->venue = Venues().front().get();
        BookGig(std::move(gig));
        for (int day = 0; day < 30; ++day) GetSIM().UseAct();
        text = SaveGameText();
    }
    std::string text;
};

TEST_F(WholeSave, ReadsBackEverySection) {
    SIM_TagReader reader;
    reader.Start(text, "whole.xml");
    const SIM_SaveData d = ReadSaveData(reader);
    EXPECT_EQ(d.members.size(), 3u);
    EXPECT_EQ(d.musicians.size(), AllMusicians().size());
    EXPECT_EQ(d.relationships.size(), AllRelationships().size());
    EXPECT_EQ(d.songs.size(), CurrentSongs().size());
    EXPECT_EQ(d.turncount, GetSIM().turncount);
    EXPECT_EQ(d.balance.size(), GetBalanceHistory().entries.size());
    EXPECT_EQ(d.calendar[3], GetSIMDate().date.year);
    EXPECT_EQ(d.topSlid, TopSLID());
    EXPECT_FLOAT_EQ(d.financesCash, GetFinances().cash);
    ASSERT_FALSE(d.songs.empty());
    EXPECT_EQ(d.songs[0].name, CurrentSongs()[0]->name);
}

TEST_F(WholeSave, EveryCutAndEveryBrokenNumberIsRefusedWithFileAndTag) {
    const auto refusal = [](const std::string& damaged) {
        SIM_TagReader reader;
        reader.Start(damaged, "whole.xml");
        try {
            ReadSaveData(reader);
        } catch (const SIM_SaveFileError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    int checked = 0;
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += text.size() / 157 + 1, ++checked) {
        const std::string error = refusal(text.substr(0, cut));
        EXPECT_EQ(error.rfind("whole.xml: ", 0), 0u) << "cut at " << cut << ": " << error;
    }
    EXPECT_GT(checked, 150);
    // Letters in numbers, a renamed tag, a removed member and a member the file does not hold.
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string damaged = text;
        const std::size_t at = damaged.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? damaged : damaged.replace(at, from.size(), to);
    };
    EXPECT_NE(refusal(replaced("<turncount>", "<turncount>x")).find("turncount"), std::string::npos);
    EXPECT_NE(refusal(replaced("<chemistry>", "<chemistry>high")).find("chemistry"), std::string::npos);
    EXPECT_NE(refusal(replaced("<communal assets>", "<communal_assets>")).find("expected"), std::string::npos);
    EXPECT_NE(refusal(replaced("<possesions>", "<possessions>")).find("possesions"), std::string::npos);
    const std::string member = "<member>\n<slid>";
    const std::size_t first = text.find(member) + member.size();
    const std::string slid = text.substr(first, text.find('<', first) - first);
    EXPECT_NE(refusal(replaced(member + slid + "<", member + "9999<")).find("unknown slid 9999"),
              std::string::npos);
    EXPECT_EQ(refusal(text), "");
}

}  // namespace

#include "SIM_Album.h"
#include "SIM_Charity.h"
#include "SIM_LoadGame.h"
#include "SIM_NamedValue.h"
#include "SIM_Practice.h"
#include "SIM_Endorsements.h"
#include "SIM_RecordCompany.h"
#include "SIM_RivalBands.h"

namespace {

// One album of two songs in the studio, a charity gig, a rival gig, a taken endorsement, a
// chosen studio and a signed deal, written and read back.
class CareerSections : public SaveGameTest {
protected:
    void SetUp() override {
        SaveGameTest::SetUp();
        ASSERT_FALSE(Charities().empty());
        ASSERT_FALSE(RivalBands().empty());
        ASSERT_FALSE(AvailableEndorsements().empty());
        ASSERT_FALSE(Studios().empty());
        first = &AddCurrentSong();
        second = &AddCurrentSong();
        loose = &AddCurrentSong();
        album = &CreateAlbum();
        ASSERT_TRUE(AddTrack(album, second));
        ASSERT_TRUE(AddTrack(album, first));
        album->title = "Tin Cans";
        album->weeksSinceRelease = 3;
        album->songQuality = 0.5f;
        album->productionQuality = 0.25f;
        album->productionCost = 1200.0f;
        album->daysInStudio = 2;
        album->royaltiesEarned = 10.5f;
        album->totalEarned = 20.25f;
        album->copiesSold = 7;
        album->mode = ALBUM_RELEASED;
        auto gig = std::make_unique<SIM_Gig>();
        gig->venue = Venues().front().get();
        gig->charity = Charities()[1].get();
        BookGig(std::move(gig)).date = {5, 6, 2006};
        ASSERT_TRUE(RestoreRivalGig(RivalBands()[2]->key, {6, 7, 2006}));
        endorsement = AvailableEndorsements()[1]->name;
        ASSERT_TRUE(RetireEndorsementByName(endorsement));
        SelectStudio(Studios()[2].get());
        GetRecordCompany().name = "Tin Roof";
        GetRecordCompany().hasDeal = true;
        GetRecordCompany().royalty = 0.125f;
        GetRecordCompany().marketing = 0.5f;
        GetCareerHistory().Mark(kMarkHire);
        GetCareerHistory().RecordWeek(0, 12.5f, -40.25f);
        GetCareerHistory().Mark(kMarkGig | kMarkDeal);
        text = SaveGameText();
    }
    void TearDown() override {
        ResetRecordCompany();
        SaveGameTest::TearDown();
    }
    static std::string Slid(const SIM_SLIDBase* object) { return std::to_string(object->GetSLID()); }
    // The reading of a copy of the text with one piece replaced; "" when it is read.
    std::string Refusal(const std::string& from, const std::string& to) const {
        std::string damaged = text;
        const std::size_t at = damaged.find(from);
        if (at == std::string::npos) return "no " + from;
        damaged.replace(at, from.size(), to);
        SIM_TagReader reader;
        reader.Start(damaged, "c.xml");
        try {
            ReadSaveData(reader);
        } catch (const SIM_SaveFileError& e) {
            return e.what();
        }
        return "";
    }

    SIM_Song *first = nullptr, *second = nullptr, *loose = nullptr;
    SIM_Album* album = nullptr;
    std::string endorsement, text;
};

TEST_F(CareerSections, AreWrittenByteForByte) {
    EXPECT_EQ(Block(text, "albums"),
              "<albums>\n<album>\n<slid>" + Slid(album) +
                  "</slid>\n<mode>1</mode>\n<title>Tin Cans</title>\n<weekssincerelease>3</weekssincerelease>\n"
                  "<songqaulity>0.500</songqaulity>\n<productionquality>0.250</productionquality>\n"
                  "<productioncost>1200.000</productioncost>\n<daysinstudio>2</daysinstudio>\n"
                  "<covertexture>ass_cd.bmp</covertexture>\n<royaltiesearned>10.500</royaltiesearned>\n"
                  "<totalearned>20.250</totalearned>\n<copiessold>7</copiessold>\n<tracks>\n<track>\n<slid>" +
                  Slid(second) + "</slid>\n</track>\n<track>\n<slid>" + Slid(first) +
                  "</slid>\n</track>\n</tracks>\n</album>\n</albums>\n");
    const auto albumSlidOf = [&](const SIM_Song* song) {
        const std::string block = text.substr(text.find("<song>\n<slid>" + Slid(song) + "</slid>\n"));
        return block.substr(block.find("<albumslid>"), block.find("</albumslid>") - block.find("<albumslid>"));
    };
    EXPECT_EQ(albumSlidOf(first), "<albumslid>" + Slid(album));
    EXPECT_EQ(albumSlidOf(loose), "<albumslid>-1");
    EXPECT_EQ(Block(text, "recordingstudio"),
              "<recordingstudio>\n<name>" + Studios()[2]->name + "</name>\n</recordingstudio>\n");
    EXPECT_NE(Block(text, "booked").find("<charity>" + Charities()[1]->key + "</charity>\n"), std::string::npos);
    EXPECT_EQ(Block(text, "other_gigs"), "<other_gigs>\n<gig>\n<name>" + RivalBands()[2]->key +
                                             "</name>\n<day>6</day>\n<month>7</month>\n<year>2006</year>\n</gig>\n"
                                             "</other_gigs>\n");
    EXPECT_EQ(Block(text, "endorsements"),
              "<endorsements>\n<endorsement>\n<name>" + endorsement + "</name>\n</endorsement>\n</endorsements>\n");
    // The company, the egos, the covers and the chart's weeks close the file, after everything
    // older readers expect.
    EXPECT_EQ(text.substr(text.find("</misc>\n"), text.find("<egos>") - text.find("</misc>\n")),
              "</misc>\n<recordcompany>\n<name>Tin Roof</name>\n<hasdeal>1</hasdeal>\n<royalty>0.125</royalty>\n"
              "<marketing>0.500</marketing>\n</recordcompany>\n");
    EXPECT_NE(text.find("</egos>\n<covers>\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.find("</covers>\n")),
              "</covers>\n<history>\n<marks>5</marks>\n<week>0,12.500,-40.250,8</week>\n</history>\n</xml>\n");
}

TEST_F(CareerSections, ReadBackWithAndWithoutTheCompany) {
    SIM_TagReader reader;
    reader.Start(text, "c.xml");
    const SIM_SaveData d = ReadSaveData(reader);
    ASSERT_EQ(d.albums.size(), 1u);
    EXPECT_EQ(d.albums[0].title, "Tin Cans");
    EXPECT_EQ(d.albums[0].copiesSold, 7);
    EXPECT_FLOAT_EQ(d.albums[0].totalEarned, 20.25f);
    EXPECT_EQ(d.albums[0].tracks, (std::vector<int>{second->GetSLID(), first->GetSLID()}));
    EXPECT_EQ(d.studio, Studios()[2]->name);
    ASSERT_EQ(d.bookings.size(), 1u);
    EXPECT_EQ(d.bookings[0].charity, Charities()[1]->key);
    ASSERT_EQ(d.rivalGigs.size(), 1u);
    EXPECT_EQ(d.rivalGigs[0].band, RivalBands()[2]->key);
    EXPECT_EQ(d.rivalGigs[0].month, 7);
    EXPECT_EQ(d.endorsements, std::vector<std::string>{endorsement});
    ASSERT_TRUE(d.recordCompany);
    EXPECT_TRUE(d.recordCompany->hasDeal);
    EXPECT_FLOAT_EQ(d.recordCompany->royalty, 0.125f);
    ASSERT_TRUE(d.history);
    EXPECT_EQ(d.history->weeks, (std::vector<SIM_CareerWeek>{{0, 12.5f, -40.25f, kMarkHire}}));
    EXPECT_EQ(d.history->pending, kMarkGig | kMarkDeal);

    // A file written before the company was saved still reads, with no company in it.
    const std::size_t from = text.find("<recordcompany>"), to = text.find("</xml>");
    reader.Start(text.substr(0, from) + text.substr(to), "old.xml");
    const SIM_SaveData old = ReadSaveData(reader);
    EXPECT_FALSE(old.recordCompany);
    EXPECT_FALSE(old.history);
    EXPECT_EQ(old.historyDropped, "");
}

// The chart's weeks are not worth a career: whatever is wrong inside them, the file reads with
// the weeks dropped and the reason kept. Only a file cut off before they close is refused.
TEST_F(CareerSections, ADamagedHistoryIsDroppedAndTheRestReads) {
    const std::string week = "<week>0,12.500,-40.250,8</week>\n";
    const auto droppedAt = [&](const std::string& from, const std::string& to) {
        std::string damaged = text;
        damaged.replace(damaged.find(from), from.size(), to);
        SIM_TagReader reader;
        reader.Start(damaged, "c.xml");
        const SIM_SaveData d = ReadSaveData(reader);
        EXPECT_FALSE(d.history) << to;
        EXPECT_TRUE(d.recordCompany && d.albums.size() == 1u) << to;
        return d.historyDropped;
    };
    const auto dropped = [&](const std::string& to) { return droppedAt(week, to); };
    EXPECT_NE(dropped("<week>0,12.5x,-40.250,8</week>\n").find("c.xml: tag week holds no week: 0,12.5x"), std::string::npos);
    EXPECT_NE(dropped("<week>0,12.500,8</week>\n").find("holds no week"), std::string::npos);
    EXPECT_NE(dropped("<week>0.5,12.500,-40.250,8</week>\n").find("holds no week"), std::string::npos);
    EXPECT_NE(dropped("<week>0,1e30,-40.250,8</week>\n").find("out of range"), std::string::npos);
    EXPECT_NE(dropped("<week>0,12.500,-40.250,-8</week>\n").find("holds no marks"), std::string::npos);
    EXPECT_NE(dropped("<week>0,12.500,-40.250,64</week>\n").find("unknown marks in week 0"), std::string::npos);
    EXPECT_NE(dropped(week + week).find("week 0 out of order"), std::string::npos);
    EXPECT_NE(dropped("<week>1,12.500,-40.250,8</week>\n").find("week 1 out of order"), std::string::npos);  // after today
    EXPECT_NE(dropped("<wek>0,12.500,-40.250,8</wek>\n").find("expected found wek"), std::string::npos);
    std::string many;
    for (std::size_t i = 0; i <= SIM_CareerHistory::kMaxWeeks; ++i) many += "<week>-1,0,0,0</week>\n";
    EXPECT_NE(dropped(many).find("more than 240 weeks"), std::string::npos);
    EXPECT_NE(droppedAt("<marks>5</marks>", "<marks>x</marks>").find("tag marks holds no whole number"), std::string::npos);
    EXPECT_NE(Refusal("</history>\n</xml>\n", "").find("missing tag: /history"), std::string::npos);
}

TEST_F(CareerSections, DamagedReferencesAndNamesAreRefused) {
    ASSERT_EQ(Refusal("<xml>", "<xml>"), "");
    const std::string track = "<track>\n<slid>" + Slid(second) + "</slid>";
    EXPECT_EQ(Refusal(track, "<track>\n<slid>9999</slid>"), "c.xml: tag track names unknown slid 9999");
    // A loose song on the album: its song does not name the album.
    EXPECT_NE(Refusal(track, "<track>\n<slid>" + Slid(loose) + "</slid>").find("albumslid of song"),
              std::string::npos);
    EXPECT_NE(Refusal(track, "<track>\n<slid>" + Slid(first) + "</slid>").find("on two albums"),
              std::string::npos);
    // A song naming an album that does not hold it.
    EXPECT_NE(Refusal("<albumslid>-1<", "<albumslid>" + Slid(album) + "<").find("albumslid of song"),
              std::string::npos);
    EXPECT_EQ(Refusal("<mode>0</mode>\n</gamemode>", "<mode>4</mode>\n</gamemode>"),
              "c.xml: tag mode holds no career stage: 4");
    EXPECT_EQ(Refusal("<mode>1</mode>\n<title>", "<mode>4</mode>\n<title>"), "c.xml: tag mode holds no album mode: 4");
    EXPECT_NE(Refusal("<songqaulity>", "<songquality>").find("songqaulity"), std::string::npos);
    EXPECT_EQ(Refusal("<name>" + RivalBands()[2]->key + "</name>", "<name>nobody</name>"),
              "c.xml: tag name names unknown rival band nobody");
    EXPECT_EQ(Refusal("<name>" + endorsement + "</name>", "<name>fizz</name>"),
              "c.xml: tag endorsement names unknown endorsement fizz");
    EXPECT_EQ(Refusal("<charity>" + Charities()[1]->key, "<charity>a cause"),
              "c.xml: tag charity names unknown charity a cause");
    EXPECT_EQ(Refusal("<name>" + Studios()[2]->name + "</name>", "<name>Shed</name>"),
              "c.xml: tag recordingstudio names unknown studio Shed");
    EXPECT_NE(Refusal("<asset>\n<name>", "<asset>\n<name>x").find("unknown asset x"), std::string::npos);
    EXPECT_NE(Refusal("<venue>\n<name>", "<venue>\n<name>x").find("unknown venue x"), std::string::npos);
    EXPECT_NE(Refusal("<venue>" + Venues().front()->key, "<venue>x").find("unknown venue x"), std::string::npos);
    EXPECT_NE(Refusal("<0>", "<0>kazoo").find("unknown song element kazoo"), std::string::npos);
    EXPECT_NE(Refusal("<royalty>0.125", "<royalty>lots").find("tag royalty holds no number"), std::string::npos);
    EXPECT_NE(Refusal("<hasdeal>", "<deal>").find("hasdeal"), std::string::npos);
    EXPECT_NE(Refusal("<ints>0,", "<ints>0,0,").find("tag ints holds no list of 7 whole numbers"),
              std::string::npos);
    EXPECT_NE(Refusal("<bpm>", "<bpm>x").find("tag bpm"), std::string::npos);
    EXPECT_NE(Refusal("<floats>", "<floats>1.00,").find("tag floats holds no list of 3"), std::string::npos);
    // Cut inside the company, the egos or the covers: a part-written section is not an old file.
    EXPECT_NE(Refusal("</marketing>\n</recordcompany>\n", "</marketing>\n").find("expected found"),
              std::string::npos);
    EXPECT_NE(Refusal("</covers>\n", "").find("expected found"), std::string::npos);
    EXPECT_NE(Refusal("<cover>\n<slid>", "<cover>\n<slid>99999").find("unknown song slid 99999"), std::string::npos);
}

TEST_F(CareerSections, StandaloneSectionsComeBackInAFreshGame) {
    for (int day = 0; day < 10; ++day) GetSIM().UseAct();
    // Whether those days bring a rival gig depends on the draws; one is booked for certain.
    ScheduleRivalGig(*RivalBands()[0]);
    GetSIM().eventGate.flags[1] = true;
    GetSIM().eventGate.daysSinceLastEvent = 4;
    Venues().back()->boredom = 0.75f;
    GetBalanceHistory().Record(100.0f);
    GetBalanceHistory().Record(250.0f);
    Globals().Add(std::make_unique<SIM_NamedValue>("glob_stock", "Stock", 17.0f));
    GetPracticeRecord().bpm[2] = 131;
    GetPracticeRecord().Master(1, 3);
    GetPracticeRecord().Master(1, 0);
    GetPracticeRecord().inst = 2;
    GetStatistics().gigsPlayed = 4;
    GetStatistics().playSeconds = 90.5;
    GetFinances().cash = 321.5f;
    GetCareerStage().SetStage(2);
    GetCareerHistory().Mark(kMarkAlbum);
    ASSERT_EQ(GetCareerHistory().weeks.size(), 1u);
    text = SaveGameText();
    SIM_TagReader reader;
    reader.Start(text, "c.xml");
    const SIM_SaveData d = ReadSaveData(reader);

    GetSIM().ResetForNewGame();
    SelectStudio(nullptr);
    ResetRecordCompany();
    const std::vector<std::string> restored = {"date",   "gamemode", "recordingstudio", "other_gigs", "practice",
                                               "endorsements", "venues", "balance", "events",
                                               "finances", "globals", "statistics", "SIM_SIM",
                                               "misc",    "recordcompany", "history"};
    const std::string fresh = SaveGameText();
    for (const char* tag : {"date", "gamemode", "recordingstudio", "other_gigs", "practice", "endorsements", "history"})
        EXPECT_NE(Block(fresh, tag), Block(text, tag)) << tag;  // so that the restore has work to do
    RestoreStandaloneSections(d);
    const std::string after = SaveGameText();
    for (const std::string& tag : restored) EXPECT_EQ(Block(after, tag), Block(text, tag)) << tag;
    EXPECT_FALSE(GetSIM().gameOver);
}

TEST_F(CareerSections, ALoadedGameOnItsEndDateStaysOver) {
    SIM_TagReader reader;
    reader.Start(text, "c.xml");
    SIM_SaveData d = ReadSaveData(reader);
    d.calendar[10] = 0;  // the flag of an older save
    d.calendar[0] = d.calendar[7];
    d.calendar[2] = d.calendar[8];
    d.calendar[3] = d.calendar[9];
    RestoreStandaloneSections(d);
    EXPECT_TRUE(GetSIM().gameOver);
}

TEST(NumberLists, WholeNumbersWithOrWithoutTheLastComma) {
    EXPECT_EQ(ParseIntList("1,-2,30,"), (std::vector<int>{1, -2, 30}));
    EXPECT_EQ(ParseIntList("4,5"), (std::vector<int>{4, 5}));
    EXPECT_EQ(ParseIntList(""), std::vector<int>{});
    for (const char* bad : {"1,,2", "x,", "1.5,", "99999999999,", ",", " 1"}) EXPECT_FALSE(ParseIntList(bad)) << bad;
    EXPECT_EQ(ParseFloatList("0.00,-12.50,3,"), (std::vector<float>{0.0f, -12.5f, 3.0f}));
    for (const char* bad : {"1.0,,2", "nan,", "inf,", "1e99,", "1.5x,", "1.0;2,"}) EXPECT_FALSE(ParseFloatList(bad)) << bad;
}

}  // namespace

#include "SIM_LoadSongs.h"

namespace {

// A repertoire that has lived: a retired song, edited elements, a classic, and elements
// unlocked for good and by a member who brought one.
class Repertoire : public SaveGameTest {
protected:
    void SetUp() override {
        SaveGameTest::SetUp();
        ASSERT_GE(CurrentSongs().size(), 3u);
        ASSERT_GE(SongElements().size(), 3u);
        SIM_Song& edited = *CurrentSongs()[0];
        edited.elements[SECTION_BRIDGE] = nullptr;
        edited.elements[SECTION_INTRO] = SongElements()[1].get();
        edited.classic = true;
        edited.boredom = 0.375f;
        edited.name = "Rust";
        RetireSong(*CurrentSongs()[1]);
        CreateSong(0.8f);
        // The new game starts with some elements unlocked; take two it starts without.
        for (const auto& element : SongElements())
            if (!element->unlocked) locked.push_back(element->name);
        ASSERT_GE(locked.size(), 2u);
        SIM_Musician& bringer = CreateMusician();
        bringerSlid = bringer.GetSLID();
        SongElementJoins(*FindSongElement(locked[0]), &bringer);
        UnlockSongElementForGood(*FindSongElement(locked[1]));
        text = SaveGameText();
        SIM_TagReader reader;
        reader.Start(text, "r.xml");
        data = ReadSaveData(reader);
        GetSIM().ResetForNewGame();
    }
    int bringerSlid = -1;  // the member himself is gone with the old game
    std::vector<std::string> locked;  // by name: a new game loads the catalogue again
    std::string text;
    SIM_SaveData data;
};

// The starting covers stay covers through a save; a file written before the flag was kept
// still loads, its songs read as the band's own.
TEST_F(Repertoire, CoversStayCoversAndOlderFilesStillLoad) {
    const auto covers = [](const std::vector<SIM_SavedSong>& songs) {
        return std::count_if(songs.begin(), songs.end(), [](const SIM_SavedSong& s) { return s.cover != 0; });
    };
    EXPECT_EQ(covers(data.songs) + covers(data.retiredSongs), 3);  // the starting three, not the one written since
    ASSERT_EQ(text.find("<cover>"), text.rfind("<covers>") + 9) << "covers are listed after the egos, not in the song";
    const std::string older = text.substr(0, text.find("<covers>")) + "</xml>\n";
    SIM_TagReader reader;
    reader.Start(older, "older.xml");
    const SIM_SaveData old = ReadSaveData(reader);
    EXPECT_EQ(covers(old.songs) + covers(old.retiredSongs), 0);
    EXPECT_EQ(old.songs.size(), data.songs.size());
}

TEST_F(Repertoire, SongsAndUnlockedElementsComeBackByteForByte) {
    const std::string fresh = SaveGameText();
    for (const char* tag : {"songs", "retired_songs", "song_elements"})
        EXPECT_NE(Block(fresh, tag), Block(text, tag)) << tag;
    // Someone of the fresh game with readiness for its songs (numbered clear of the file's).
    SIM_Musician& present = CreateMusician();
    present.SetSLID(data.topSlid + 50);
    RehearsalDataFor(present);
    CreateSong(0.5f);
    RestoreSongSections(data);
    EXPECT_EQ(TopSLID(), data.topSlid);
    std::string after = SaveGameText();
    EXPECT_EQ(Block(after, "songs"), Block(text, "songs"));
    EXPECT_EQ(Block(after, "retired_songs"), Block(text, "retired_songs"));
    // Until the musicians are back the bringer is unknown, but the element is unlocked.
    const SIM_SongElement* brought = FindSongElement(locked[0]);
    ASSERT_NE(brought, nullptr);
    EXPECT_TRUE(brought->unlocked);
    EXPECT_EQ(brought->bringer, nullptr);
    // He comes back with his number, as the musicians' restore will bring him.
    ASSERT_EQ(FindBySLID(bringerSlid), nullptr);
    present.SetSLID(bringerSlid);
    LinkSongElementBringers(data);
    EXPECT_EQ(brought->bringer, &present);
    after = SaveGameText();
    EXPECT_EQ(Block(after, "song_elements"), Block(text, "song_elements"));
    // The fresh game's songs leave no readiness behind; every restored song has its own.
    ASSERT_FALSE(AllRehearsalData().empty());
    for (const SIM_RehearsalData* record : AllRehearsalData()) {
        EXPECT_EQ(record->entries.size(), CurrentSongs().size());
        for (const SIM_SongReadiness& entry : record->entries)
            EXPECT_TRUE(std::any_of(CurrentSongs().begin(), CurrentSongs().end(),
                                    [&](const auto& song) { return song.get() == entry.song; }));
    }
    SIM_TagReader reader;
    reader.Start(after, "after.xml");
    const SIM_SaveData again = ReadSaveData(reader);
    EXPECT_EQ(again.songs.size(), data.songs.size());
}

TEST_F(Repertoire, ASongNumberHeldTwiceIsRefused) {
    ASSERT_GE(data.songs.size(), 2u);
    const std::string first = "<song>\n<slid>" + std::to_string(data.songs[0].slid) + "<";
    const std::string second = "<song>\n<slid>" + std::to_string(data.songs[1].slid) + "<";
    std::string damaged = text;
    damaged.replace(damaged.find(second), second.size(), first);
    SIM_TagReader reader;
    reader.Start(damaged, "r.xml");
    EXPECT_THROW(ReadSaveData(reader), SIM_SaveFileError);
    damaged = text;
    const std::string person = "<slid>" + std::to_string(bringerSlid) + "<";
    damaged.replace(damaged.find(second), second.size(), "<song>\n" + person);
    reader.Start(damaged, "r.xml");
    EXPECT_THROW(ReadSaveData(reader), SIM_SaveFileError);
}

}  // namespace

namespace {

TEST_F(CareerSections, AlbumsComeBackWithTheirTracksAndSongLinks) {
    RetireSong(*second);  // a retired song stays on its album
    text = SaveGameText();
    SIM_TagReader reader;
    reader.Start(text, "c.xml");
    const SIM_SaveData d = ReadSaveData(reader);
    GetSIM().ResetForNewGame();
    ASSERT_TRUE(Albums().empty());
    RestoreSongSections(d);
    const std::string after = SaveGameText();
    for (const char* tag : {"songs", "retired_songs", "albums"}) EXPECT_EQ(Block(after, tag), Block(text, tag)) << tag;
    ASSERT_EQ(Albums().size(), 1u);
    const SIM_Album& back = *Albums()[0];
    ASSERT_EQ(back.tracks.size(), 2u);
    EXPECT_EQ(back.tracks[0], RetiredSongs().back().get());
    EXPECT_EQ(back.tracks[0]->album, &back);
    EXPECT_EQ(TopSLID(), d.topSlid);
}

TEST_F(CareerSections, AnAlbumNumberHeldBySongOrPersonIsRefused) {
    // The album and the songs on it are renumbered together, so only the clash is wrong.
    const auto renumbered = [&](int slid) {
        std::string damaged = text;
        for (const std::string tag : {"<album>\n<slid>", "<albumslid>"})
            for (std::size_t at = 0; (at = damaged.find(tag + Slid(album) + "<", at)) != std::string::npos;
                 at += tag.size())
                damaged.replace(at, tag.size() + Slid(album).size(), tag + std::to_string(slid));
        SIM_TagReader reader;
        reader.Start(damaged, "c.xml");
        try {
            ReadSaveData(reader);
        } catch (const SIM_SaveFileError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(renumbered(album->GetSLID()), "");
    EXPECT_EQ(renumbered(loose->GetSLID()), "c.xml: slid " + Slid(loose) + " is used twice");
    EXPECT_EQ(renumbered(GetMilo().GetSLID()), "c.xml: slid " + Slid(&GetMilo()) + " is used twice");
}

}  // namespace
