// Publicity events (catalogue, daily offers, scoring, results screen) and relaxation (catalogue,
// chooser, results screen).
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "PeopleTestSupport.h"
#include "SIM_Commenter.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_Publicity.h"
#include "SIM_Relaxation.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <random>
#include <set>

namespace {
// Cells: marker, name, kind, title, picture, text, sound, results, min fame, reach numerator,
// chance at 0, chance at full, hype amount, hype degrade, spacer, factors..., "#", modifiers...
std::string TypeRow(const std::string& name, const std::string& kind, float minFame, float reach, float chance0,
                    float chanceFull, const std::string& rest) {
    return "#," + name + "," + kind + ",Title " + name + ",pic_" + name + ".jpg,Text " + name + ",,Results " + name +
           "," + std::to_string(minFame) + "," + std::to_string(reach) + "," + std::to_string(chance0) + "," +
           std::to_string(chanceFull) + ",0.5,0.9,," + rest + "\n";
}

// Notes the relaxation results screen as well.
class RelaxRecordingScreens : public RecordingScreens {
public:
    void OpenRelaxResults(const SIM_RelaxVenue& venue) override { Note("relax results " + venue.name); }
};
}  // namespace

class PublicityTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        RegisterPublicity();
        SetScreens(&relaxScreens);
        SetTuning("GAME_DURATION_YEARS=10\nRS_PUBLICITY_TOOSTRESSED=0.8\nRS_BOREDOM_REDUCT_PR=0.1\n"
                  "RS_RELAX_STRESS=-0.2\nRS_STRESS_DEGRADE=0.9\n");
        GetSIMDate().StartNewGameDate();
        SetStringsFile(dir.Write("publicity.ini", "[strings]\nPUBLICITY_EFFECT=Hype\nPUBLICITY_REACH=Reach <AMOUNT>%\n"
                                                  "PUBLICITY_MOTIVATION=Motivation\nPUBLICITY_STRESS=Stress\n"
                                                  "CONTRIBUTION_TEXT=Gave\nCONTRIBUTION_TOOSTRESSED=Frazzled\n"
                                                  "RELAX_OPTION_TITLE=Day off\nRELAXOPTION_COST=Cost\n"
                                                  "RELAX_HYPE=Buzz\nRELAX_STRESS=Calm\n"));
        SeedRandom(11);
    }
    void TearDown() override {
        SetScreens(&screens);
        PeopleTest::TearDown();
    }

    const SIM_PublicityEventType& LoadOne(const std::string& row) {
        LoadPublicityTypes(dir.Write("publicity.csv", "Types\n" + row));
        EXPECT_EQ(PublicityTypes().size(), 1u);
        return *PublicityTypes().front();
    }
    static void BookAGig() { BookedGigs().push_back(std::make_unique<SIM_Gig>()); }
    static void SetWeekday(int weekday) { GetSIMDate().date.weekday = weekday; }
    static void OwnPublicist() { Globals().Add(std::make_unique<SIM_NamedValue>("publicist", "Publicist", 1.0f)); }
    static int OfferedOutOf(const SIM_PublicityEventType& type, int days) {
        int offered = 0;
        for (int i = 0; i < days; ++i) offered += IsOffered(type) ? 1 : 0;
        return offered;
    }
    static float HypeEffectTotal(const std::string& source) {
        auto* hype = dynamic_cast<SIM_Attribute*>(GetBand().bandValues.Find("band_hype"));
        float total = 0.0f;
        for (const auto& e : hype->effects.Effects())
            if (e->debugname == source) total += e->value;
        return total;
    }

    RelaxRecordingScreens relaxScreens;
};

// ---- The catalogue reader ----

