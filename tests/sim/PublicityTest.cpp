// Publicity events (catalogue, daily offers, scoring, results screen) and relaxation (catalogue,
// chooser, results screen).
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "PeopleTestSupport.h"
#include "SIM_Commenter.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_Publicity.h"
#include "SIM_Relaxation.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <random>
#include <set>

namespace {
// Cells: marker, name, kind, title, picture, text, sound, results, min fame, reach numerator,
// chance at 0, chance at full, hype amount 0.5, hype degrade 0.9, spacer, then the rest.
std::string TypeRow(const std::string& name, const std::string& kind, float minFame, float reach, float chance,
                    const std::string& rest) {
    return "#," + name + "," + kind + ",Title " + name + ",pic.jpg,Text,,Results," + std::to_string(minFame) + "," +
           std::to_string(reach) + "," + std::to_string(chance) + "," + std::to_string(chance) + ",0.5,0.9,," + rest +
           "\n";
}

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
                  "RS_RELAX_STRESS=-0.2\nRS_STRESS_DEGRADE=0.9\nRS_MEETSCALAR_PUBLICITY=0.5\n"
                  "RS_RELATIONSHIP_MULTIPLIER=1\n");
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
        return *PublicityTypes().at(0);
    }
    static int OfferedOutOf(const SIM_PublicityEventType& type, int days) {
        int offered = 0;
        for (int i = 0; i < days; ++i) offered += IsOffered(type) ? 1 : 0;
        return offered;
    }
    static int Grumbles() {
        int n = 0;
        for (const SIM_Musician* m : GetBand().members)
            for (const auto& c : m->commenter->queued) n += c.type == COMMENT_PUBLICITY_POOR_REACH ? 1 : 0;
        return n;
    }

    RelaxRecordingScreens relaxScreens;
};

TEST_F(PublicityTest, ARowReadsFactorsUpToTheMarkerThenModifiers) {
    const SIM_PublicityEventType& t =
        LoadOne("#,radio interview,flyers,On Air,radio.jpg,\"Talk, then play\",a.ogg,It went out,12,300,0.1,0.6,0.4,"
                "0.95,ignored,\"random,0.1,0.3\",,\"energetic,0.5\",#,\"band_stress,0.05,0.9\",\"band_hype,1\"\n");
    EXPECT_EQ(t.optionText, "Talk, then play");
    EXPECT_FLOAT_EQ(t.hypeDegrade, 0.95f);
    ASSERT_EQ(t.factors.size(), 2u);  // the empty cell adds none
    EXPECT_FLOAT_EQ(t.factors[0].max, 0.3f);
    EXPECT_EQ(t.factors[1].name, "energetic");
    EXPECT_FLOAT_EQ(t.factors[1].max, 0.0f);  // missing max
    ASSERT_EQ(t.modifiers.size(), 2u);
    EXPECT_EQ(t.modifiers[0].source, "radio interview");  // effects name the type

    EXPECT_EQ(t.kind, PUBLICITY_FLYERS);
    const std::string longText(1500, 'w');
    EXPECT_EQ(LoadOne("#,t,x,T,p.jpg,x,," + longText + ",0,15,1,1,0.5,0.9,,#\n").resultsText, longText.substr(0, 1023));
    EXPECT_EQ(LoadOne(TypeRow("t", "Signed", 0, 15, 1, "#")).kind, PUBLICITY_ORDINARY);  // words are exact
    const SIM_PublicityEventType& noMarker = LoadOne(TypeRow("t", "x", 0, 15, 1, "\"random,0,1\",\"band_hype,1,1\""));
    EXPECT_EQ(noMarker.factors.size(), 2u);
    EXPECT_TRUE(noMarker.modifiers.empty());
    LoadPublicityTypes(dir.path() + "/missing.csv");
    EXPECT_TRUE(PublicityTypes().empty());
}

// Rows built from known pieces, whole and cut anywhere (even inside quotes): the reader finds
// exactly the factors before the marker and the modifiers after it, and never more in a cut row.
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
        if (rng() % 4 != 0) {
            row += ",#";
            for (int i = static_cast<int>(rng() % 6); i > 0; --i) {
                const bool real = rng() % 3 != 0;
                row += "," + (real ? pick(modifierCells) : pick(noModifier));
                modifiers += real ? 1 : 0;
            }
        }
        if (rng() % 2) row += "\n";
        SIM_PublicityEventType whole, cut;
        whole.LoadFromRow(row);
        EXPECT_EQ(whole.factors.size(), factors) << row;
        EXPECT_EQ(whole.modifiers.size(), modifiers) << row;
        cut.LoadFromRow(row.substr(0, rng() % (row.size() + 1)));
        EXPECT_LE(cut.factors.size() + cut.modifiers.size(), factors + modifiers) << row;
    }
}

