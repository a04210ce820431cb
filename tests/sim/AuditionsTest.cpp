// Personalities, names, portraits, auditions and the members' remarks.
#include "LibDebugLog.h"
#include "LibRandom.h"
#include "PeopleTestSupport.h"
#include "SIM_Auditions.h"
#include "SIM_CareerHistory.h"
#include "SIM_Commenter.h"
#include "SIM_DailyOptions.h"
#include "SIM_Finances.h"
#include "SIM_Names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> Said() {
    std::vector<std::string> texts;
    for (const SIM_Message& m : GetDailyOptions().Messages()) texts.push_back(m.text);
    return texts;
}

// ---- Personalities --------------------------------------------------------------------

TEST_F(PeopleTest, PersonalitiesAreFoundByTheirTrimmedName) {
    SetDebugLogPath(dir.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    ASSERT_NE(FindPersonality("lazy"), nullptr);
    EXPECT_EQ(FindPersonality("lazy")->label, "Lazy");  // the first of two rows wins
    EXPECT_EQ(FindPersonality("charismatic"), nullptr);  // its cell starts with a blank
    EXPECT_EQ(FindPersonality(" charismatic")->label, "Charismatic");
    EXPECT_EQ(FindPersonality("lazy")->DescribeFor("Ada", 1), "Ada sleeps; she snores");
    EXPECT_EQ(FindPersonality("energetic")->DescribeFor("Bo", 0), "Bouncy");
    CloseDebugLog();
    SetDebugLogPath("./debugdata/debug.txt");
    EXPECT_NE(ReadWholeFile(dir.path() + "/debug.txt").find("failed to find personality: (charismatic)"),
              std::string::npos);

    SIM_Musician& vain = WithTraits(CreateMusician(), {"egotistical"});
    EXPECT_GE(vain.ego, 1.25f);
    EXPECT_LE(vain.ego, 1.45f);
    EXPECT_TRUE(vain.HasTrait("egotistical"));
    EXPECT_FALSE(vain.HasTrait("Egotistical"));

    DestroyAllPersonalities();
    EXPECT_EQ(FindPersonality("lazy"), nullptr);
    EXPECT_EQ(errors.assertions, 1);  // searching an empty list is reported
}

// ---- Names ----------------------------------------------------------------------------

TEST_F(PeopleTest, NameCataloguesAndLists) {
    const std::string folder = dir.path() + "/names";
    dir.Write("names/surnames.csv", "S\n#,Ashgrove\n#,Brackenbury \n");
    dir.Write("names/maleforenames.csv", "M\n#,Aldo\n");
    dir.Write("names/femaleforenames.csv", "F\n#,Bryony\n");
    dir.Write("names/band_names.txt", "The Foggy Pylons\r\n\nMoth Parade\n");
    SIM_Names& names = GetNames();
    names.LoadNames(folder);
    EXPECT_EQ(names.RandomForename(0), "Aldo");
    EXPECT_EQ(names.RandomForename(1), "Bryony");
    EXPECT_EQ(names.surnames, (std::vector<std::string>{"Ashgrove", "Brackenbury"}));

    SIM_NamesList& lists = GetNamesList();
    lists.folder = folder;
    const std::string band = lists.RandomName(NAMES_BAND);
    EXPECT_TRUE(band == "The Foggy Pylons" || band == "Moth Parade") << band;
    EXPECT_EQ(lists.RandomName(NAMES_SONG), "");  // no such file: nothing to draw
    lists.RemoveName(NAMES_BAND, "Moth Parade");
    EXPECT_EQ(lists.RandomName(NAMES_BAND), "The Foggy Pylons");
    lists.RemoveName(NAMES_BAND, "The Foggy Pylons");
    dir.Write("names/song_names.txt", "Lantern Hum\n");
    EXPECT_EQ(lists.RandomName(NAMES_SONG), "Lantern Hum");  // an emptied list is read again...
    EXPECT_TRUE(lists.lists[NAMES_BAND].empty());             // ...and only that one
    EXPECT_FALSE(lists.RandomName(NAMES_BAND).empty());

    dir.Write("names/maleforenames.csv", "M\n");
    EXPECT_THROW(names.LoadNames(folder), FatalErrorException);
}

// ---- Portraits ------------------------------------------------------------------------

TEST_F(PeopleTest, PortraitsComeFromTheNeutralFaces) {
    for (const char* f : {"male_portraits/p1_neutral.jpg", "male_portraits/p1_happy.jpg", "male_portraits/p1_sad.jpg",
                          "male_portraits/p2_grey_neutral.jpg", "male_portraits/notes.txt"})
        dir.Write("bitmaps/" + std::string(f), "x");
    dir.Write("user/mods/portraits_m/mine_neutral.jpg", "x");
    dir.Write("user/mods/portraits_f/her_neutral.jpg", "x");
    SIM_PortraitDatabase& db = GetPortraitDatabase();
    db.builtInFolder = dir.path() + "/bitmaps";
    db.userFolder = dir.path() + "/user";
    db.LoadPortraits();
    EXPECT_EQ(db.male, (std::vector<std::string>{"male_portraits/p1", "mods/portraits_m/mine"}));
    EXPECT_EQ(db.female, std::vector<std::string>{"mods/portraits_f/her"});
    EXPECT_EQ(PortraitBaseOf("a_neutral_grey.jpg"), "");

    db.MarkPortraitUsed("mods/portraits_m/mine");
    EXPECT_EQ(db.RandomPortrait(0), "male_portraits/p1");
    EXPECT_TRUE(db.freshMale.empty());
    const std::string again = db.RandomPortrait(7);  // no fresh face left: faces repeat
    EXPECT_NE(std::find(db.male.begin(), db.male.end(), again), db.male.end()) << again;
    EXPECT_EQ(db.RandomPortrait(1), "mods/portraits_f/her");

    db.builtInFolder = dir.path() + "/nothing";
    db.userFolder.clear();
    db.LoadPortraits();
    // Without pictures people go without a face, but the draw is taken all the same: a career
    // must not change with the pictures installed.
    const std::uint32_t state = RandomState();
    EXPECT_EQ(db.RandomPortrait(1), "");
    RandomInt();
    const std::uint32_t afterTwo = RandomState();
    SetRandomState(state);
    RandomInt();
    RandomInt();
    EXPECT_EQ(afterTwo, RandomState());
    EXPECT_EQ(errors.assertions, 0);
}

// ---- Auditions ------------------------------------------------------------------------

class AuditionTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        file = dir.Write("auditionees.csv", "A\n"
                                            "#,DRUMS,MALE,backbeat,0.5,sticks,lazy,abc,energetic\n"
                                            "#,DRUMS,FEMALE,fill,0.8,sticks,peacemaker\n"
                                            "#,DRUMS,MALE,roll,0.6,sticks\n"
                                            "#,GUITAR,FEMALE,riff,0.7,axe\n");
        LoadAuditionees(file);
        PeopleSeams().findAsset = [](const std::string&) { return nullptr; };
    }
    std::string file;
};

