// Readiness records, the rehearsal rooms and what a rehearsal does to the band.
#include "LibRandom.h"
#include "PeopleTestSupport.h"
#include "SIM_DailyOptions.h"
#include "SIM_Finances.h"
#include "SIM_Rehearsal.h"
#include "SIM_Song.h"

#include <algorithm>
#include <cmath>

namespace {
// Two rooms with fame ranges 0..49 and 50..500, and a third that only rents and stresses.
const char* kVenues =
    "Rooms\n"
    "#,shed,Shed,Cold,1,0,49,0,shed.jpg,,\"band_rehearsal,0.25,1\",\"band_stress,0.1,0.9\",\"glob_ignored,1,1\",#\n"
    "#,hall,Hall,Big,3,50,500,40,hall.jpg,,\"band_rehearsal,0.5,1\",#\n"
    "#,cellar,Cellar,Damp,2,600,700,10,cellar.jpg,,\"band_stress,-0.2,0.9\",#\n";
}  // namespace

class RehearsalTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        RegisterSongs();
        RegisterRehearsals();
        SetTuning("RS_STARTINGCASH=1000\nRS_LAZY_REHEARSAL_CHANCE=1\nRS_MOTIVATION_DEGRADE=0.9\n"
                  "REHEARSAL_CANCELLED_DEMOTIVATION=-0.1\nRS_REHEARSAL_NOSHOW_RELATE_DAMAGE=-0.2\n"
                  "_REHEARSAL_DEGRADE=0.5\nRS_MOTIVE_EFFECT_REHEARSAL=0.1\nRS_MOTIVE_EFFECT_REHEARSAL_MIN=-0.15\n"
                  "RS_MOTIVE_EFFECT_REHEARSAL_MAX=0.15\nRS_BOREDOM_REDUCT_REHEARSAL=0.2\n"
                  "RS_REHEARSAL_LOWMOTIV=0.3\nRS_REHEARSAL_HIGHMOTIV=0.7\nRS_BUSINESS_DISCOUNT=10\n");
        SetStringsFile(dir.Write("rehearsal.ini", "[strings]\nREHEARSAL_SUMMARY_NOSHOW=Missing:\n"
                                                  "REHEARSAL_SUMMARY_LOWMOTIVATION=low\n"
                                                  "REHEARSAL_SUMMARY_MEDMOTIVATION=medium\n"
                                                  "REHEARSAL_SUMMARY_HIGHMOTIVATION=high\n"
                                                  "REHEARSAL_COMMENT_TITLE=<NAME> says\n"
                                                  "REHEARSAL_MOTIVATION_EFFECT=Motivation\n"
                                                  "REHEARSAL_STRESS_EFFECT=Stress\n"
                                                  "REHEARSAL_REHEARSAL_EFFECT=Rehearsal\n"
                                                  "[REHEARSAL_COMMENT_CANCELLED]\n0=Where were you?\n"));
        LoadRehearsalVenues(dir.Write("rehearsals.csv", kVenues));
        GetFinances().cash = 1000.0f;
        SeedRandom(7);
    }
    void TearDown() override {
        ClearRehearsals();
        DestroyAllRehearsalData();
        ClearRehearsalVenues();
        PeopleTest::TearDown();
    }

    static SIM_Song& NewSong() {
        SIM_Song& song = AddCurrentSong();
        SongSeams().songAdded(song);
        return song;
    }
    static float Readiness(SIM_Musician& m, const SIM_Song& song) {
        const SIM_SongReadiness* e = RehearsalDataFor(m).Find(&song);
        return e ? e->readiness : -1.0f;
    }
    static const SIM_RehearsalVenue& Venue(int i) { return *RehearsalVenues()[static_cast<std::size_t>(i)]; }
};

