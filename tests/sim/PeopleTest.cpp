// Band members, the player, relationships and the band.
#include "PeopleTestSupport.h"
#include "SIM_CareerHistory.h"
#include "SIM_Commenter.h"
#include "SIM_DailyOptions.h"
#include "SIM_Rehearsal.h"
#include "SIM_ModifierContainer.h"
#include "SIM_SIM.h"
#include "SIM_SLIDBase.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// ---- Members --------------------------------------------------------------------------

TEST_F(PeopleTest, MoodBoundariesAndPortraits) {
    EXPECT_EQ(SIM_Musician::MoodFor(0.1999f), 0);
    EXPECT_EQ(SIM_Musician::MoodFor(0.2f), 1);
    EXPECT_EQ(SIM_Musician::MoodFor(0.3999f), 1);
    EXPECT_EQ(SIM_Musician::MoodFor(0.4f), 2);
    EXPECT_EQ(SIM_Musician::MoodFor(0.6499f), 2);
    EXPECT_EQ(SIM_Musician::MoodFor(0.65f), 3);

    SIM_Musician& m = CreateMusician();
    m.SetPortraits(1, "female_portraits/p3");
    m.AddMotivation("gig", 0.4f, 1.0f);
    m.UpdateHappiness();
    EXPECT_EQ(m.GetPortrait(), "female_portraits/p3_happy.jpg");
    m.AddMotivation("row", -0.8f, 1.0f);
    m.UpdateHappiness();
    EXPECT_EQ(m.GetPortrait(), "female_portraits/p3_vsad.jpg");
}

TEST_F(PeopleTest, StressAboveCrisisPaysBothPenalties) {
    SetTuning("RS_STRESS_THRESHOLD=0.5\nRS_STRESS_CRISIS=0.7\nRS_BOREDOM_THRESHOLD=1\nRS_BOREDOM_CRISIS=1\n"
              "RS_RESENTMENT_THRESHOLD=1\nRS_RESENTMENT_CRISIS=1\n");
    SIM_Musician& m = CreateMusician();
    m.AddMotivation("fired up", 0.5f, 1.0f);  // motivation 1
    m.AddStress("tour", 0.9f, 1.0f);
    m.UpdateHappiness();
    // 1 - 0.5 * (0.9 - 0.5) - 2 * (0.9 - 0.7)
    EXPECT_NEAR(m.happiness, 0.4f, 1e-5f);
    m.RemoveStressEffects("tour");
    m.AddStress("tour", 0.6f, 1.0f);  // above the threshold only
    m.UpdateHappiness();
    EXPECT_NEAR(m.happiness, 0.95f, 1e-5f);
}

TEST_F(PeopleTest, HappinessWeighsEveryTermAndTellsTheFaceOnlyOnAChange) {
    SetTuning("RS_POSSESION_MULTIPLIER=0.5\nRS_INNOCENCE_MULTIPLIER=0.25\nRS_CYNICISM_MULTIPLIER=0.5\n"
              "RS_STRESS_THRESHOLD=1\nRS_STRESS_CRISIS=1\nRS_BOREDOM_THRESHOLD=0.4\nRS_BOREDOM_CRISIS=0.6\n"
              "RS_RESENTMENT_THRESHOLD=0.1\nRS_RESENTMENT_CRISIS=1\n"
              "RS_RELATIONSHIP_LOW_TRIGGER=-0.5\nRS_RELATIONSHIP_HIGH_TRIGGER=0.5\n");
    struct Face : SIM_PortraitListener {
        int reloads = 0;
        void ReloadPortrait() override { ++reloads; }
    } face;
    SIM_Musician& m = Join();
    SIM_Musician& friendly = Join();
    FindRelationship(&m, &friendly)->value = 0.6f;
    m.portraitListener = &face;
    m.resentment = 0.2f;
    m.innocence = 0.8f;
    m.cynicism = 0.1f;
    m.boredom = 0.7f;
    m.UpdateHappiness();
    // 0.5 motivation - 0.1 resentment + 0.2 innocence - 0.05 cynicism + 0.3 friendship
    // - 0.15 boredom over its threshold - 0.05 resentment over its threshold - 0.2 boredom crisis
    EXPECT_NEAR(m.happiness, 0.45f, 1e-5f);
    EXPECT_EQ(m.mood, 2);
    EXPECT_EQ(face.reloads, 0);  // still neutral
    m.boredom = 0.0f;
    m.UpdateHappiness();
    EXPECT_NEAR(m.happiness, 0.8f, 1e-5f);
    EXPECT_EQ(face.reloads, 1);
    m.UpdateHappiness();
    EXPECT_EQ(face.reloads, 1);
    m.portraitListener = nullptr;
}