TEST_F(AuditionTest, RecordsKeepTheirTraitsAndCandidatesScaleWithTheBand) {
    const auto& records = AllAuditionees();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0]->instrument, INSTRUMENT_DRUMS);
    EXPECT_EQ(records[0]->gender, 0);
    EXPECT_EQ(records[1]->gender, 1);
    EXPECT_EQ(records[0]->traitNames, (std::vector<std::string>{"lazy", "energetic"}));
    EXPECT_GE(records[0]->potential, 0.85f);
    EXPECT_LT(records[0]->potential, 1.0f);

    PeopleSeams().findAsset = nullptr;  // no asset catalogue: no starting instrument, no complaint
    GetMilo().instrument = INSTRUMENT_DRUMS;  // the player's skill there is 0
    SIM_Musician* guitarist = MakeCandidate(INSTRUMENT_GUITAR);
    ASSERT_NE(guitarist, nullptr);
    EXPECT_FLOAT_EQ(guitarist->ability, 0.07f);  // musicianship 0 counts as 0.1
    EXPECT_EQ(guitarist->instrument, INSTRUMENT_GUITAR);
    EXPECT_EQ(AllAuditionees().size(), 3u);  // the record is used up
    EXPECT_EQ(errors.assertions, 0);

    // The only guitar record is gone: the catalogue is read again.
    EXPECT_NE(MakeCandidate(INSTRUMENT_GUITAR), nullptr);
    EXPECT_EQ(MakeCandidate(INSTRUMENT_SAXOPHONE), nullptr);
    PeopleSeams().findAsset = [](const std::string&) { return nullptr; };
    MakeCandidate(INSTRUMENT_DRUMS);
    EXPECT_EQ(errors.assertions, 1);  // a starting instrument the catalogue lacks

    // A trait the catalogue lacks stays on the record and is reported when he is made.
    PeopleSeams().findAsset = nullptr;
    LoadAuditionees(dir.Write("odd.csv", "A\n#,BASS,MALE,groove,0.5,bass,peacemaker,nonsense\n"));
    ASSERT_EQ(AllAuditionees().size(), 1u);
    EXPECT_EQ(AllAuditionees()[0]->traitNames, (std::vector<std::string>{"peacemaker", "nonsense"}));
    SIM_Musician* bassist = MakeCandidate(INSTRUMENT_BASS);
    ASSERT_NE(bassist, nullptr);
    EXPECT_EQ(errors.assertions, 2);
    EXPECT_EQ(bassist->personalities, std::vector<SIM_Personality*>{FindPersonality("peacemaker")});
}

