// The player's options file, the one-time hints and the desktop icon layout.
#include "GHashTable.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "SIM_Finances.h"
#include "SIM_FunctionTable.h"
#include "SIM_HintHelp.h"
#include "SIM_Hints.h"
#include "SIM_IconLayout.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace {

class PersistFiles : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetErrorHandler(&errors);
        ResetAllSimulation();
        SetScreens(&screens);
        SetStringsFile(dir.Write("strings.ini", "[strings]\nHINT_TITLE=Tip\nHINT_DISCLAIMER=Once only\n"));
    }
    void TearDown() override {
        ResetHints();
        ResetIconPositions();
        ResetPlayerOptions();
        ResetAllSimulation();
        SetScreens(nullptr);
        SetErrorHandler(previous_);
        ClearTranslations();
        SetStringsFile(kStringsFile);
    }
    std::string OptionsFile() const { return dir.path() + "/player_options.txt"; }

    TempDir dir;
    ThrowingErrorHandler errors;
    SIM_HeadlessScreens screens;

private:
    ErrorHandler* previous_ = nullptr;
};

using PlayerOptionsFile = PersistFiles;

TEST_F(PlayerOptionsFile, FirstStartWritesTheDefaultsAndANineDigitIdentifier) {
    LoadPlayerOptions(dir.path());
    const SIM_PlayerOptions& o = PlayerOptions();
    EXPECT_TRUE(std::regex_match(o.id, std::regex("[0-8]{9}"))) << o.id;
    EXPECT_EQ(ReadWholeFile(OptionsFile()),
              "[config]\nMASTERVOLUME = 1.00\nMUSICVOLUME = 1.00\nDIFFICULTY = 0.50\nMOUSESPEED = 0.50\n\n"
              "[toggles]\nENABLEMUSIC = 1\nENABLEAUTOSAVE = 1\n\n[ID]\nid = " + o.id + "\n");
    EXPECT_FLOAT_EQ(o.PointerSpeedFactor(), 0.5f * 2.5f + 0.6f);

    // The identifier is written back, so the next start keeps it.
    const std::string first = o.id;
    LoadPlayerOptions(dir.path());
    EXPECT_EQ(PlayerOptions().id, first);
}

// The game seeds its generator once at start-up; reading the options (and making an identifier)
// must neither reseed it nor draw from it.
TEST_F(PlayerOptionsFile, ReadingTheOptionsLeavesTheGamesRandomSequenceAlone) {
    SeedRandom(4242);
    LoadPlayerOptions(dir.path());
    const std::string first = PlayerOptions().id;
    EXPECT_EQ(RandomState(), 4242u);
    LoadPlayerOptions(dir.path());  // read back, as on every later start
    EXPECT_EQ(RandomState(), 4242u);
    // Another player's first start, at the same moment and seed, gets another identifier.
    TempDir other;
    LoadPlayerOptions(other.path());
    EXPECT_NE(PlayerOptions().id, first);
    EXPECT_EQ(RandomState(), 4242u);
}

TEST_F(PlayerOptionsFile, MissingKeysAndShortIdentifiersReadAsDocumented) {
    // Missing floats read 0.5, missing or zero switches read off, a damaged number reads 0.
    dir.Write("player_options.txt", "[config]\nMASTERVOLUME = 0.8\nMOUSESPEED = fast\n[toggles]\n"
                                    "ENABLEMUSIC = 0\n[ID]\nid = 123456\n");
    LoadPlayerOptions(dir.path());
    const SIM_PlayerOptions& o = PlayerOptions();
    EXPECT_FLOAT_EQ(o.masterVolume, 0.8f);
    EXPECT_FLOAT_EQ(o.musicVolume, 0.5f);
    EXPECT_FLOAT_EQ(o.difficulty, 0.5f);
    EXPECT_FLOAT_EQ(o.mouseSpeed, 0.0f);
    EXPECT_FALSE(o.musicOn);
    EXPECT_FALSE(o.autosaveOn);
    EXPECT_TRUE(std::regex_match(o.id, std::regex("[0-8]{9}"))) << "six characters are made anew: " << o.id;

    dir.Write("player_options.txt", "[toggles]\nENABLEAUTOSAVE = 2\n[ID]\nid = abc9999\n");
    LoadPlayerOptions(dir.path());
    EXPECT_EQ(PlayerOptions().id, "abc9999");
    EXPECT_TRUE(PlayerOptions().autosaveOn);
    EXPECT_FALSE(PlayerOptions().musicOn);
}