TEST_F(PublicityTest, ATypeRowReadsFactorsUpToTheMarkerThenModifiers) {
    const SIM_PublicityEventType& t =
        LoadOne("#,radio interview,flyers,On Air,radio.jpg,\"Talk, then play\",data/sounds/a.ogg,It went out,"
                "12,300,0.1,0.6,0.4,0.95,ignored,\"random,0.1,0.3\",,\"energetic,0.5\",\"milo_confidence,0.2\","
                "#,\"band_stress,0.05,0.9\",\"band_motivation,-0.02,0.8\"\n");
    EXPECT_EQ(t.name, "radio interview");
    EXPECT_EQ(t.kind, PUBLICITY_FLYERS);
    EXPECT_EQ(t.optionTitle, "On Air");
    EXPECT_EQ(t.optionPicture, "radio.jpg");
    EXPECT_EQ(t.optionText, "Talk, then play");
    EXPECT_EQ(t.sound, "data/sounds/a.ogg");
    EXPECT_EQ(t.resultsText, "It went out");
    EXPECT_FLOAT_EQ(t.minimumFame, 12.0f);
    EXPECT_FLOAT_EQ(t.reachNumerator, 300.0f);
    EXPECT_FLOAT_EQ(t.chanceAtNoFame, 0.1f);
    EXPECT_FLOAT_EQ(t.chanceAtFullFame, 0.6f);
    EXPECT_FLOAT_EQ(t.hypeAmount, 0.4f);
    EXPECT_FLOAT_EQ(t.hypeDegrade, 0.95f);
    // The empty factor cell adds nothing; a missing max reads 0.
    ASSERT_EQ(t.factors.size(), 3u);
    EXPECT_EQ(t.factors[0].name, "random");
    EXPECT_FLOAT_EQ(t.factors[0].max, 0.3f);
    EXPECT_EQ(t.factors[1].name, "energetic");
    EXPECT_FLOAT_EQ(t.factors[1].min, 0.5f);
    EXPECT_FLOAT_EQ(t.factors[1].max, 0.0f);
    ASSERT_EQ(t.modifiers.size(), 2u);
    EXPECT_EQ(t.modifiers[1].name, "band_motivation");
    EXPECT_EQ(t.modifiers[0].source, "radio interview");

    for (const auto& [word, kind] : std::vector<std::pair<std::string, int>>{
             {"signed", PUBLICITY_SIGNED}, {"booked", PUBLICITY_BOOKED}, {"flyers", PUBLICITY_FLYERS},
             {"ordinary", PUBLICITY_ORDINARY}, {"Signed", PUBLICITY_ORDINARY}})
        EXPECT_EQ(LoadOne(TypeRow("t", word, 0, 15, 1, 1, "#")).kind, kind) << word;
}

TEST_F(PublicityTest, ARowWithoutTheMarkerOrCutShortStopsAtItsEnd) {
    const SIM_PublicityEventType& noMarker = LoadOne(TypeRow("t", "x", 0, 15, 1, 1, "\"random,0,1\",\"lazy,0.2,0.4\""));
    ASSERT_EQ(noMarker.factors.size(), 2u);
    EXPECT_EQ(noMarker.factors[1].name, "lazy");
    EXPECT_FLOAT_EQ(noMarker.factors[1].max, 0.4f);
    EXPECT_TRUE(noMarker.modifiers.empty());

    const SIM_PublicityEventType& cut = LoadOne("#,stub,booked,Title\n");
    EXPECT_EQ(cut.name, "stub");
    EXPECT_EQ(cut.kind, PUBLICITY_BOOKED);
    EXPECT_EQ(cut.optionTitle, "Title");
    EXPECT_TRUE(cut.resultsText.empty());
    EXPECT_FLOAT_EQ(cut.hypeAmount, 0.0f);
    EXPECT_TRUE(cut.factors.empty());

    LoadPublicityTypes(dir.path() + "/missing.csv");
    EXPECT_TRUE(PublicityTypes().empty());
}