TEST_F(AuditionTest, PickerPaysShowsAndReleasesCandidates) {
    SetTuning("AUDITION_COST=100\nRS_CHEMISTRY_CLASH_THRESHOLD=0.6\nRS_CHEMISTRY_MATCH_THRESHOLD=0.2\n");
    GetFinances().cash = 99.0f;
    SIM_AuditionPicker& picker = GetAuditionPicker();
    EXPECT_FALSE(picker.Open(INSTRUMENT_DRUMS));
    GetFinances().cash = 100.0f;  // exactly the fee is enough
    ASSERT_TRUE(picker.Open(INSTRUMENT_DRUMS));
    EXPECT_FLOAT_EQ(GetFinances().cash, 0.0f);
    EXPECT_NE(std::find(screens.calls.begin(), screens.calls.end(), "sound data/sounds/cash.ogg"), screens.calls.end());
    ASSERT_EQ(picker.cards.size(), 3u);
    float top = 0.0f;
    for (const auto& card : picker.cards) top = std::max(top, card.abilityBar);
    EXPECT_FLOAT_EQ(top, 1.0f);
    EXPECT_EQ(AllMusicians().size(), 3u);

    EXPECT_FALSE(picker.Reject(0));
    EXPECT_EQ(picker.Hire(0), nullptr);  // rejected already
    EXPECT_EQ(GetCareerHistory().pending, 0u);
    SIM_Musician* hired = picker.Hire(1);
    ASSERT_NE(hired, nullptr);
    EXPECT_EQ(GetCareerHistory().pending, kMarkHire);
    EXPECT_TRUE(GetBand().IsMember(hired));
    EXPECT_FALSE(picker.IsOpen());
    EXPECT_EQ(AllMusicians(), std::vector<SIM_Musician*>{hired});  // the others are gone

    GetFinances().cash = 100.0f;
    LoadAuditionees(file);
    ASSERT_TRUE(picker.Open(INSTRUMENT_DRUMS));
    for (int i = 0; i < 3; ++i) picker.Reject(i);
    EXPECT_FALSE(picker.IsOpen());
    EXPECT_EQ(AllMusicians().size(), 1u);
}