TEST_F(PublicityTest, FameDealAndBookingsDecideBeforeAnyRoll) {
    const SIM_PublicityEventType& ordinary = LoadOne(TypeRow("o", "x", 20, 15, 1, "#"));
    GetFame().fame = 19.99f;
    EXPECT_FALSE(IsOffered(ordinary));
    GetFame().fame = 20.0f;  // the minimum itself qualifies
    EXPECT_TRUE(IsOffered(ordinary));

    const SIM_PublicityEventType& signedType = LoadOne(TypeRow("s", "signed", 0, 15, 1, "#"));
    EXPECT_FALSE(IsOffered(signedType));
    WorldSeams().hasRecordDeal = [] { return true; };
    EXPECT_TRUE(IsOffered(signedType));

    // Booked types ignore their chances; flyers are certain from weekday 4 to 6 with a gig.
    const SIM_PublicityEventType& booked = LoadOne(TypeRow("b", "booked", 0, 15, 1, "#"));
    EXPECT_EQ(OfferedOutOf(booked, 20), 0);
    BookedGigs().push_back(std::make_unique<SIM_Gig>());
    EXPECT_EQ(OfferedOutOf(LoadOne(TypeRow("b", "booked", 0, 15, 0, "#")), 20), 20);
    const SIM_PublicityEventType& flyers = LoadOne(TypeRow("f", "flyers", 0, 15, 0, "#"));
    for (int weekday = 0; weekday < 7; ++weekday) {
        GetSIMDate().date.weekday = weekday;
        EXPECT_EQ(IsOffered(flyers), weekday >= 4) << weekday;
    }
    GetSIMDate().date.weekday = 1;
    EXPECT_TRUE(IsOffered(LoadOne(TypeRow("f", "flyers", 0, 15, 1, "#"))));
    BookedGigs().clear();
    GetSIMDate().date.weekday = 5;
    EXPECT_EQ(OfferedOutOf(LoadOne(TypeRow("f", "flyers", 0, 15, 1, "#")), 20), 0);
}

TEST_F(PublicityTest, ThePublicistMakesNineTenthsCertainAndFameMovesTheChance) {
    const SIM_PublicityEventType& t = LoadOne(TypeRow("t", "x", 0, 15, 0.9f, "#"));
    EXPECT_LT(OfferedOutOf(t, 400), 400);
    Globals().Add(std::make_unique<SIM_NamedValue>("publicist", "Publicist", 1.0f));
    EXPECT_EQ(OfferedOutOf(t, 400), 400);

    Globals().Find("publicist")->value = 0.0f;
    const SIM_PublicityEventType& rising =
        LoadOne("#,r,x,T,p.jpg,x,,x,0,15,0,0.8,0.5,0.9,,#\n");  // 0 at no fame, 0.8 at 10000
    EXPECT_EQ(OfferedOutOf(rising, 200), 0);
    GetFame().fame = 5000.0f;
    EXPECT_NEAR(OfferedOutOf(rising, 2000) / 2000.0, 0.4, 0.05);
}

TEST_F(PublicityTest, EachDayOffersFreshEventsBesideTheRelaxationOffer) {
    LoadPublicityTypes(dir.Write("publicity.csv", "Types\n" + TypeRow("yes", "x", 0, 15, 1, "#") +
                                                      TypeRow("no", "x", 0, 15, 0, "#") +
                                                      TypeRow("also", "x", 0, 15, 1, "#")));
    GetSIM().NewDay();
    ASSERT_EQ(TodaysPublicityEvents().size(), 2u);
    std::vector<std::string> offered;
    for (const auto& o : GetDailyOptions().Options()) {
        offered.push_back(o->title);
        EXPECT_EQ(o->kind == OPTION_PUBLICITY, dynamic_cast<SIM_PublicityEvent*>(o->subject) != nullptr);
        EXPECT_EQ(o->kind == OPTION_RELAXATION, o->picture == "relax.jpg");
    }
    EXPECT_EQ(offered, (std::vector<std::string>{"Day off", "Title yes", "Title also"}));
    TodaysPublicityEvents()[0]->performed = true;
    GetSIM().NewDay();
    EXPECT_EQ(GetDailyOptions().Options().size(), 3u);
    EXPECT_FALSE(TodaysPublicityEvents()[0]->performed);  // a fresh event, not yesterday's
}