TEST_F(RehearsalTest, VenuesLoadInRowOrderWithTheirModifiers) {
    ASSERT_EQ(RehearsalVenues().size(), 3u);
    const SIM_RehearsalVenue& shed = Venue(0);
    EXPECT_EQ(shed.name, "shed");
    EXPECT_EQ(shed.displayName, "Shed");
    EXPECT_EQ(shed.level, 1);
    EXPECT_FLOAT_EQ(shed.fameHigh, 49.0f);
    EXPECT_EQ(shed.picture, "shed.jpg");
    ASSERT_EQ(shed.modifiers.size(), 3u);
    EXPECT_EQ(shed.modifiers[1].name, "band_stress");
    EXPECT_FLOAT_EQ(shed.modifiers[1].degrade, 0.9f);
    EXPECT_FLOAT_EQ(Venue(1).cost, 40.0f);

    LoadRehearsalVenues(dir.path() + "/missing.csv");
    EXPECT_TRUE(RehearsalVenues().empty());
}

TEST_F(RehearsalTest, ReadinessFollowsSongsAndStaysWithinBounds) {
    SIM_Musician& a = Join();
    SIM_Song& first = NewSong();
    SIM_Song& second = NewSong();
    EXPECT_FLOAT_EQ(Readiness(a, first), 0.0f);

    RaiseReadiness(RehearsalDataFor(a), 0.7f);
    RaiseReadiness(RehearsalDataFor(a), 0.7f);
    EXPECT_FLOAT_EQ(Readiness(a, first), 1.0f);
    RaiseReadiness(RehearsalDataFor(a), -0.4f);
    EXPECT_FLOAT_EQ(Readiness(a, second), 0.6f);
    RaiseReadiness(RehearsalDataFor(a), -5.0f);
    EXPECT_FLOAT_EQ(Readiness(a, second), 0.0f);

    // Raise, decay by the tuned share, then retire one song: the level averages what is left.
    RaiseReadiness(RehearsalDataFor(a), 0.8f);
    NewSong();
    EXPECT_NEAR(GetRehearsalLevel(RehearsalDataFor(a)), 1.6f / 3.0f, 1e-5f);
    DecayReadiness(RehearsalDataFor(a));
    EXPECT_FLOAT_EQ(Readiness(a, first), 0.4f);
    RetireSong(second);
    EXPECT_EQ(RehearsalDataFor(a).Find(&second), nullptr);
    EXPECT_NEAR(GetRehearsalLevel(RehearsalDataFor(a)), 0.2f, 1e-5f);
    EXPECT_NEAR(PeopleSeams().rehearsalLevel(a), 0.2f, 1e-5f);
}

TEST_F(RehearsalTest, AMemberWhoJoinedAfterASongHasNoEntryUntilHeRehearses) {
    SIM_Musician& old = Join();
    SIM_Song& early = NewSong();
    RaiseReadiness(RehearsalDataFor(old), 0.5f);
    SIM_Musician& late = Join();
    EXPECT_EQ(RehearsalDataFor(late).Find(&early), nullptr);
    EXPECT_FLOAT_EQ(GetRehearsalLevel(RehearsalDataFor(late)), 0.0f);

    // A song written now reaches him; the level averages only that entry.
    SIM_Song& later = NewSong();
    RaiseReadiness(RehearsalDataFor(old), 0.0f);
    ASSERT_NE(RehearsalDataFor(late).Find(&later), nullptr);
    EXPECT_EQ(RehearsalDataFor(late).entries.size(), 1u);
    // The band-wide raise fills in the missing song.
    GetBand().ModifyBandValue("band_rehearsal", 0.3f, 0.0f, "test");
    EXPECT_FLOAT_EQ(Readiness(late, early), 0.3f);
    EXPECT_FLOAT_EQ(Readiness(late, later), 0.3f);
    EXPECT_FLOAT_EQ(Readiness(old, early), 0.8f);
}

TEST_F(RehearsalTest, ARecordDoesNotPassToAMusicianCreatedLater) {
    SIM_Musician& gone = CreateMusician();
    NewSong();
    RaiseReadiness(RehearsalDataFor(gone), 0.9f);
    DestroyMusician(&gone);
    SIM_Musician& fresh = CreateMusician();
    EXPECT_FLOAT_EQ(GetRehearsalLevel(RehearsalDataFor(fresh)), 0.0f);
    EXPECT_TRUE(RehearsalDataFor(fresh).entries.empty());
}