// Random rows built from known pieces, whole and cut anywhere (even inside quotes): the reader
// finds exactly the factors before the marker and the modifiers after it, and a cut row gives
// no more than the whole one.
TEST_F(PublicityTest, RandomRowsSplitAtTheMarkerAndCutRowsStayWithinTheirEnd) {
    const std::vector<std::string> factorCells = {"\"random,0,0.5\"", "\"lazy,0.3\"", "energetic", "\"milo_x,1,2\""};
    const std::vector<std::string> modifierCells = {"\"band_stress,0.1,0.9\"", "\"glob_x,1,1\"", "band_hype"};
    const std::vector<std::string> noFactor = {"", " ", "\",1\""};
    const std::vector<std::string> noModifier = {"", "12", "\",1\"", "#", "x"};
    std::mt19937 rng(5);
    auto pick = [&](const std::vector<std::string>& from) { return from[rng() % from.size()]; };
    for (int round = 0; round < 300; ++round) {
        std::string row = "#,name,x,t,p.jpg,text,,results,0,15,1,1,0.5,0.9,";
        std::size_t factors = 0, modifiers = 0;
        for (int i = static_cast<int>(rng() % 8); i > 0; --i) {
            const bool real = rng() % 3 != 0;
            row += "," + (real ? pick(factorCells) : pick(noFactor));
            factors += real ? 1 : 0;
        }
        const bool marker = rng() % 4 != 0;
        if (marker) {
            row += ",#";
            for (int i = static_cast<int>(rng() % 6); i > 0; --i) {
                const bool real = rng() % 3 != 0;
                row += "," + (real ? pick(modifierCells) : pick(noModifier));
                modifiers += real ? 1 : 0;
            }
        }
        if (rng() % 2) row += "\n";
        SIM_PublicityEventType whole;
        whole.LoadFromRow(row);
        EXPECT_EQ(whole.factors.size(), factors) << row;
        EXPECT_EQ(whole.modifiers.size(), modifiers) << row;

        SIM_PublicityEventType cut;
        cut.LoadFromRow(row.substr(0, rng() % (row.size() + 1)));
        EXPECT_LE(cut.factors.size() + cut.modifiers.size(), factors + modifiers) << row;
    }
}

// ---- When a type is offered ----

TEST_F(PublicityTest, FameDealAndBookingsDecideBeforeAnyRoll) {
    const SIM_PublicityEventType& ordinary = LoadOne(TypeRow("o", "x", 20, 15, 1, 1, "#"));
    GetFame().fame = 19.99f;
    EXPECT_FALSE(IsOffered(ordinary));
    GetFame().fame = 20.0f;  // the minimum itself qualifies
    EXPECT_TRUE(IsOffered(ordinary));

    GetFame().fame = 50.0f;
    const SIM_PublicityEventType& signedType = LoadOne(TypeRow("s", "signed", 0, 15, 1, 1, "#"));
    EXPECT_FALSE(IsOffered(signedType));  // no record company in this build
    WorldSeams().hasRecordDeal = [] { return true; };
    EXPECT_TRUE(IsOffered(signedType));

    // A booked type ignores its chances: never without a gig, always with one.
    const SIM_PublicityEventType& booked = LoadOne(TypeRow("b", "booked", 0, 15, 1, 1, "#"));
    EXPECT_EQ(OfferedOutOf(booked, 20), 0);
    BookAGig();
    const SIM_PublicityEventType& bookedNever = LoadOne(TypeRow("b", "booked", 0, 15, 0, 0, "#"));
    EXPECT_EQ(OfferedOutOf(bookedNever, 20), 20);
}

TEST_F(PublicityTest, FlyersAreCertainLateInTheWeekWithAGigAndOtherwiseRoll) {
    const SIM_PublicityEventType& never = LoadOne(TypeRow("flyers", "flyers", 0, 15, 0, 0, "#"));
    for (int weekday = 0; weekday < 7; ++weekday) {
        SetWeekday(weekday);
        EXPECT_FALSE(IsOffered(never)) << "no gig booked, weekday " << weekday;
    }
    BookAGig();
    for (int weekday = 0; weekday < 7; ++weekday) {
        SetWeekday(weekday);
        EXPECT_EQ(IsOffered(never), weekday >= 4) << weekday;
    }
    const SIM_PublicityEventType& always = LoadOne(TypeRow("flyers", "flyers", 0, 15, 1, 1, "#"));
    SetWeekday(1);
    EXPECT_TRUE(IsOffered(always));
}