TEST_F(PublicityTest, EveryMemberAndThePlayerShareTheScoreEvenWhenTooStressed) {
    const SIM_PublicityEventType& t =
        LoadOne(TypeRow("print", "x", 0, 15, 1,
                        "\"energetic,0.6\",\"optimistic,0.4\",\"ambitious,0.5\",\"lazy,-3\",\"milo_inspiration,0.5\","
                        "\"milo_music_guitar,1\",#,\"glob_pr_test,0.3,1\""));
    SIM_Musician& keen = WithTraits(Join(), {"optimistic", "energetic"});
    SIM_Musician& frazzled = WithTraits(Join(), {"ambitious"});
    SIM_Musician& lazy = WithTraits(Join(), {"lazy"});
    keen.happiness = 0.5f;
    frazzled.happiness = lazy.happiness = 1.0f;
    frazzled.stress.value = 0.81f;
    keen.stress.value = 0.8f;  // at the limit, not above it
    keen.boredom = 0.5f;
    // Inspiration 0.3 x 0.5 plus guitar 0.1 x 1; traits count only for members.
    EXPECT_NEAR(PlayerContribution(t), 0.25f, 1e-5f);

    const float together = keen.relationships.at(0)->value;

    SIM_PublicityEvent event(t);
    PerformPublicity(event);
    ASSERT_EQ(event.memberResults.size(), 3u);
    EXPECT_NEAR(event.memberResults[0].score, 0.5f, 1e-5f);  // (0.6 + 0.4) x happiness 0.5
    EXPECT_EQ(event.memberResults[0].matchedTraits, (std::vector<std::string>{"energetic", "optimistic"}));
    EXPECT_FALSE(event.memberResults[0].tooStressed);
    EXPECT_TRUE(event.memberResults[1].tooStressed);
    EXPECT_FLOAT_EQ(event.memberResults[1].score, 0.0f);
    EXPECT_FLOAT_EQ(event.memberResults[2].score, 0.0f);  // clamped, not negative
    EXPECT_NEAR(event.success, 0.75f / 4.0f, 1e-5f);        // the stressed member still divides
    EXPECT_NEAR(event.hype, 0.5f * event.success, 1e-5f);    // full reach at fame 0
    EXPECT_FLOAT_EQ(keen.boredom, 0.4f);
    auto* hype = dynamic_cast<SIM_Attribute*>(GetBand().bandValues.Find("band_hype"));
    ASSERT_GT(hype->effects.Size(), 0u);
    const SIM_Effect& given = *hype->effects.Effects().back();
    EXPECT_EQ(given.debugname, "print");  // the type names its hype, which fades at its own rate
    EXPECT_FLOAT_EQ(given.degrade, 0.9f);
    EXPECT_FLOAT_EQ(given.value, event.hype);
    const SIM_NamedValue* own = Globals().Find("glob_pr_test");  // the type's own modifiers, once
    ASSERT_NE(own, nullptr);
    EXPECT_FLOAT_EQ(own->value, 0.3f);
    EXPECT_NEAR(keen.relationships.at(0)->value, together + 0.25f, 1e-5f);  // meeting the public together

    // A second accept changes nothing.
    const std::size_t effects = hype->effects.Size();
    PerformPublicity(event);
    EXPECT_EQ(event.memberResults.size(), 3u);
    EXPECT_EQ(hype->effects.Size(), effects);
    EXPECT_FLOAT_EQ(own->value, 0.3f);
}