TEST_F(PeopleTest, TraitsAdjustStressAndMotivation) {
    SetTuning("RS_LAZY_STRESS_MULTIPLIER=0.5\nRS_ENERGETIC_STRESS_MULTIPLIER=0.5\nRS_MASSEUSE_STRESS_REDUCTION=0.5\n"
              "RS_OPTIMISTIC_MOTIVATION_MULTIPLIER=0.5\nRS_PESSIMISTIC_MOTIVATION_MULTIPLIER=0.5\n");
    SIM_Musician& lazy = WithTraits(CreateMusician(), {"lazy"});
    EXPECT_FLOAT_EQ(lazy.AddStress("a", 0.2f, 1.0f), 0.3f);
    EXPECT_FLOAT_EQ(lazy.AddStress("b", -0.2f, 1.0f), -0.3f);  // relief grows too
    SIM_Musician& both = WithTraits(CreateMusician(), {"lazy", "energetic"});
    EXPECT_FLOAT_EQ(both.AddStress("a", 0.2f, 1.0f), 0.15f);

    Globals().Add(std::make_unique<SIM_NamedValue>("masseuse", "Masseuse", 1.0f));
    SIM_Musician& plain = CreateMusician();
    EXPECT_FLOAT_EQ(plain.AddStress("gig", 0.2f, 1.0f), 0.1f);
    EXPECT_FLOAT_EQ(plain.AddStress("rest", -0.2f, 1.0f), -0.2f);  // relief is never reduced
    EXPECT_NEAR(plain.Stress(), 0.0f, 1e-6f);

    SIM_Musician& sunny = WithTraits(CreateMusician(), {"optimistic"});
    EXPECT_FLOAT_EQ(sunny.AddMotivation("a", 0.2f, 1.0f), 0.3f);
    EXPECT_FLOAT_EQ(sunny.AddMotivation("b", -0.2f, 1.0f), -0.1f);
    SIM_Musician& gloomy = WithTraits(CreateMusician(), {"pessimistic"});
    EXPECT_FLOAT_EQ(gloomy.AddMotivation("a", 0.2f, 1.0f), 0.1f);
    EXPECT_FLOAT_EQ(gloomy.AddMotivation("b", -0.2f, 1.0f), -0.3f);
    EXPECT_NEAR(gloomy.Motivation(), 0.3f, 1e-6f);
}

TEST_F(PeopleTest, DailyUpdateAgesTheMember) {
    SetTuning("RS_CYNICISM_START=2\nRS_CYNICISM_INCREMENT=0.1\nRS_BOREDOM_PER_DAY=0.1\nRS_INNOCENCE_DEGRADE=0.25\n"
              "RS_STARTING_INNOCENCE=0.3\nRS_ABILITY_DEGRADE=0.5\nRS_RESIGN_CONSIDER_THRESHOLD=0\n");
    SIM_Musician& m = WithTraits(Join(), {"ambitious"});
    m.SetAbility(0.8f, 1.0f);
    m.DailyUpdate();
    m.DailyUpdate();
    EXPECT_EQ(m.daysinband, 2);
    EXPECT_FLOAT_EQ(m.cynicism, 0.0f);  // not while daysinband equals the start
    m.DailyUpdate();
    EXPECT_FLOAT_EQ(m.cynicism, 0.1f);
    EXPECT_NEAR(m.boredom, 3 * 0.125f, 1e-6f);  // ambitious members bore a quarter faster
    EXPECT_FLOAT_EQ(m.innocence, 0.0f);
    EXPECT_FLOAT_EQ(m.ability, 0.1f);
}