TEST_F(AuditionTest, NobodyToAuditionCostsNothingAndEachVerdictCountsOnce) {
    SetTuning("AUDITION_COST=100\n");
    GetFinances().cash = 150.0f;
    SIM_AuditionPicker& picker = GetAuditionPicker();
    const auto sounds = [&](const std::string& name) {
        return std::count(screens.calls.begin(), screens.calls.end(), "sound data/sounds/" + name);
    };
    // The catalogue has no saxophonist: no candidate, no fee, no till.
    EXPECT_FALSE(picker.Open(INSTRUMENT_SAXOPHONE));
    EXPECT_FALSE(picker.IsOpen());
    EXPECT_FLOAT_EQ(GetFinances().cash, 150.0f);
    EXPECT_EQ(sounds("cash.ogg"), 0);

    ASSERT_TRUE(picker.Open(INSTRUMENT_DRUMS));
    EXPECT_FLOAT_EQ(GetFinances().cash, 50.0f);
    for (const auto& card : picker.cards) EXPECT_TRUE(IsWaitingCandidate(card.musician));
    // A second rejection of the same card sighs no more and does not end the audition.
    EXPECT_FALSE(picker.Reject(2));
    EXPECT_FALSE(picker.Reject(2));
    EXPECT_EQ(sounds("male_sigh.ogg"), 1);
    EXPECT_TRUE(picker.IsOpen());
    // A second hire finds the audition over: one member, the others gone.
    SIM_Musician* hired = picker.Hire(0);
    ASSERT_NE(hired, nullptr);
    EXPECT_EQ(picker.Hire(0), nullptr);
    EXPECT_EQ(picker.Hire(1), nullptr);
    EXPECT_EQ(GetBand().members, std::vector<SIM_Musician*>{hired});
    EXPECT_EQ(AllMusicians(), std::vector<SIM_Musician*>{hired});
    EXPECT_FALSE(IsWaitingCandidate(hired));
    EXPECT_TRUE(picker.Reject(1));  // the audition is over: nothing to reject, no sigh
    EXPECT_EQ(sounds("male_sigh.ogg"), 1);
    EXPECT_FLOAT_EQ(GetFinances().cash, 50.0f);
}

TEST_F(AuditionTest, AdviceKeepsTheTwoStrongestPairs) {
    SetTuning("RS_CHEMISTRY_CLASH_THRESHOLD=0.6\nRS_CHEMISTRY_MATCH_THRESHOLD=0.2\n");
    SetStringsFile(dir.Write("advice.ini", "[strings]\nADVICE_CHEMISTRY_CLASH=<NAME> clashes\n"
                                           "ADVICE_CHEMISTRY_MATCH=<NAME> fits\n"));
    Join(0.0f);
    Join(1.0f);
    SIM_AuditionPicker& picker = GetAuditionPicker();
    ASSERT_TRUE(picker.Open(INSTRUMENT_DRUMS));
    ASSERT_EQ(picker.cards.size(), 3u);
    const float chemistry[3] = {0.9f, 0.1f, 0.5f};
    for (std::size_t i = 0; i < 3; ++i) {
        picker.cards[i].musician->chemistry = chemistry[i];
        picker.cards[i].musician->fullname = "C" + std::to_string(i);
    }
    // Every recorded pair has strength 0.9; later equals never displace the first two.
    picker.BuildAdvice();
    EXPECT_EQ(picker.AdviceLines(), (std::vector<std::string>{"\"C0 clashes\"", "\"C1 fits\""}));
    Join(0.95f);  // 0.05 from C0: a stronger match pushes the others down
    picker.BuildAdvice();
    EXPECT_EQ(picker.AdviceLines(), (std::vector<std::string>{"\"C0 fits\"", "\"C0 clashes\""}));
    picker.Close();
}

// ---- Remarks --------------------------------------------------------------------------