TEST_F(PublicityTest, TheChanceFollowsFameAndThePublicistMakesNineTenthsCertain) {
    const SIM_PublicityEventType& t = LoadOne(TypeRow("t", "x", 0, 15, 0.9f, 0.9f, "#"));
    EXPECT_LT(OfferedOutOf(t, 400), 400);
    OwnPublicist();
    EXPECT_EQ(OfferedOutOf(t, 400), 400);

    // Halfway to full fame the chance lies halfway between its two ends.
    const SIM_PublicityEventType& rising = LoadOne(TypeRow("r", "x", 0, 15, 0.0f, 0.8f, "#"));
    Globals().Find("publicist")->value = 0.0f;
    GetFame().fame = 5000.0f;
    const int offered = OfferedOutOf(rising, 2000);
    EXPECT_NEAR(offered / 2000.0, 0.4, 0.05);
    GetFame().fame = 0.0f;
    EXPECT_EQ(OfferedOutOf(rising, 200), 0);
}

TEST_F(PublicityTest, EachDayOffersFreshEventsAsOptions) {
    LoadPublicityTypes(dir.Write("publicity.csv", "Types\n" + TypeRow("yes", "x", 0, 15, 1, 1, "#") +
                                                      TypeRow("no", "x", 0, 15, 0, 0, "#") +
                                                      TypeRow("also", "x", 0, 15, 1, 1, "#")));
    OfferPublicityEvents();
    ASSERT_EQ(TodaysPublicityEvents().size(), 2u);
    const auto& options = GetDailyOptions().Options();
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[1]->kind, OPTION_PUBLICITY);
    EXPECT_EQ(options[1]->title, "Title also");
    EXPECT_EQ(options[1]->picture, "pic_also.jpg");
    EXPECT_EQ(options[1]->subject, TodaysPublicityEvents()[1].get());
    EXPECT_EQ(TodaysPublicityEvents()[0]->type->name, "yes");

    // The next day's pass replaces them, and relaxation is offered every day.
    GetSIM().NewDay();
    EXPECT_EQ(TodaysPublicityEvents().size(), 2u);
    int relax = 0, publicity = 0;
    for (const auto& o : GetDailyOptions().Options()) {
        if (o->kind == OPTION_RELAXATION) {
            ++relax;
            EXPECT_EQ(o->subject, nullptr);
            EXPECT_EQ(o->title, "Day off");
            EXPECT_EQ(o->picture, "relax.jpg");
        }
        publicity += o->kind == OPTION_PUBLICITY ? 1 : 0;
    }
    EXPECT_EQ(relax, 1);
    EXPECT_EQ(publicity, 2);
}

// ---- Performing ----

TEST_F(PublicityTest, EveryMemberAndThePlayerShareTheScoreEvenWhenTooStressed) {
    const SIM_PublicityEventType& t =
        LoadOne(TypeRow("print interview", "x", 0, 15, 1, 1,
                        "\"energetic,0.6\",\"optimistic,0.4\",\"ambitious,0.5\",\"milo_inspiration,0.5\","
                        "\"milo_music_guitar,1\",\"unknown,0.9\",#"));
    SIM_Musician& keen = WithTraits(Join(), {"optimistic", "energetic"});
    SIM_Musician& frazzled = WithTraits(Join(), {"ambitious"});
    keen.happiness = 0.5f;
    frazzled.happiness = 1.0f;
    frazzled.stress.value = 0.81f;
    // The player's own share: inspiration 0.3 x 0.5, plus guitar 0.1 x 1; traits count only for members.
    EXPECT_NEAR(PlayerContribution(t), 0.25f, 1e-5f);

    SIM_PublicityEvent event(t);
    PerformPublicity(event);
    ASSERT_EQ(event.memberResults.size(), 2u);
    const SIM_PublicityMemberResult& first = event.memberResults[0];
    EXPECT_EQ(first.musician, &keen);
    EXPECT_NEAR(first.score, 0.5f, 1e-5f);  // (0.6 + 0.4) x happiness 0.5
    EXPECT_EQ(first.matchedTraits, (std::vector<std::string>{"energetic", "optimistic"}));  // in factor order
    EXPECT_FALSE(first.tooStressed);
    EXPECT_TRUE(event.memberResults[1].tooStressed);
    EXPECT_FLOAT_EQ(event.memberResults[1].score, 0.0f);
    // (0.5 + 0 + 0.25) / 3: the stressed member still divides.
    EXPECT_NEAR(event.success, 0.25f, 1e-5f);
    EXPECT_NEAR(event.hype, 0.5f * 0.25f, 1e-5f);  // full reach at fame 0
    EXPECT_NEAR(HypeEffectTotal("print interview"), event.hype, 1e-5f);

    // A second accept changes nothing.
    PerformPublicity(event);
    EXPECT_EQ(event.memberResults.size(), 2u);
    EXPECT_NEAR(HypeEffectTotal("print interview"), event.hype, 1e-5f);
}