TEST_F(PublicityTest, ReachFallsWithFameAndOnlyReachBelowAHalfGrumbles) {
    const SIM_PublicityEventType& t = LoadOne(TypeRow("t", "x", 0, 6, 1, "\"milo_inspiration,1\",#"));
    EXPECT_FLOAT_EQ(PublicityReach(t, 0.0f), 0.4f);  // 6 / 15
    EXPECT_FLOAT_EQ(PublicityReach(t, 100.0f), 0.006f);
    // Nobody in the band: the player alone scores nothing, and nobody is there to grumble.
    SIM_PublicityEvent lonely(t);
    PerformPublicity(lonely);
    EXPECT_FLOAT_EQ(lonely.success, 0.0f);
    EXPECT_FLOAT_EQ(lonely.hype, 0.0f);

    Join();
    Join();
    SIM_PublicityEvent atHalf(LoadOne(TypeRow("h", "x", 0, 7.5f, 1, "#")));
    PerformPublicity(atHalf);
    EXPECT_FLOAT_EQ(atHalf.reach, 0.5f);
    EXPECT_EQ(Grumbles(), 0);
    SIM_PublicityEvent below(LoadOne(TypeRow("p", "x", 0, 7.4f, 1, "#")));
    PerformPublicity(below);
    EXPECT_EQ(Grumbles(), 1);
}

TEST_F(PublicityTest, TheResultsScreenShowsScoresReachAndTheTypesBackdrop) {
    const SIM_PublicityEventType& t = LoadOne(
        TypeRow("radio interview", "x", 0, 3, 1,
                "\"energetic,0.8\",#,\"band_motivation,0.05,0.9\",\"band_stress,-0.031,0.9\",\"glob_x,0.5,1\""));
    SIM_Musician& keen = WithTraits(Join(), {"energetic"});
    Join().stress.value = 0.9f;
    keen.happiness = 1.0f;  // joining recomputes everyone
    SIM_PublicityEvent event(t);
    GetDailyOptions().AcceptDailyOption(GetDailyOptions().AddDailyOption(&event, OPTION_PUBLICITY, "", "", "", true));
    EXPECT_TRUE(event.performed);
    EXPECT_EQ(relaxScreens.Screens().back(), "publicity");

    SIM_PublicityResults results(event);
    EXPECT_EQ(results.effectLine, "Hype: +3%");  // 0.5 x 0.8 / 3 x reach 3/15
    EXPECT_EQ(results.reachLine, "Reach 20%");
    EXPECT_EQ(results.modifierLines, (std::vector<std::string>{"Motivation +5%  ", "Stress -3%  "}));
    ASSERT_EQ(results.cards.size(), 2u);
    EXPECT_FLOAT_EQ(results.cards[0].left, 352.0f);  // two 160-wide cards centred on 1024
    EXPECT_EQ(results.cards[0].scoreText, "Gave +80");
    EXPECT_EQ(results.cards[1].stressedText, "Frazzled");
    EXPECT_EQ(results.backdrop, SIM_PublicityResults::kRadioInterview);
    EXPECT_TRUE(results.pausesMusic);
    SIM_PublicityEvent costly(t);
    costly.hype = -0.04f;
    EXPECT_EQ(SIM_PublicityResults(costly).effectLine, "Hype: -4%");  // not "+-4%"

    const int turn = GetSIM().turncount;
    results.Close();  // continuing uses the day's act, once however often it is pressed
    results.Close();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
}

// ---- Relaxation ----

class RelaxTest : public PublicityTest {
protected:
    void SetUp() override {
        PublicityTest::SetUp();
        LoadRelaxVenues(dir.Write("relax.csv", "Venues\n"
                                               "#,donothing,Stay In,Sofa,0,home.jpg,home_card.jpg\n"
                                               "#,pub,The Pub,Darts,50,pub.jpg,pub_card.jpg,\"band_stress,-0.1,0.9\","
                                               "\"band_hype,0.034,0.9\",\"band_motivation,0.1,0.9\"\n"));
        for (int i = 0; i < 4; ++i) Join();
    }
    static const SIM_RelaxVenue& Venue(std::size_t i) { return *RelaxVenues().at(i); }
};

TEST_F(RelaxTest, TheChooserDisablesWhatTheBandCannotPayForAndRefusesIt) {
    GetFinances().cash = 199.0f;
    SIM_RelaxChooser chooser;
    ASSERT_EQ(chooser.cards.size(), 2u);
    EXPECT_EQ(chooser.cards[1].costLine, "Cost : $200");  // four members at 50
    EXPECT_FALSE(chooser.cards[1].canUse);
    EXPECT_FLOAT_EQ(chooser.cards[1].top, 320.0f);
    const int turn = GetSIM().turncount;
    EXPECT_FALSE(chooser.Use(1));
    EXPECT_FALSE(chooser.Use(7));
    EXPECT_FLOAT_EQ(GetFinances().cash, 199.0f);

    GetFinances().cash = 200.0f;
    chooser.Build();
    EXPECT_TRUE(chooser.cards[1].canUse);
    GetFinances().cash = 10.0f;  // the money went elsewhere after the chooser was drawn
    EXPECT_FALSE(chooser.Use(1));

    GetFinances().cash = -500.0f;  // a free venue can always be chosen
    chooser.Build();
    EXPECT_TRUE(chooser.Use(0));
    EXPECT_FALSE(chooser.Use(0));  // a second press neither pays nor ends another day
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(relaxScreens.Screens().back(), "relax results donothing");
}