TEST_F(PeopleTest, RemarksWearOutAndRecover) {
    SetTuning("RS_LOW_MOTIVE_COMMENT=0.5\nRS_COMMENT_REPETITION_KNOCKBACK=1\nRS_COMMENT_REPETITION_DECAY=0.1\n"
              "RS_COMMENT_INSPIRE_HIGH=0.99\n");
    SIM_Musician& m = Join();
    m.happiness = 0.06f;  // raw priority (0.5 - 0.06) / 0.5 = 0.88
    SIM_Commenter& voice = *m.commenter;
    voice.DailyComment();
    EXPECT_EQ(Said(), std::vector<std::string>{"\"Why bother\""});
    EXPECT_FLOAT_EQ(voice.repetition[COMMENT_LOW_MOTIVATION], 1.0f);
    GetDailyOptions().ClearMessages();
    voice.DailyComment();
    EXPECT_TRUE(Said().empty());  // 0.88 - 0.9
    voice.DailyComment();
    ASSERT_EQ(voice.candidates.size(), 1u);
    EXPECT_NEAR(voice.candidates[0].priority, 0.08f, 1e-5f);  // 0.88 - 0.8

    m.happiness = 0.5f;  // exactly at the limit: nothing to say
    voice.candidates.clear();
    voice.EvaluateComment(COMMENT_LOW_MOTIVATION);
    EXPECT_TRUE(voice.candidates.empty());
}

TEST_F(PeopleTest, BandWideRemarksHoldEveryoneBack) {
    SetTuning("RS_COMMENT_REPETITION_KNOCKBACK=1\nHYPE_LOW_COMMENT=0.5\n");
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    a.commenter->Speak(SIM_CommentCandidate{COMMENT_NEED_HYPE, 0.8f, {}});
    EXPECT_FLOAT_EQ(a.commenter->repetition[COMMENT_NEED_HYPE], 1.0f);
    EXPECT_FLOAT_EQ(b.commenter->repetition[COMMENT_NEED_HYPE], 1.0f);
    a.commenter->Speak(SIM_CommentCandidate{COMMENT_STRESS, 0.8f, {}});
    a.commenter->Speak(SIM_CommentCandidate{COMMENT_STRESS, 0.8f, {}});
    EXPECT_FLOAT_EQ(a.commenter->repetition[COMMENT_STRESS], 2.0f);  // clamped only by the next decay
    EXPECT_FLOAT_EQ(b.commenter->repetition[COMMENT_STRESS], 0.0f);

    PeopleSeams().bookedGigCount = [] { return 1; };
    EXPECT_FLOAT_EQ(b.commenter->RawPriority(COMMENT_NEED_HYPE, nullptr), 1.0f);
    PeopleSeams().gigToday = [] { return true; };
    EXPECT_FLOAT_EQ(b.commenter->RawPriority(COMMENT_NEED_HYPE, nullptr), 0.0f);
}

TEST_F(PeopleTest, RehearsalRemarksAndQueuedRemarks) {
    SIM_OptionSubject rehearsal;
    SIM_Musician& m = Join();
    m.commenter->RehearsalComment(&rehearsal);
    EXPECT_EQ(Said(), std::vector<std::string>{"\"That will do\""});
    GetDailyOptions().ClearMessages();
    m.commenter->repetition[COMMENT_DEFAULT_REHEARSAL] = 0.5f;
    m.commenter->RehearsalComment(&rehearsal);
    EXPECT_TRUE(Said().empty());

    GetBand().Name = "Moth Parade";
    m.commenter->QueueComment(COMMENT_GOOD_ATTENDANCE, 0.0f);  // priority 0: nothing queued
    m.commenter->QueueComment(COMMENT_KEYED, 0.6f, "GIG_TALK");
    m.commenter->QueueComment(COMMENT_POOR_ATTENDANCE, 0.6f);  // not strictly higher: the first stays
    EXPECT_EQ(m.commenter->queued.size(), 2u);
    m.commenter->DailyComment();
    EXPECT_EQ(Said(), std::vector<std::string>{"\"Moth Parade rocked\""});
    EXPECT_TRUE(m.commenter->queued.empty());
}