TEST_F(PeopleTest, IntentionToQuitCountsOnlyStrictlyBelowTheThreshold) {
    SetTuning("RS_RESIGN_CONSIDER_THRESHOLD=0.25\nRS_MUSICIAN_RESIGN_MINDAYS=100\n");
    SIM_Musician& m = Join();
    m.happiness = 0.2f;
    m.ConsiderResignation();
    m.ConsiderResignation();
    EXPECT_EQ(m.intentiontoquit, 2);
    m.happiness = 0.25f;
    m.ConsiderResignation();
    EXPECT_EQ(m.intentiontoquit, 0);
    EXPECT_TRUE(m.active);
}

TEST_F(PeopleTest, PracticeHasAFloorAndHalvesWithoutAGoodInstrument) {
    SetTuning("MUSICIAN_PRACTICE_PROGRESS=0.1\nMUSICIAN_PRACTICE_PROGRESS_AMBITIOUS=0.2\n");
    SIM_Musician& m = CreateMusician();
    m.SetAbility(0.0f, 1.0f);
    m.PracticeProgress(1.0f);  // no instrument: quality 0, so half of 1.5 * 0.1
    EXPECT_FLOAT_EQ(m.ability, 0.075f);

    m.ability = 2.0f;  // far beyond 1.5 x potential
    m.PracticeProgress(2.0f);
    EXPECT_FLOAT_EQ(m.ability, 2.02f);

    SIM_Musician& keen = WithTraits(CreateMusician(), {"ambitious"});
    keen.SetAbility(0.0f, 1.0f);
    keen.PracticeProgress(1.0f);
    EXPECT_FLOAT_EQ(keen.ability, 0.15f);
}

TEST_F(PeopleTest, ResentmentStaysWithinItsBounds) {
    SetTuning("RS_EGO_POSSESION_RESENTMENT_MULTIPLIER=1\nRS_MUSICIAN_RESENTMENT_GROWTHRATE=5\n"
              "RS_MUSICIAN_RESENTMENT_LOWERRATE=1\n");
    SIM_Musician& m = CreateMusician();
    m.resentment = -0.5f;
    m.UpdateResentment();  // nothing expected, nothing owned: unchanged, then floored
    EXPECT_FLOAT_EQ(m.resentment, -0.2f);

    GetFame().AddFameEffect(20.0f, 1.0f, "hit");
    GetFame().RecalculateFame();
    m.UpdateResentment();
    EXPECT_FLOAT_EQ(m.expectedPossessionValue, 12.0f * m.ego);
    EXPECT_FLOAT_EQ(m.resentment, m.expectedPossessionValue / 60.0f);  // capped by the gap

    m.possessionValue = 1000.0f;  // he owns more than he expects: resentment falls by its rate
    m.resentment = 0.5f;
    m.UpdateResentment();
    EXPECT_FLOAT_EQ(m.resentment, -0.2f);  // 0.5 - 1, floored
}

// Assets as the asset catalogue will describe them.
struct FakeAsset {
    SIM_AssetFacts facts;
    SIM_Musician* owner = nullptr;
};
SIM_Asset* AsAsset(FakeAsset& a) { return reinterpret_cast<SIM_Asset*>(&a); }
FakeAsset& Fake(const SIM_Asset* a) { return *reinterpret_cast<FakeAsset*>(const_cast<SIM_Asset*>(a)); }