TEST_F(PublicityTest, ScoresStayWithinBoundsAndAStressedMemberAtTheLimitStillHelps) {
    const SIM_PublicityEventType& t =
        LoadOne(TypeRow("t", "x", 0, 15, 1, 1, "\"random,0.2,0.4\",\"lazy,-2\",\"energetic,3\",#"));
    SIM_Musician& calm = WithTraits(Join(), {"energetic"});
    SIM_Musician& lazy = WithTraits(Join(), {"lazy"});
    SIM_Musician& plain = Join();
    calm.happiness = lazy.happiness = plain.happiness = 1.0f;
    calm.stress.value = 0.8f;  // at the threshold, not above it
    SIM_PublicityEvent event(t);
    EXPECT_FLOAT_EQ(MemberContribution(event, calm), 1.0f);
    EXPECT_FLOAT_EQ(MemberContribution(event, lazy), 0.0f);
    for (int i = 0; i < 50; ++i) {
        const float s = MemberContribution(event, plain);
        EXPECT_GE(s, 0.2f);
        EXPECT_LE(s, 0.4f);
    }
    EXPECT_FALSE(event.memberResults[0].tooStressed);
}

TEST_F(PublicityTest, ReachFallsWithFameAndABandWithoutMembersGetsNoHype) {
    const SIM_PublicityEventType& t = LoadOne(TypeRow("t", "x", 0, 300, 1, 1, "\"milo_inspiration,1\",#"));
    EXPECT_FLOAT_EQ(PublicityReach(t, 0.0f), 1.0f);  // 300 / 15, clamped
    EXPECT_FLOAT_EQ(PublicityReach(t, 1.5f), 1.0f);
    EXPECT_FLOAT_EQ(PublicityReach(t, 100.0f), 0.3f);
    const SIM_PublicityEventType& small = LoadOne(TypeRow("s", "x", 0, 6, 1, 1, "\"milo_inspiration,1\",#"));
    EXPECT_FLOAT_EQ(PublicityReach(small, 0.0f), 0.4f);
    EXPECT_FLOAT_EQ(PublicityReach(small, 100.0f), 0.006f);

    // Nobody in the band: the player alone scores nothing, and nobody grumbles.
    SIM_PublicityEvent lonely(small);
    PerformPublicity(lonely);
    EXPECT_FLOAT_EQ(lonely.success, 0.0f);
    EXPECT_FLOAT_EQ(lonely.hype, 0.0f);
    EXPECT_FLOAT_EQ(lonely.reach, 0.4f);
}

TEST_F(PublicityTest, OnlyReachBelowAHalfQueuesTheGrumble) {
    auto queued = [](const SIM_Musician& m) {
        int n = 0;
        for (const auto& c : m.commenter->queued) n += c.type == COMMENT_PUBLICITY_POOR_REACH ? 1 : 0;
        return n;
    };
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    const SIM_PublicityEventType& half = LoadOne(TypeRow("h", "x", 0, 7.5f, 1, 1, "#"));
    SIM_PublicityEvent atHalf(half);
    PerformPublicity(atHalf);
    EXPECT_FLOAT_EQ(atHalf.reach, 0.5f);
    EXPECT_EQ(queued(a) + queued(b), 0);

    const SIM_PublicityEventType& poor = LoadOne(TypeRow("p", "x", 0, 7.4f, 1, 1, "#"));
    SIM_PublicityEvent below(poor);
    PerformPublicity(below);
    EXPECT_EQ(queued(a) + queued(b), 1);
    for (int i = 0; i < 5; ++i) {
        SIM_PublicityEvent again(poor);
        PerformPublicity(again);
    }
    EXPECT_GE(queued(a) + queued(b), 5);
}