TEST_F(PeopleTest, DemandsAndSongRemarksFillTheirBlanks) {
    SetTuning("RS_POSSESION_RESENT_COMMENT_MIN=0.1\nCOMMENT_SONG_BOREDOM=0.5\n");
    SIM_Musician& m = Join();
    m.resentment = 0.6f;
    // Wanting nothing in particular yet, he has no demand to make.
    EXPECT_FLOAT_EQ(m.commenter->RawPriority(COMMENT_POSSESSION_DEMAND, nullptr), 0.0f);
    m.commenter->Speak(SIM_CommentCandidate{COMMENT_POSSESSION_DEMAND, 0.6f, {}});
    EXPECT_TRUE(Said().empty());
    int van = 0;
    PeopleSeams().describeAsset = [](const SIM_Asset*) {
        SIM_AssetFacts facts;
        facts.kind = "Van";
        return facts;
    };
    m.wantedAsset = reinterpret_cast<SIM_Asset*>(&van);
    EXPECT_FLOAT_EQ(m.commenter->RawPriority(COMMENT_POSSESSION_DEMAND, nullptr), 0.6f);
    m.commenter->Speak(SIM_CommentCandidate{COMMENT_POSSESSION_DEMAND, 0.6f, {}});
    EXPECT_EQ(Said(), std::vector<std::string>{"\"COMMENT_POSSESION_DEMAND_VAN\""});  // no text: the key shows

    GetDailyOptions().ClearMessages();
    PeopleSeams().mostBoredSong = [](std::string& name, float& boredom) {
        name = "Slow Bus Home";
        boredom = 0.6f;
        return true;
    };
    EXPECT_FLOAT_EQ(m.commenter->RawPriority(COMMENT_SONGS_BORED, nullptr), 1.2f);
    m.commenter->Speak(SIM_CommentCandidate{COMMENT_SONGS_BORED, 1.0f, {}});
    EXPECT_EQ(Said(), std::vector<std::string>{"\"Not Slow Bus Home again\""});
}

TEST_F(PeopleTest, RelationshipRemarkNamesTheNemesis) {
    SetTuning("RS_RELATE_LOW_COMMENT=-0.5\nRS_RELATE_HIGH_COMMENT=2\n");
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    b.forename = "Wren";
    b.gender = 1;
    FindRelationship(&a, &b)->value = -0.7f;
    EXPECT_FLOAT_EQ(a.commenter->RawPriority(COMMENT_LOW_RELATIONSHIP, nullptr), 0.7f);
    a.commenter->Speak(SIM_CommentCandidate{COMMENT_LOW_RELATIONSHIP, 0.7f, {}});
    EXPECT_EQ(Said(), std::vector<std::string>{"\"Wren again; she never stops\""});
    EXPECT_EQ(GetDailyOptions().Messages()[0].owner, &a);
}

}  // namespace

namespace {

// The catalogues the game ships (staged into the run folder) must use the code's words.
TEST_F(PeopleTest, ShippedCataloguesFitTheCode) {
    LoadPeopleData("data/simulation");
    for (const char* trait : {"lazy", "energetic", "optimistic", "pessimistic", "egotistical", "ambitious",
                              "imaginitive", "charismatic", "destructive", "peacemaker", "disruptor", "businessman"})
        EXPECT_NE(FindPersonality(trait), nullptr) << trait;
    LoadAuditionees("data/simulation/auditionees.csv");
    std::size_t perInstrument[kInstrumentCount] = {};
    for (const auto& record : AllAuditionees()) {
        ++perInstrument[record->instrument];
        EXPECT_FALSE(record->forename.empty());
        EXPECT_GT(record->ability, 0.0f);
    }
    for (std::size_t count : perInstrument) EXPECT_GE(count, 3u);  // a full audition for each
    GetBand().LoadBandData("data/simulation/band.csv");
    for (const char* value : {"band_hype", "band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
                              "band_live_experience", "band_motivation"})
        EXPECT_TRUE(GetBand().bandValues.Exists(value)) << value;
    for (int list : {NAMES_BAND, NAMES_ALBUM, NAMES_SONG}) EXPECT_FALSE(RandomName(list).empty());
    EXPECT_EQ(errors.assertions, 0);
}

}  // namespace