TEST_F(PeopleTest, PossessionsAndWantedAssets) {
    FakeAsset cheapGuitar{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 150.0f, 0.3f, false, true}};
    FakeAsset van{{"vehicle", "van", true, -1, 200.0f, 0.0f, false, true}};
    FakeAsset soldOut{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 100.0f, 0.5f, false, false}};
    FakeAsset bass{{"instrument", "bass", false, INSTRUMENT_BASS, 10.0f, 0.5f, false, true}};
    FakeAsset goodGuitar{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 400.0f, 0.6f, false, false}};
    FakeAsset spare{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 10.0f, 0.9f, false, false}};
    FakeAsset stage{{"lights", "lights", true, -1, 90.0f, 0.0f, true, false}};
    SIM_PeopleSeams& seams = PeopleSeams();
    seams.storeAssets = [&] {
        return std::vector<SIM_Asset*>{AsAsset(soldOut), AsAsset(cheapGuitar), AsAsset(van), AsAsset(bass)};
    };
    seams.describeAsset = [](const SIM_Asset* a) {
        SIM_AssetFacts facts = Fake(a).facts;
        facts.owned = facts.owned || Fake(a).owner;
        return facts;
    };
    seams.setAssetOwner = [](SIM_Asset* a, SIM_Musician* owner) { Fake(a).owner = owner; };

    SIM_Musician& m = Join(0.5f, INSTRUMENT_GUITAR);
    m.PickWantedAsset();
    EXPECT_EQ(m.wantedAsset, AsAsset(cheapGuitar));  // the cheapest he can use that is on sale
    m.GivePossession(AsAsset(goodGuitar));
    EXPECT_EQ(goodGuitar.owner, &m);
    m.PickWantedAsset();
    EXPECT_EQ(m.wantedAsset, AsAsset(van));  // he already has a better guitar
    EXPECT_FALSE(m.HasSpareInstrument());
    m.GivePossession(AsAsset(spare));
    EXPECT_TRUE(m.HasSpareInstrument());
    EXPECT_EQ(m.BestInstrument(), AsAsset(spare));
    GetBand().communalAssets.push_back(AsAsset(stage));
    m.UpdatePossessionValue();
    EXPECT_FLOAT_EQ(m.possessionValue, 500.0f);

    SetTuning("MUSICIAN_PRACTICE_PROGRESS=0.1\n");
    m.SetAbility(0.5f, 1.0f);
    m.PracticeProgress(1.0f);  // his best instrument (0.9) is better than he is: full progress
    EXPECT_FLOAT_EQ(m.ability, 0.6f);

    m.ReleasePossessions();
    EXPECT_EQ(goodGuitar.owner, nullptr);
    EXPECT_EQ(spare.owner, nullptr);
    EXPECT_EQ(m.BestInstrument(), nullptr);
    m.GivePossession(nullptr);
    EXPECT_EQ(errors.assertions, 1);
}

// What a member holds, even a starting instrument the shop never marked as sold, is not his
// wish; with nothing left to wish for, his resentment does not silence his other remarks; and a
// dismissed musician leaves no rehearsal record behind for the save to read.
TEST_F(PeopleTest, WishesRemarksAndRecordsOfWhatAMemberNoLongerHas) {
    FakeAsset starting{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 150.0f, 0.3f, false, true}};
    SIM_PeopleSeams& seams = PeopleSeams();
    seams.storeAssets = [&] { return std::vector<SIM_Asset*>{AsAsset(starting)}; };
    seams.describeAsset = [](const SIM_Asset* a) { return Fake(a).facts; };  // never owned
    seams.setAssetOwner = [](SIM_Asset* a, SIM_Musician* owner) { Fake(a).owner = owner; };
    SIM_Musician& m = Join(0.5f, INSTRUMENT_GUITAR);
    m.GivePossession(AsAsset(starting));
    m.PickWantedAsset();
    EXPECT_EQ(m.wantedAsset, nullptr);

    SetTuning("RS_POSSESION_RESENT_COMMENT_MIN=0.1\nRS_STRESS_RESENT_COMMENT_MIN=0.1\n");
    m.resentment = 0.9f;
    m.AddStress("test", 0.6f, 1.0f);
    GetDailyOptions().ClearMessages();
    m.commenter->DailyComment();
    ASSERT_EQ(GetDailyOptions().Messages().size(), 1u);
    EXPECT_EQ(GetDailyOptions().Messages()[0].text, "\"COMMENT_STRESS\"");

    SIM_Musician& candidate = CreateMusician();
    RehearsalDataFor(candidate);
    const std::size_t records = AllRehearsalData().size();
    DestroyMusician(&candidate);
    EXPECT_EQ(AllRehearsalData().size(), records - 1);
    for (const SIM_RehearsalData* record : AllRehearsalData()) EXPECT_NE(record->owner, &candidate);
}