TEST_F(RehearsalTest, VenueMotivationComparesTheRoomWithTheExpectedOne) {
    SIM_Musician& m = Join();
    m.ego = 1.0f;
    GetFame().fame = 20.0f;  // expects the shed (level 1)
    EXPECT_NEAR(VenueMotivation(Venue(1), m), 0.15f, 1e-6f);  // 0.2, capped
    EXPECT_NEAR(VenueMotivation(Venue(2), m), 0.1f, 1e-6f);
    GetFame().fame = 100.0f;  // expects the hall (level 3)
    EXPECT_NEAR(VenueMotivation(Venue(2), m), -0.1f, 1e-6f);
    // The commenter asks through the people's seam with the rehearsal itself.
    SIM_Rehearsal held;
    held.venue = &Venue(2);
    EXPECT_NEAR(PeopleSeams().venueMotivation(&held, m), -0.1f, 1e-6f);
    SIM_OptionSubject notARehearsal;
    EXPECT_FLOAT_EQ(PeopleSeams().venueMotivation(&notARehearsal, m), 0.0f);
    m.ego = 1.5f;
    GetFame().fame = 499.0f;  // 748: no room covers it, so nothing is expected
    EXPECT_NEAR(VenueMotivation(Venue(0), m), 0.1f, 1e-6f);
    m.ego = 0.5f;
    GetFame().fame = 99.9f;  // 49.95 truncates to 49: still the shed
    EXPECT_NEAR(VenueMotivation(Venue(0), m), 0.0f, 1e-6f);
}

TEST_F(RehearsalTest, AHeldRehearsalRaisesReadinessAndReportsEachMember) {
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    SIM_Song& song = NewSong();
    a.boredom = b.boredom = 0.5f;
    SIM_Rehearsal& r = Rehearse(&Venue(1));
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(r.noShows.empty());
    EXPECT_FLOAT_EQ(GetFinances().cash, 960.0f);
    EXPECT_EQ(GetStatistics().rehearsals, 1);
    EXPECT_EQ(GetStatistics().rehearsalsCancelled, 0);
    EXPECT_FLOAT_EQ(a.boredom, 0.3f);
    EXPECT_FLOAT_EQ(Readiness(a, song), 0.5f);
    EXPECT_FLOAT_EQ(Readiness(b, song), 0.5f);
    ASSERT_EQ(r.results.size(), 2u);
    const SIM_RehearsalResult* ra = FindResult(r, &a);
    ASSERT_NE(ra, nullptr);
    EXPECT_FLOAT_EQ(ra->rehearsalGain, 0.5f);
    EXPECT_FLOAT_EQ(ra->stressChange, 0.0f);
    EXPECT_NEAR(ra->motivationChange, 0.15f, 1e-6f);  // hall (3) over the expected shed (1), capped
    EXPECT_EQ(LatestRehearsal(), &r);
    EXPECT_NE(std::find(screens.calls.begin(), screens.calls.end(), "sound data/sounds/cash.ogg"), screens.calls.end());
    EXPECT_GT(GetBand().GetBandValue("band_rehearsal"), 0.0f);
}