TEST_F(PublicityTest, PerformingAppliesModifiersBoredomAndRelationships) {
    const SIM_PublicityEventType& t = LoadOne(TypeRow("t", "x", 0, 15, 1, 1, "#,\"band_stress,0.3,0.9\""));
    SetTuning("RS_BOREDOM_REDUCT_PR=0.1\nRS_MEETSCALAR_PUBLICITY=1\nRS_RELATIONSHIP_MULTIPLIER=0.5\n");
    SIM_Musician& a = Join(0.2f);
    SIM_Musician& b = Join(0.9f);
    a.boredom = b.boredom = 0.5f;
    const float before = AverageRelationship();
    SIM_PublicityEvent event(t);
    PerformPublicity(event);
    EXPECT_FLOAT_EQ(a.boredom, 0.4f);
    EXPECT_GT(b.Stress(), 0.2f);
    EXPECT_NE(AverageRelationship(), before);
}

// ---- The publicity results screen and the option's path ----

TEST_F(PublicityTest, TheResultsScreenShowsScoresReachAndTheTypesBackdrop) {
    const SIM_PublicityEventType& t = LoadOne(
        TypeRow("radio interview", "x", 0, 3, 1, 1,
                "\"energetic,0.8\",#,\"band_motivation,0.05,0.9\",\"band_stress,-0.031,0.9\",\"glob_x,0.5,1\""));
    SIM_Musician& a = WithTraits(Join(), {"energetic"});
    SIM_Musician& b = Join();
    a.happiness = 1.0f;
    b.stress.value = 0.9f;
    SIM_PublicityEvent event(t);
    GetDailyOptions().AddDailyOption(&event, OPTION_PUBLICITY, "", "", "", true);
    GetDailyOptions().AcceptDailyOption(*GetDailyOptions().Options().back());
    EXPECT_TRUE(event.performed);
    EXPECT_EQ(relaxScreens.Screens().back(), "publicity");

    SIM_PublicityResults results(event);
    EXPECT_EQ(results.heading, "Title radio interview");
    EXPECT_EQ(results.body, "Results radio interview");
    // success (0.8 + 0) / 3, reach 3/15.
    EXPECT_NEAR(event.hype, 0.5f * (0.8f / 3.0f) * 0.2f, 1e-5f);
    EXPECT_EQ(results.effectLine, "Hype: +3%");
    EXPECT_EQ(results.reachLine, "Reach 20%");
    EXPECT_EQ(results.modifierLines, (std::vector<std::string>{"Motivation +5%  ", "Stress -3%  "}));
    ASSERT_EQ(results.cards.size(), 2u);
    EXPECT_FLOAT_EQ(results.cards[0].left, 352.0f);
    EXPECT_FLOAT_EQ(results.cards[1].right, 672.0f);
    EXPECT_FLOAT_EQ(results.cards[1].top, 250.0f);
    EXPECT_EQ(results.cards[0].scoreText, "Gave +80");
    EXPECT_TRUE(results.cards[0].stressedText.empty());
    EXPECT_EQ(results.cards[1].stressedText, "Frazzled");
    EXPECT_EQ(results.backdrop, SIM_PublicityResults::kRadioInterview);
    EXPECT_TRUE(results.pausesMusic);

    // A type that takes hype away says so once, not "+-".
    SIM_PublicityEvent costly(t);
    costly.hype = -0.04f;
    EXPECT_EQ(SIM_PublicityResults(costly).effectLine, "Hype: -4%");

    // Continuing uses the day's act.
    const int turn = GetSIM().turncount;
    results.Close();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    for (const auto& [name, picture] : std::vector<std::pair<std::string, std::string>>{
             {"flyers", "pileofflyers.jpg"}, {"flyposting", "flyposters.jpg"}, {"gig listing", ""}}) {
        SIM_PublicityEvent other(LoadOne(TypeRow(name, "x", 0, 15, 1, 1, "#")));
        const SIM_PublicityResults shown(other);
        EXPECT_EQ(shown.backdropPicture, picture) << name;
        EXPECT_FALSE(shown.pausesMusic);
    }
}

// ---- Relaxation ----