TEST_F(PeopleTest, ResignationLeavesTheBandAndCostsFame) {
    SetTuning("RS_RESIGN_CONSIDER_THRESHOLD=0.5\nRS_MUSICIAN_RESIGN_MINDAYS=1\nRS_RESIGN_FAME_REDUCTION_PERCENTAGE=0.1\n"
              "RS_RESIGN_FAME_DEGRADE=1\nRS_RESIGNATION_MORALE_BOOST=0.2\nRS_MOTIVATION_DEGRADE=1\n");
    GetFame().AddFameEffect(100.0f, 1.0f, "hit");
    GetFame().RecalculateFame();
    SIM_Musician& a = Join(0.1f);
    SIM_Musician& b = Join(0.2f);
    SIM_Musician& c = Join(0.3f);
    GetDailyOptions().AddMessage(&a, "bye");
    FakeAsset guitar{{"instrument", "guitar", false, INSTRUMENT_GUITAR, 150.0f, 0.3f, false, true}};
    a.GivePossession(AsAsset(guitar));
    // His letter is written while his things and his remarks are still his to show.
    std::size_t heldAtLetter = 0, remarksAtLetter = 0;
    screens.onCall = [&](const std::string& call) {
        if (call != "resignation") return;
        heldAtLetter = a.possessions.size();
        remarksAtLetter = GetDailyOptions().Messages().size();
    };
    a.happiness = 0.0f;
    a.ConsiderResignation();
    screens.onCall = nullptr;
    EXPECT_EQ(heldAtLetter, 1u);
    EXPECT_EQ(remarksAtLetter, 1u);
    EXPECT_TRUE(a.possessions.empty());
    EXPECT_FALSE(a.active);
    EXPECT_FALSE(GetBand().IsMember(&a));
    EXPECT_TRUE(a.relationships.empty());
    EXPECT_EQ(b.relationships.size(), 1u);
    EXPECT_EQ(AllRelationships().size(), 1u);
    EXPECT_TRUE(GetDailyOptions().Messages().empty());
    GetFame().RecalculateFame();
    EXPECT_FLOAT_EQ(GetFame().fame, 90.0f);
    EXPECT_NEAR(c.Motivation(), 0.7f, 1e-6f);  // the others are relieved
    EXPECT_EQ(GetBand().resignations, 1);
    EXPECT_EQ(GetCareerHistory().pending, kMarkResignation);

    b.Fire();
    EXPECT_TRUE(b.active);  // fired, not resigned
    EXPECT_EQ(GetCareerHistory().pending, kMarkResignation | kMarkFiring);
    EXPECT_EQ(GetBand().members.size(), 1u);
    EXPECT_TRUE(AllRelationships().empty());
}

// ---- The band -------------------------------------------------------------------------

TEST_F(PeopleTest, EmptyBandValues) {
    SIM_Band& band = GetBand();
    band.RecalculateBandValues();
    EXPECT_FLOAT_EQ(band.GetBandValue("band_musicianship"), 0.4f);  // the player's singing
    EXPECT_FLOAT_EQ(band.GetBandValue("band_live_experience"), 0.2f);
    EXPECT_FLOAT_EQ(band.GetBandValue("band_motivation"), 0.0f);
    EXPECT_FLOAT_EQ(band.GetBandValue("band_stress"), 0.0f);
    EXPECT_FLOAT_EQ(band.GetBandValue("band_chemistry"), 0.5f);
    EXPECT_FLOAT_EQ(band.GetBandValue("band_rehearsal"), 0.0f);
    EXPECT_FLOAT_EQ(band.GetBandValue("no_such_value"), 0.0f);
}

TEST_F(PeopleTest, DerivedBandValuesFollowTheMembers) {
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    a.SetAbility(0.5f, 1.0f);
    b.SetAbility(0.3f, 1.0f);
    PeopleSeams().rehearsalLevel = [&](const SIM_Musician& m) { return &m == &a ? 0.9f : 0.1f; };
    SIM_Band& band = GetBand();
    band.ModifyBandValue("band_stress", 0.3f, 1.0f, "tour");
    EXPECT_FLOAT_EQ(band.GetBandValue("band_rehearsal"), 0.3f);  // min(0.5, 2 * 0.1 + 0.1)
    EXPECT_FLOAT_EQ(band.GetBandValue("band_stress"), 0.3f);
    EXPECT_NEAR(band.GetBandValue("band_musicianship"), (0.5f + 0.3f + 0.4f) / 3.0f, 1e-6f);
    PeopleSeams().rehearsalLevel = [](const SIM_Musician&) { return 0.9f; };
    band.RecalculateBandValues();
    EXPECT_FLOAT_EQ(band.GetBandValue("band_rehearsal"), 0.9f);
}