TEST_F(RelaxTest, ChoosingPaysAndClosingTheResultsEasesStress) {
    GetFinances().cash = 1000.0f;
    const float earned = GetStatistics().moneyEarned;
    ChooseRelaxVenue(Venue(1));
    EXPECT_FLOAT_EQ(GetFinances().cash, 800.0f);
    EXPECT_FLOAT_EQ(GetStatistics().moneyEarned, earned);
    const SIM_Musician& m = *GetBand().members[0];
    auto named = [&](const std::string& reason) {
        return std::count_if(m.stress.effects.Effects().begin(), m.stress.effects.Effects().end(),
                             [&](const auto& e) { return e->debugname == reason; });
    };
    EXPECT_EQ(named("modifier"), 1);

    SIM_RelaxResults results(Venue(1));
    EXPECT_EQ(results.effectLines, (std::vector<std::string>{"Calm -10", "Buzz +3"}));
    EXPECT_EQ(results.panels.size(), 4u);
    results.Close();
    results.Close();  // the band relaxes once
    EXPECT_EQ(named("relax"), 1);
    EXPECT_FLOAT_EQ(m.stress.effects.Effects().back()->value, -0.2f);
}

TEST_F(RelaxTest, StayingInLooksLuxuriousFromANetWorthOfTwoThousand) {
    GetFinances().cash = 1999.0f;
    EXPECT_EQ(SIM_RelaxResults(Venue(0)).picture, "home.jpg");
    GetFinances().cash = 1500.0f;
    WorldSeams().assetsNetWorth = [] { return 500.0f; };  // what the band owns counts
    EXPECT_EQ(SIM_RelaxResults(Venue(0)).picture, "relax_home_luxury.jpg");
    EXPECT_EQ(SIM_RelaxResults(Venue(1)).picture, "pub.jpg");
}

TEST_F(PublicityTest, ShippedCataloguesCarryTheNamedTypesTraitsAndTexts) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadPersonalities();
    LoadPublicityTypes();
    std::set<std::string> playerValues;  // an unknown one would silently score 0
    const auto attributes = LoadSpreadsheet("data/simulation/attributes.csv");
    for (const std::string& row : attributes->rows) {
        LibTokenizer cells(row);
        cells.Next();
        playerValues.insert(cells.NextText());
    }
    std::set<std::string> names;
    for (const auto& t : PublicityTypes()) {
        EXPECT_TRUE(names.insert(t->name).second) << "duplicate " << t->name;
        EXPECT_GT(t->hypeAmount * t->reachNumerator, 0.0f) << t->name;
        for (const SIM_PublicityFactor& f : t->factors) {
            if (f.name.find("milo_") != std::string::npos) {
                EXPECT_TRUE(playerValues.count(f.name.substr(f.name.find('_') + 1))) << t->name << ": " << f.name;
            } else if (f.name != "random") {
                EXPECT_NE(FindPersonality(f.name), nullptr) << t->name << ": " << f.name;
            }
        }
    }
    for (const char* name : {"print interview", "radio interview", "web interview", "flyers", "flyposting"})
        EXPECT_TRUE(names.count(name)) << name;
    LoadRelaxVenues();
    EXPECT_TRUE(std::any_of(RelaxVenues().begin(), RelaxVenues().end(),
                            [](const auto& v) { return v->name == "donothing" && v->costPerMember == 0.0f; }));
    for (const char* key : {"FMV_CONTINUE", "PUBLICITY_REACH", "CONTRIBUTION_TEXT", "RELAX_OPTION_TITLE"})
        EXPECT_NE(Translate(key), key);
    LoadTuningTable();
    EXPECT_LT(GetTuningValue("RS_RELAX_STRESS"), 0.0f);  // relief, not more stress
}