class RelaxTest : public PublicityTest {
protected:
    void SetUp() override {
        PublicityTest::SetUp();
        LoadRelaxVenues(dir.Write("relax.csv",
                                  "Venues\n"
                                  "#,donothing,Stay In,Sofa,0,home.jpg,home_card.jpg\n"
                                  "#,pub,The Pub,\"Pints, darts\",50,pub.jpg,pub_card.jpg,\"band_stress,-0.1,0.9\","
                                  "\"band_hype,0.034,0.9\",\"band_motivation,0.1,0.9\"\n"
                                  "#,spa,Spa," + std::string("Mud\n")));
    }
    static const SIM_RelaxVenue& Venue(std::size_t i) { return *RelaxVenues()[i]; }
    void FourMembers() {
        for (int i = 0; i < 4; ++i) Join();
    }
};

TEST_F(RelaxTest, VenuesReadEveryCellAndCutLongModifiers) {
    ASSERT_EQ(RelaxVenues().size(), 3u);
    const SIM_RelaxVenue& pub = Venue(1);
    EXPECT_EQ(pub.name, "pub");
    EXPECT_EQ(pub.title, "The Pub");
    EXPECT_EQ(pub.description, "Pints, darts");
    EXPECT_FLOAT_EQ(pub.costPerMember, 50.0f);
    EXPECT_EQ(pub.resultPicture, "pub.jpg");
    EXPECT_EQ(pub.cardPicture, "pub_card.jpg");
    ASSERT_EQ(pub.modifiers.size(), 3u);
    EXPECT_EQ(pub.modifiers[0].source, "unset");
    EXPECT_TRUE(Venue(2).modifiers.empty());  // a short row ends early

    const std::string longName(200, 'x');
    LoadRelaxVenues(dir.Write("long.csv", "#,a,A,d,1,r.jpg,c.jpg,\"" + longName + ",0.1,0.9\"\n"));
    ASSERT_EQ(Venue(0).modifiers.size(), 1u);
    EXPECT_EQ(Venue(0).modifiers[0].name, std::string(127, 'x'));
    EXPECT_FLOAT_EQ(Venue(0).modifiers[0].amount, 0.0f);  // the amount was cut away with the rest

    LoadRelaxVenues(dir.path() + "/missing.csv");
    EXPECT_TRUE(RelaxVenues().empty());
}

TEST_F(RelaxTest, TheChooserDisablesWhatTheBandCannotPayForAndRefusesIt) {
    FourMembers();
    GetFinances().cash = 199.0f;
    SIM_RelaxChooser chooser;
    ASSERT_EQ(chooser.cards.size(), 3u);
    EXPECT_EQ(chooser.cards[1].costLine, "Cost : $200");
    EXPECT_FALSE(chooser.cards[1].canUse);
    EXPECT_TRUE(chooser.cards[0].canUse);
    EXPECT_FLOAT_EQ(chooser.cards[2].top, 480.0f);
    EXPECT_FLOAT_EQ(chooser.cards[2].right, 874.0f);
    const int turn = GetSIM().turncount;
    EXPECT_FALSE(chooser.Use(1));
    EXPECT_FALSE(chooser.Use(7));
    EXPECT_FLOAT_EQ(GetFinances().cash, 199.0f);
    EXPECT_EQ(GetSIM().turncount, turn);

    GetFinances().cash = 200.0f;
    chooser.Build();
    EXPECT_TRUE(chooser.cards[1].canUse);
    // The money went elsewhere after the chooser was drawn: still refused.
    GetFinances().cash = 10.0f;
    EXPECT_FALSE(chooser.Use(1));

    // A free venue can always be chosen, even in debt.
    GetFinances().cash = -500.0f;
    chooser.Build();
    EXPECT_TRUE(chooser.Use(0));
    EXPECT_FLOAT_EQ(GetFinances().cash, -500.0f);
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(relaxScreens.Screens().back(), "relax results donothing");
}