TEST_F(PeopleTest, ModifyBandValueReachesEveryMember) {
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    a.boredom = 0.5f;
    b.boredom = 0.1f;
    SIM_Band& band = GetBand();
    band.ModifyBandValue("band_boredom", 0.2f, 1.0f, "holiday");
    EXPECT_FLOAT_EQ(a.boredom, 0.3f);
    EXPECT_FLOAT_EQ(b.boredom, 0.0f);
    band.ModifyBandValue("band_live_experience", 0.4f, 1.0f, "gig");
    EXPECT_FLOAT_EQ(b.LiveExperience(), 0.4f);
    band.ModifyBandValue("band_hype", 0.25f, 1.0f, "poster");
    EXPECT_FLOAT_EQ(band.GetBandValue("band_hype"), 0.25f);
    EXPECT_THROW(band.ModifyBandValue("band_glamour", 0.1f, 1.0f, "x"), FatalErrorException);
    band.RemoveEffectsNamed("poster");
    EXPECT_FLOAT_EQ(band.GetBandValue("band_hype"), 0.0f);
}

TEST_F(PeopleTest, FullLineupCountsThePlayersInstrument) {
    SIM_Band& band = GetBand();
    EXPECT_FALSE(band.HasFullLineup());
    Join(0.5f, INSTRUMENT_DRUMS);
    Join(0.5f, INSTRUMENT_BASS);
    EXPECT_FALSE(band.HasFullLineup());  // the player only sings
    GetMilo().instrument = INSTRUMENT_GUITAR;
    EXPECT_TRUE(band.HasFullLineup());
    GetMilo().instrument = INSTRUMENT_VOCALS;
    Join(0.5f, INSTRUMENT_SAXOPHONE);
    EXPECT_TRUE(band.HasFullLineup());
    EXPECT_TRUE(WorldSeams().isLineupComplete());
    EXPECT_EQ(WorldSeams().bandMemberCount(), 3);
}

TEST_F(PeopleTest, AtMostOneResignationPerDayInJoiningOrder) {
    SetTuning("RS_RESIGN_CONSIDER_THRESHOLD=0.5\nRS_MUSICIAN_RESIGN_MINDAYS=1\n");
    SIM_Musician& first = Join();
    SIM_Musician& second = Join();
    SIM_Musician& third = Join();
    for (SIM_Musician* m : {&first, &second})
        m->AddMotivation("misery", -1.0f, 1.0f);
    GetBand().RecalculateBandValues();
    GetBand().DailyUpdate();
    EXPECT_FALSE(first.active);
    EXPECT_TRUE(second.active);
    EXPECT_TRUE(third.active);
    EXPECT_EQ(second.intentiontoquit, 1);
    GetBand().DailyUpdate();
    EXPECT_FALSE(second.active);
    EXPECT_EQ(GetBand().members, std::vector<SIM_Musician*>{&third});
}

TEST_F(PeopleTest, JoiningBuildsRelationshipsAndInspires) {
    SetTuning("RS_IMAGINITIVE_INSPIRATION_BOOST=0.2\nRS_NEWMEMBER_INSPIRATION=0.1\nRS_NEWMEMBER_INSPIRATION_DEG=1\n");
    SIM_Musician& a = Join();
    SIM_Musician& dreamer = CreateMusician();
    WithTraits(dreamer, {"imaginitive"});
    GetBand().AddMember(&dreamer);
    ASSERT_EQ(AllRelationships().size(), 1u);
    EXPECT_EQ(AllRelationships()[0]->P1, &dreamer);
    EXPECT_EQ(AllRelationships()[0]->P2, &a);
    EXPECT_EQ(FindRelationship(&a, &dreamer), FindRelationship(&dreamer, &a));
    EXPECT_NEAR(GetMilo().GetValue("inspiration"), 0.3f + 0.1f + 0.1f + 0.2f, 1e-6f);
    GetBand().RemoveMember(&dreamer);
    EXPECT_NEAR(GetMilo().GetValue("inspiration"), 0.5f, 1e-6f);  // the lasting boost leaves with him
    EXPECT_TRUE(a.relationships.empty());
}