TEST_F(PlayerOptionsFile, ChangesSurviveASaveAndAFailedSaveKeepsTheOldFile) {
    LoadPlayerOptions(dir.path());
    PlayerOptions().musicVolume = 0.25f;
    PlayerOptions().autosaveOn = false;
    ASSERT_TRUE(SavePlayerOptions());
    const std::string saved = ReadWholeFile(OptionsFile());
    LoadPlayerOptions(dir.path());
    EXPECT_FLOAT_EQ(PlayerOptions().musicVolume, 0.25f);
    EXPECT_FALSE(PlayerOptions().autosaveOn);

    PlayerOptions().path = dir.path() + "/no-such-folder/player_options.txt";
    EXPECT_FALSE(SavePlayerOptions());
    EXPECT_EQ(ReadWholeFile(OptionsFile()), saved);
}

class HintsTest : public PersistFiles {
protected:
    void SetUp() override {
        PersistFiles::SetUp();
        catalogue = dir.Write("hints.csv",
                              "comment line\n"
                              "#,gig,Watch the crowd.,100,120,0,a,,b,c\n"
                              "#,no_money,Out of cash.,50,60,1,,,,\n"
                              "#,timed_audition,Hire someone.,10,20,1,,,,\n"
                              "#,need_more_songs,Write more.,0,0,1,,,,\n"
                              "#,shopping,Buy things.,30,40,0,,shop hook,,\n");
        dir.Write("hints.txt", "[hints]\ngig = 0\nshopping = 1\n");
        LoadHints(dir.path(), catalogue);
    }
    std::vector<std::string> Windows() const {
        std::vector<std::string> out;
        for (const std::string& e : screens.events)
            if (e.rfind("hint window ", 0) == 0) out.push_back(e.substr(12));
        return out;
    }
    std::string catalogue;
};

TEST_F(HintsTest, CatalogueAndSeenFlagsAreRead) {
    ASSERT_EQ(Hints().size(), 5u);
    const SIM_Hint& gig = Hints()[0];
    EXPECT_EQ(gig.text, "Watch the crowd.");
    EXPECT_EQ(gig.x, 100);
    EXPECT_EQ(gig.y, 120);
    EXPECT_FALSE(gig.deferred);
    EXPECT_EQ(gig.field6 + gig.field8 + gig.field9, "abc");
    EXPECT_TRUE(Hints()[1].deferred);
    EXPECT_TRUE(Hints()[4].seen);
    EXPECT_EQ(Hints()[4].hook, "shop hook");
}

TEST_F(HintsTest, AHintOpensOnceAndItsSeenFlagIsWrittenAsItOpens) {
    EXPECT_TRUE(TriggerHint("gig"));
    EXPECT_FALSE(TriggerHint("gig"));
    EXPECT_FALSE(TriggerHint("shopping"));  // seen in an earlier session: its hook does not run either
    EXPECT_EQ(Windows(), std::vector<std::string>{"gig"});
    EXPECT_EQ(ReadWholeFile(dir.path() + "/hints.txt"),
              "[hints]\ngig = 1\nno_money = 0\ntimed_audition = 0\nneed_more_songs = 0\nshopping = 1\n");
    // A later session remembers it.
    LoadHints(dir.path(), catalogue);
    EXPECT_FALSE(TriggerHint("gig"));
}