TEST_F(RehearsalTest, TheFreeRoomPlaysNoTillAndItsStressIsReported) {
    SIM_Musician& a = Join();
    NewSong();
    SIM_Rehearsal& r = Rehearse(&Venue(0));
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    EXPECT_EQ(std::find(screens.calls.begin(), screens.calls.end(), "sound data/sounds/cash.ogg"), screens.calls.end());
    const SIM_RehearsalResult* ra = FindResult(r, &a);
    ASSERT_NE(ra, nullptr);
    EXPECT_NEAR(ra->stressChange, 0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(ra->rehearsalGain, 0.25f);
}

TEST_F(RehearsalTest, LazyMembersCallTheRehearsalOffAndTheOthersResentThemOnce) {
    SIM_Musician& keen = Join();
    SIM_Musician& lazy1 = WithTraits(Join(), {"lazy"});
    SIM_Musician& lazy2 = WithTraits(Join(), {"lazy"});
    SIM_Musician& other = Join();
    SIM_Song& song = NewSong();
    keen.boredom = 0.5f;
    const float stress = keen.Stress();
    SIM_Relationship* keenLazy = FindRelationship(&keen, &lazy1);
    SIM_Relationship* lazyPair = FindRelationship(&lazy1, &lazy2);
    ASSERT_NE(keenLazy, nullptr);
    ASSERT_NE(lazyPair, nullptr);

    SIM_Rehearsal& r = Rehearse(&Venue(1));
    ASSERT_TRUE(r.cancelled);
    EXPECT_EQ(r.noShows, (std::vector<SIM_Musician*>{&lazy1, &lazy2}));
    EXPECT_FLOAT_EQ(GetFinances().cash, 960.0f);  // the rent is gone anyway
    EXPECT_EQ(GetStatistics().rehearsalsCancelled, 1);
    EXPECT_EQ(GetStatistics().rehearsals, 0);
    EXPECT_FLOAT_EQ(Readiness(keen, song), 0.0f);
    EXPECT_FLOAT_EQ(keen.boredom, 0.5f);
    EXPECT_FLOAT_EQ(keen.Stress(), stress);

    // Only the two who came are reported, each demotivated and with a message.
    ASSERT_EQ(r.results.size(), 2u);
    EXPECT_EQ(r.results[0].member, &keen);
    EXPECT_EQ(r.results[1].member, &other);
    EXPECT_FLOAT_EQ(r.results[0].motivationChange, -0.1f);
    EXPECT_EQ(FindResult(r, &lazy1), nullptr);
    ASSERT_EQ(GetDailyOptions().Messages().size(), 2u);

    // Each comer-absentee pair loses 0.18..0.22 once; the absentees among themselves nothing.
    EXPECT_GE(keenLazy->value, -0.22f - 1e-6f);
    EXPECT_LE(keenLazy->value, -0.18f + 1e-6f);
    EXPECT_GE(FindRelationship(&other, &lazy2)->value, -0.22f - 1e-6f);
    EXPECT_FLOAT_EQ(lazyPair->value, 0.0f);
    EXPECT_TRUE(r.damagedRelationships.empty());

    EXPECT_EQ(RehearsalSummaryText(r), "Missing: " + lazy1.forename + ", " + lazy2.forename + ".");
    EXPECT_EQ(RehearsalSummarySound(r), "data/sounds/male_sigh.ogg");
}

TEST_F(RehearsalTest, WithoutLazyMembersNobodyStaysAway) {
    Join();
    Join();
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(Rehearse(&Venue(0)).cancelled);
    EXPECT_EQ(AllRehearsals().size(), 5u);
    SetTuning("RS_LAZY_REHEARSAL_CHANCE=0\n");
    WithTraits(Join(), {"lazy"});
    EXPECT_FALSE(Rehearse(&Venue(0)).cancelled);
}

TEST_F(RehearsalTest, SummaryAndCommentTexts) {
    SIM_Rehearsal r;
    SIM_Band& band = GetBand();
    Join();
    auto summaryAt = [&](float motivation) {
        band.bandValues.Find("band_motivation")->value = motivation;
        return RehearsalSummaryText(r);
    };
    EXPECT_EQ(summaryAt(0.29f), "low");
    EXPECT_EQ(summaryAt(0.3f), "medium");
    EXPECT_EQ(summaryAt(0.7f), "medium");
    EXPECT_EQ(summaryAt(0.71f), "high");
    EXPECT_EQ(RehearsalSummarySound(r), "data/sounds/rehearsal.ogg");

    SIM_RehearsalResult result;
    EXPECT_TRUE(RehearsalEffectLines(result).empty());
    result.motivationChange = -0.057f;
    result.stressChange = -0.05f;
    result.rehearsalGain = 0.25f;
    EXPECT_EQ(RehearsalEffectLines(result),
              (std::vector<std::string>{"Motivation -5%  ", "Stress +-5%  ", "Rehearsal +25%"}));
    result.motivationChange = 0.1f;
    result.stressChange = 0.0f;
    EXPECT_EQ(RehearsalEffectLines(result), (std::vector<std::string>{"Motivation +10%  ", "Rehearsal +25%"}));

    SIM_Musician& m = *band.members.front();
    EXPECT_EQ(RehearsalCommentTitle(m), m.forename + " says");
    EXPECT_TRUE(CanAffordRehearsal(Venue(0), 0.0f));
    EXPECT_FALSE(CanAffordRehearsal(Venue(1), 39.0f));
    EXPECT_TRUE(CanAffordRehearsal(Venue(1), 40.0f));
}

TEST_F(RehearsalTest, ANewGameForgetsRehearsalsAndRecords) {
    Join();
    NewSong();
    Rehearse(&Venue(0));
    WorldSeams().resetPeopleAndMusic();
    EXPECT_TRUE(AllRehearsals().empty());
    EXPECT_TRUE(AllRehearsalData().empty());
    EXPECT_EQ(RehearsalVenues().size(), 3u);
}

TEST_F(RehearsalTest, RehearsingWithoutARoomIsReportedAndCostsNothing) {
    Join();
    const SIM_Rehearsal& r = Rehearse(nullptr);
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    EXPECT_TRUE(r.results.empty());
    EXPECT_EQ(GetStatistics().rehearsals, 0);
}

// The shipped rooms: at least eight, levels rising, fame ranges that leave no expectation
// uncovered, and every room both rehearses and has its texts.
using RehearsalShippedData = SimTest;

TEST_F(RehearsalShippedData, RoomsTileTheFameScale) {
    LoadRehearsalVenues();
    const auto& venues = RehearsalVenues();
    ASSERT_GE(venues.size(), 8u);
    EXPECT_FLOAT_EQ(venues.front()->fameLow, 0.0f);
    EXPECT_GE(venues.back()->fameHigh, 1.45f * SIM_Fame::kMaxFame);  // the vainest ego at top fame
    for (std::size_t i = 0; i < venues.size(); ++i) {
        const SIM_RehearsalVenue& v = *venues[i];
        EXPECT_FALSE(v.displayName.empty() || v.description.empty() || v.picture.empty()) << v.name;
        EXPECT_TRUE(std::any_of(v.modifiers.begin(), v.modifiers.end(),
                                [](const SIM_Modifier& m) { return m.name == "band_rehearsal" && m.amount > 0.0f; }))
            << v.name;
        if (i == 0) continue;
        EXPECT_GT(v.level, venues[i - 1]->level) << v.name;
        EXPECT_FLOAT_EQ(v.fameLow, venues[i - 1]->fameHigh + 1.0f) << v.name;
    }
    ClearRehearsalVenues();
    LoadTuningTable();
    SetStringsFile(kStringsFile);
    ClearTranslations();
    for (const char* key : {"RS_LAZY_REHEARSAL_CHANCE", "_REHEARSAL_DEGRADE", "RS_MOTIVE_EFFECT_REHEARSAL",
                            "RS_MOTIVE_EFFECT_REHEARSAL_MAX", "RS_REHEARSAL_HIGHMOTIV", "RS_BOREDOM_REDUCT_REHEARSAL"})
        EXPECT_GT(GetTuningValue(key), 0.0f) << key;
    EXPECT_LT(GetTuningValue("RS_REHEARSAL_NOSHOW_RELATE_DAMAGE"), 0.0f);
    EXPECT_LT(GetTuningValue("REHEARSAL_CANCELLED_DEMOTIVATION"), 0.0f);
    EXPECT_FALSE(TranslateRandom("REHEARSAL_COMMENT_CANCELLED").empty());
}