// ---- Relationships --------------------------------------------------------------------

TEST_F(PeopleTest, RelationshipDrift) {
    SetTuning("RS_RELATIONSHIP_MULTIPLIER=1\nRS_JEALOUSY_LIMIT=1\nRS_DISRUPTOR_EFFECT=1\nRS_PEACEMAKER_EFFECT=1\n"
              "RS_RELATIONSHIP_DEGRADE=0.5\n");
    SIM_Musician& a = Join(0.25f);
    SIM_Musician& b = Join(0.75f);
    a.happiness = b.happiness = 1.0f;
    UpdateRelationships(1.0f);
    EXPECT_FLOAT_EQ(a.relationships[0]->value, 0.0f);  // exactly 0.5 apart is compatible, but no closer

    b.chemistry = 0.95f;  // clash: 0.7 apart, equal possessions
    UpdateRelationships(0.5f);
    EXPECT_NEAR(a.relationships[0]->value, -0.35f, 1e-6f);
    DegradeAllRelationships();
    EXPECT_NEAR(a.relationships[0]->value, -0.175f, 1e-6f);
    WithTraits(a, {"disruptor"});
    UpdateRelationships(1.0f);
    EXPECT_FLOAT_EQ(a.relationships[0]->value, -1.0f);  // -(0.7 * 2) clamped

    a.chemistry = b.chemistry = 0.4f;
    WithTraits(b, {"peacemaker"});
    a.happiness = 0.1f;
    SetTuning("RS_RELATIONSHIP_MULTIPLIER=1\nRS_PEACEMAKER_EFFECT=1\nRS_LOW_MOTIV_RELATIONSHIP=0.2\n");
    UpdateRelationships(1.0f);
    EXPECT_FLOAT_EQ(a.relationships[0]->value, -0.5f);  // 0.5 * 2 peace, halved for the unhappy one
}

TEST_F(PeopleTest, JealousyIsCappedAndAveragesAreKept) {
    SetTuning("RS_JEALOUSY_LIMIT=0.3\n");
    EXPECT_FLOAT_EQ(AverageRelationship(), 0.0f);
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    SIM_Musician& c = Join();
    a.possessionValue = 1000.0f;
    SIM_Relationship* ab = FindRelationship(&a, &b);
    EXPECT_FLOAT_EQ(Jealousy(*ab), 0.3f);
    a.possessionValue = 100.0f;
    EXPECT_FLOAT_EQ(Jealousy(*ab), 0.2f);
    ab->value = 0.9f;
    FindRelationship(&b, &c)->value = -0.3f;
    EXPECT_FLOAT_EQ(AverageRelationship(), 0.2f);
    EXPECT_EQ(ab->OtherPerson(&a), &b);
    EXPECT_EQ(ab->OtherPerson(&b), &a);
    EXPECT_EQ(a.HighestRelationship(), ab);
    EXPECT_EQ(b.LowestRelationship(), FindRelationship(&b, &c));
    EXPECT_EQ(c.HighestRelationship(), FindRelationship(&a, &c));  // 0 beats -0.3
}

TEST_F(PeopleTest, ExtremeRelationshipsMoveHappiness) {
    SetTuning("RS_RELATIONSHIP_LOW_TRIGGER=-0.5\nRS_RELATIONSHIP_HIGH_TRIGGER=0.5\n");
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    SIM_Musician& c = Join();
    FindRelationship(&a, &b)->value = 0.9f;
    FindRelationship(&a, &c)->value = 0.4f;  // between the triggers: counts nothing
    EXPECT_FLOAT_EQ(a.RelationshipHappiness(), 0.45f);
    FindRelationship(&a, &c)->value = 0.8f;
    EXPECT_FLOAT_EQ(a.RelationshipHappiness(), 0.5f);  // the sum is clamped to 1 first
}