TEST_F(RelaxTest, ChoosingPaysAppliesModifiersAndClosingTheResultsEasesStress) {
    FourMembers();
    GetFinances().cash = 1000.0f;
    const float earned = GetStatistics().moneyEarned;
    ChooseRelaxVenue(Venue(1));
    EXPECT_FLOAT_EQ(GetFinances().cash, 800.0f);
    EXPECT_FLOAT_EQ(GetStatistics().moneyEarned, earned);
    SIM_Musician& m = *GetBand().members[0];
    auto named = [&](const std::string& reason) {
        int n = 0;
        for (const auto& e : m.stress.effects.Effects()) n += e->debugname == reason ? 1 : 0;
        return n;
    };
    EXPECT_EQ(named("modifier"), 1);  // the venue's own stress modifier

    SIM_RelaxResults results(Venue(1));
    EXPECT_EQ(results.picture, "pub.jpg");
    EXPECT_EQ(results.effectLines, (std::vector<std::string>{"Calm -10", "Buzz +3"}));
    ASSERT_EQ(results.panels.size(), 4u);
    EXPECT_FLOAT_EQ(results.panels[0].motivation, m.happiness * 100.0f);
    results.Close();
    EXPECT_EQ(named("relax"), 1);
    const SIM_Effect& relief = *m.stress.effects.Effects().back();
    EXPECT_EQ(relief.debugname, "relax");
    EXPECT_FLOAT_EQ(relief.value, -0.2f);
    EXPECT_FLOAT_EQ(relief.degrade, 0.9f);
}

TEST_F(RelaxTest, StayingInLooksLuxuriousFromANetWorthOfTwoThousand) {
    GetFinances().cash = 1999.0f;
    EXPECT_EQ(SIM_RelaxResults(Venue(0)).picture, "home.jpg");
    GetFinances().cash = 1500.0f;
    WorldSeams().assetsNetWorth = [] { return 500.0f; };  // net worth counts what the band owns
    EXPECT_EQ(SIM_RelaxResults(Venue(0)).picture, "relax_home_luxury.jpg");
    EXPECT_EQ(SIM_RelaxResults(Venue(1)).picture, "pub.jpg");
}

// ---- The shipped catalogues ----

TEST_F(PublicityTest, ShippedCataloguesCarryTheNamedTypesTraitsAndTexts) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    LoadPersonalities();
    LoadPublicityTypes();
    std::set<std::string> names;
    for (const auto& t : PublicityTypes()) {
        EXPECT_TRUE(names.insert(t->name).second) << "duplicate " << t->name;
        EXPECT_FALSE(t->optionTitle.empty()) << t->name;
        EXPECT_FALSE(t->resultsText.empty()) << t->name;
        EXPECT_GT(t->hypeAmount, 0.0f) << t->name;
        EXPECT_GT(t->reachNumerator, 0.0f) << t->name;
        EXPECT_TRUE(t->hypeDegrade > 0.0f && t->hypeDegrade < 1.0f) << t->name;
        for (const SIM_PublicityFactor& f : t->factors) {
            if (f.name != "random" && f.name.find("milo_") == std::string::npos) {
                EXPECT_NE(FindPersonality(f.name), nullptr) << t->name << ": " << f.name;
            }
        }
    }
    for (const char* name : {"print interview", "radio interview", "web interview", "flyers", "flyposting"})
        EXPECT_TRUE(names.count(name)) << name;

    LoadRelaxVenues();
    bool home = false;
    for (const auto& v : RelaxVenues()) home = home || (v->name == "donothing" && v->costPerMember == 0.0f);
    EXPECT_TRUE(home);
    for (const char* key : {"FMV_CONTINUE", "PUBLICITY_EFFECT", "PUBLICITY_REACH", "CONTRIBUTION_TEXT",
                            "CONTRIBUTION_TOOSTRESSED", "RELAX_OPTION_TITLE", "RELAX_OPTION_TEXT",
                            "RELAXCHOOSER_TITLE", "RELAX_CHOOSER_CANCEL", "RELAXOPTION_COST", "RELAXOPTION_USE",
                            "RELAX_HYPE", "RELAX_STRESS", "RELAX_MOTIVATION", "RELAX_CONTINUE"})
        EXPECT_NE(Translate(key), key);
    EXPECT_NE(Translate("PUBLICITY_REACH").find("<AMOUNT>"), std::string::npos);
    EXPECT_GT(GetTuningValue("RS_PUBLICITY_TOOSTRESSED"), 0.0f);
    EXPECT_LT(GetTuningValue("RS_RELAX_STRESS"), 0.0f);
    EXPECT_GT(GetTuningValue("RS_STRESS_DEGRADE"), 0.0f);
}