TEST_F(HintsTest, DeferredHintsWaitForTheDailyOptionsToClose) {
    EXPECT_TRUE(TriggerHint("no_money"));
    EXPECT_TRUE(TriggerHint("timed_audition"));
    EXPECT_FALSE(TriggerHint("no_money"));
    EXPECT_TRUE(Windows().empty());
    ShowQueuedHints();
    EXPECT_EQ(Windows(), (std::vector<std::string>{"no_money", "timed_audition"}));
    EXPECT_TRUE(QueuedHints().empty());
    ShowQueuedHints();
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(HintsTest, TheWindowCarriesTheTextsAndRunsTheHook) {
    struct Capture : SIM_HeadlessScreens {
        void OpenHintHelp(const SIM_HintHelpModel& hint) override { shown.push_back(hint); }
        std::vector<SIM_HintHelpModel> shown;
    } capture;
    SetScreens(&capture);
    int hookRuns = 0;
    GetFunctionTable().RegisterHook("shop hook", [&] { ++hookRuns; });
    dir.Write("hints.txt", "");
    LoadHints(dir.path(), catalogue);
    ASSERT_TRUE(TriggerHint("shopping"));
    ASSERT_EQ(capture.shown.size(), 1u);
    EXPECT_EQ(capture.shown[0].title, "Tip");
    EXPECT_EQ(capture.shown[0].disclaimer, "Once only");
    EXPECT_EQ(capture.shown[0].text, "Buy things.");
    EXPECT_EQ(capture.shown[0].x, 30);
    EXPECT_EQ(capture.shown[0].y, 40);
    EXPECT_EQ(hookRuns, 1);
    SetScreens(&screens);
}

TEST_F(HintsTest, AnUnknownKeyIsFatal) {
    EXPECT_THROW(TriggerHint("no such hint"), FatalErrorException);
}

TEST_F(HintsTest, EndOfDayHintsFollowTheDayTheBandAndTheCash) {
    RegisterHints();
    int members = 0, songs = 0;
    WorldSeams().bandMemberCount = [&] { return members; };
    WorldSeams().songCount = [&] { return songs; };
    GetFinances().cash = 100.0f;
    auto hintsOn = [&](int turn) {
        screens.events.clear();
        GetSIM().turncount = turn;
        RunSeam(WorldSeams().checkDayHints);
        return screens.events;
    };
    EXPECT_EQ(hintsOn(4), std::vector<std::string>{"hint timed_audition"});
    EXPECT_TRUE(hintsOn(5).empty());
    members = 1;
    EXPECT_TRUE(hintsOn(4).empty());
    songs = 5;
    EXPECT_TRUE(hintsOn(20).empty());
    songs = 4;
    EXPECT_EQ(hintsOn(20), std::vector<std::string>{"hint need_more_songs"});
    GetFinances().cash = 4.99f;
    EXPECT_EQ(hintsOn(21), std::vector<std::string>{"hint no_money"});
}

TEST(ShippedHints, EveryKeyTheGameAsksForIsInTheCatalogue) {
    ResetHints();
    LoadHints("/nonexistent", "data/simulation/hints.csv");
    for (const char* key :
         {"album details", "album listen", "audition picker", "audition", "band icon", "book gig", "venue_boredom",
          "cd mixing", "daily options", "introduction", "gig", "gig fame boost", "timed_audition", "need_more_songs",
          "no_money", "songnotes", "jigsaw dropped", "jigsaw accent", "songwriting", "song edit name", "song entry",
          "new album", "other gig", "practice", "rehearsals", "rehearsal post mortem", "song details",
          "new game screen", "engineer_low_fame", "purchase_instrument", "purchase_album", "shopping",
          "classic song", "audition_button"}) {
        const auto& hints = Hints();
        const auto hint = std::find_if(hints.begin(), hints.end(), [&](const SIM_Hint& h) { return h.key == key; });
        ASSERT_NE(hint, hints.end()) << key;
        EXPECT_FALSE(hint->text.empty()) << key;
        EXPECT_TRUE(hint->x >= 0 && hint->x + 300 <= 1024 && hint->y >= 0 && hint->y + 200 <= 768) << key;
    }
    // A hint's hook runs as its window opens: an unknown one would end the game.
    for (const SIM_Hint& hint : Hints()) {
        EXPECT_TRUE(hint.hook.empty() || GetFunctionTable().HasHook(hint.hook)) << hint.key << ": " << hint.hook;
        EXPECT_LE(hint.text.size(), 240u) << hint.key << " does not fit its window";
    }
    ResetHints();
}

using IconLayout = PersistFiles;

TEST_F(IconLayout, ShortLinesAreSkippedAndSavesRewriteTheTable) {
    dir.Write("icon_positions.txt", "band,300,200\n\n12\nab\nshop,400,500\r\n");
    LoadIconPositions(dir.path());
    ASSERT_EQ(IconPositions().size(), 2u);
    EXPECT_EQ(IconPositions()[1].name, "shop");
    EXPECT_EQ(IconPositions()[1].y, 500);

    SIM_IconPlacement gig{"gig", 0, 0, 64, 64};
    PlaceIcon(gig, {});
    EXPECT_TRUE(gig.x >= kIconAreaLeft && gig.x + 64 <= kIconAreaRight) << gig.x;
    SIM_IconPlacement shop{"shop", 0, 0, 64, 64};
    PlaceIcon(shop, {});
    EXPECT_EQ(shop.x, 400);
    EXPECT_EQ(shop.y, 500);

    ASSERT_TRUE(SaveIconPositions({shop, {"gig", 240, 75, 64, 64}}));
    EXPECT_EQ(ReadWholeFile(dir.path() + "/icon_positions.txt"), "shop,400,500\ngig,240,75\n");
    LoadIconPositions(dir.path());
    ASSERT_EQ(IconPositions().size(), 2u);
    EXPECT_EQ(IconPositions()[1].x, 240);
}

TEST_F(IconLayout, ANewIconAvoidsTheOthers) {
    LoadIconPositions(dir.path());  // no file yet
    SeedRandom(3);
    // A wall over the left half of the area: nearly every try would land on it.
    std::vector<SIM_IconPlacement> desktop = {{"wall", kIconAreaLeft, kIconAreaTop, 320, 620}, {"new", 0, 0, 50, 50}};
    PlaceIcon(desktop[1], desktop);
    const SIM_IconPlacement& placed = desktop[1];
    EXPECT_GE(placed.x, kIconAreaLeft + 320);
    EXPECT_LE(placed.x + 50, kIconAreaRight);
    EXPECT_GE(placed.y, kIconAreaTop);
    EXPECT_LE(placed.y + 50, kIconAreaBottom);
}

}  // namespace