TEST_F(PeopleTest, CatalogueModifiersReachTheBandAndThePlayer) {
    SIM_ModifierContainer poster;
    poster.label = "poster";
    poster.AddModifier("band_hype,0.3,0.5");
    poster.AddModifier("inspiration,0.2,0.9");
    poster.ApplyModifiers(0.5f);
    EXPECT_FLOAT_EQ(GetBand().GetBandValue("band_hype"), 0.15f);
    EXPECT_FLOAT_EQ(GetMilo().GetValue("inspiration"), 0.4f);
    const auto* inspiration = dynamic_cast<SIM_Attribute*>(GetMilo().attributes.Find("inspiration"));
    ASSERT_NE(inspiration, nullptr);
    ASSERT_EQ(inspiration->effects.Size(), 1u);
    EXPECT_FLOAT_EQ(inspiration->effects.Effects()[0]->degrade, 0.9f);
    EXPECT_EQ(inspiration->effects.Effects()[0]->debugname, "poster");
}

// ---- The player -----------------------------------------------------------------------

TEST_F(PeopleTest, PlayerSetUpAndEffects) {
    SIM_Milo& me = GetMilo();
    EXPECT_EQ(me.gender, 0);
    EXPECT_EQ(me.fullname, "You");
    EXPECT_FLOAT_EQ(me.GetValue("music_guitar"), 0.1f);  // found among the skills
    EXPECT_FLOAT_EQ(me.GetValue("charm"), 0.0f);
    EXPECT_FLOAT_EQ(me.GetMusicSkill(), 0.4f);
    me.instrument = 9;
    EXPECT_FLOAT_EQ(me.GetMusicSkill(), 0.0f);

    me.AddAttributeEffect("attrib_vocals", "lesson", 0.3f, 1.0f);
    EXPECT_FLOAT_EQ(me.GetValue("attrib_vocals"), 0.5f);
    me.AddAttributeEffect("music_guitar", "lesson", 0.2f, 1.0f);  // the skills take effects too
    EXPECT_FLOAT_EQ(me.GetValue("music_guitar"), 0.3f);
    me.AddAttributeEffect("charm", "lesson", 0.3f, 1.0f);  // unknown: ignored
    me.AddAttributeEffect("fame", "tv", 1000.0f, 1.0f);
    EXPECT_EQ(errors.assertions, 1);  // reported, yet applied
    GetFame().RecalculateFame();
    EXPECT_GT(me.GetValue("fame"), 0.0f);

    EXPECT_THROW(me.SetupFromAvatar("x_face.jpg"), FatalErrorException);
    me.SetupFromAvatar("avatars/f_face.jpg", dir.path() + "/attributes.csv");
    EXPECT_EQ(me.gender, 1);
    EXPECT_EQ(me.portraitBase, "avatars/f_face.jpg");
}

TEST_F(PeopleTest, NewGameClearsThePeopleAndTheDayRunsThem) {
    SetTuning("GAME_DURATION_YEARS=10\nRS_BOREDOM_PER_DAY=0.1\nRS_RELATIONSHIP_DEGRADE=0.5\n");
    Join(0.1f);
    Join(0.2f);
    CreateMusician();  // a candidate nobody hired
    GetSIM().ResetForNewGame();
    EXPECT_TRUE(AllMusicians().empty());
    EXPECT_TRUE(AllRelationships().empty());
    EXPECT_TRUE(GetBand().members.empty());

    SIM_Musician& b = Join(0.1f);
    SIM_Musician& c = Join(0.2f);
    // The player lives on from the last game; nobody of the new one may share his save number.
    std::vector<int> numbers{GetMilo().GetSLID(), b.GetSLID(), c.GetSLID()};
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
    EXPECT_EQ(FindBySLID(GetMilo().GetSLID()), &GetMilo());
    EXPECT_LT(GetMilo().GetSLID(), TopSLID());
    b.relationships[0]->value = 0.8f;
    GetSIM().NewDay();
    EXPECT_FLOAT_EQ(b.boredom, 0.1f);
    EXPECT_EQ(c.daysinband, 1);
    EXPECT_FLOAT_EQ(b.relationships[0]->value, 0.4f);
    const std::vector<std::string> unfilled = WorldSeams().Unfilled();
    for (const char* mine : {"bandMemberCount", "bandDailyUpdate", "resetPlayer", "degradeAllRelationships"})
        EXPECT_EQ(std::count(unfilled.begin(), unfilled.end(), mine), 0) << mine;
}

}  // namespace
