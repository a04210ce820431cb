#include "GigTestSupport.h"
#include "SIM_DailyOptions.h"
#include "SIM_Fame.h"
#include "SIM_GigScreen.h"
#include "SIM_SIM.h"

#include <algorithm>

namespace {

class Performance : public GigTest {};

TEST_F(Performance, ComponentsBelowTheCrisisLevelCountAsThePenalty) {
    SetTuning("RS_PERFORMANCE_CRISISLEVEL=0.3\nRS_PERFORMANCE_PENALTY=-0.5\n");
    AllComponentsAt(0.6f);
    SIM_Performance p = Fresh("pub");
    EvaluatePerformance(p);
    for (float c : p.components) EXPECT_NEAR(c, 0.6f, 1e-5f);
    EXPECT_NEAR(p.score, 0.6f, 1e-5f);

    SetBandValue("band_rehearsal", 0.1f);
    SIM_Performance weak = Fresh("pub");
    EvaluatePerformance(weak);
    EXPECT_NEAR(weak.components[COMPONENT_REHEARSAL], 0.1f, 1e-5f);
    EXPECT_NEAR(weak.score, (6.0f * 0.6f - 0.5f) / 7.0f, 1e-5f);

    // Hard rooms divide the playing and the show; the result never leaves 0..1.
    FindVenue("pub")->playingDifficulty = 0.5f;
    FindVenue("pub")->stageShowDifficulty = 2.0f;
    SIM_Performance hard = Fresh("pub");
    EvaluatePerformance(hard);
    EXPECT_FLOAT_EQ(hard.components[COMPONENT_MUSICIANSHIP], 1.0f);
    EXPECT_NEAR(hard.components[COMPONENT_STAGESHOW], 0.3f, 1e-5f);
    EXPECT_NEAR(hard.components[COMPONENT_CHEMISTRY], 0.6f, 1e-5f);
}

TEST_F(Performance, BigVenuesBefore2011CostATenthOfTheScore) {
    AllComponentsAt(0.5f);
    GetSIMDate().date.year = 2010;
    SIM_Performance big = Fresh("big"), hall = Fresh("hall");
    EvaluatePerformance(big);
    EvaluatePerformance(hall);
    EXPECT_NEAR(hall.score, 0.5f, 1e-5f);
    EXPECT_NEAR(big.score, 0.45f, 1e-5f);

    GetSIMDate().date.year = 2011;
    SIM_Performance later = Fresh("big");
    EvaluatePerformance(later);
    EXPECT_NEAR(later.score, 0.5f, 1e-5f);
}

TEST_F(Performance, TheCrowdStartsAtFifteenScalesWithHypeAndStopsAtCapacity) {
    SetBandValue("band_hype", 0.0f);
    int audience = 0;
    for (int i = 0; i < 20; ++i) {
        SIM_Performance p = Fresh("pub");
        ComputeAttendance(p);
        audience += p.attendance;
        EXPECT_GE(p.attendance, 6);  // 15 x 0.5 x 0.9..1
        EXPECT_LE(p.attendance, 7);
        EXPECT_FALSE(p.soldOut);
    }
    SetBandValue("band_hype", 1.0f);
    SIM_Performance hyped = Fresh("pub");
    ComputeAttendance(hyped);
    EXPECT_GE(hyped.attendance, 27);
    EXPECT_LE(hyped.attendance, 30);

    GetFame().fame = 100.0f;  // a thousand and more want in; the pub holds 60
    SIM_Performance full = Fresh("pub");
    ComputeAttendance(full);
    EXPECT_EQ(full.attendance, 60);
    EXPECT_TRUE(full.soldOut);
    EXPECT_EQ(GetStatistics().audiencePlayedTo, audience + hyped.attendance + 60);
}

TEST_F(Performance, MerchandiseSellsWhatIsInStockAndChargesOnlyForThat) {
    SetTuning("RS_MERCHANDISE_SCALAR=1\nRS_CHARITY_GIG_MULTIPLIER=0.5\n");
    SetBandValue("band_hype", 0.0f);
    SetStock("glob_stock_tshirts", 5);
    SetStock("glob_stock_sweat", 20);
    SIM_Performance p = Fresh("pub");
    p.attendance = 100;
    p.score = 0.3f;  // 30 buyers: 12 shirts wanted, 4 sweatshirts, 4 posters
    const float cash = GetFinances().cash;
    SellMerchandiseAtGig(p);
    EXPECT_EQ(p.tshirtsSold, 5);
    EXPECT_EQ(p.sweatshirtsSold, 4);
    EXPECT_EQ(p.postersSold, 0);
    EXPECT_EQ(dynamic_cast<SIM_Merchandise*>(FindAsset("tshirts(20)"))->Stock(), 0);
    EXPECT_FLOAT_EQ(p.merchandiseRevenue, 5 * 15.0f + 4 * 30.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + p.merchandiseRevenue);

    // A businessman sells a quarter more; a charity crowd buys half as much.
    Member(0.5f, 0.0f, {"businessman"});
    SIM_Gig& charity = Booked("pub", GIG_CHARITY);
    SIM_Performance giving = Fresh("pub", &charity);
    giving.attendance = 100;
    giving.score = 0.4f;  // 0.4 x 1.25 x 0.5 = 0.25 of the crowd
    SellMerchandiseAtGig(giving);
    EXPECT_EQ(giving.sweatshirtsSold, 3);
}

TEST_F(Performance, AlbumsSellThroughTheStudioOnlyWhenOneIsOut) {
    SetTuning("RS_CHANCE_BUY_CD_AT_GIG=0.5\nRS_CHANCE_BUY_CD_OLD=0.1\n");
    std::vector<int> sold;
    WorldSeams().sellLatestReleasedAlbum = [&](int copies) { sold.push_back(copies); };
    SIM_Performance none = Fresh("pub");
    none.attendance = 1000;
    none.score = 1.0f;
    SellAlbumsAtGig(none);  // no album seam: nothing is out
    WorldSeams().latestReleasedAlbumWeeks = [] { return -1; };
    SellAlbumsAtGig(none);
    EXPECT_TRUE(sold.empty());
    EXPECT_EQ(none.cdsSold, 0);

    int weeks = 3;
    WorldSeams().latestReleasedAlbumWeeks = [&] { return weeks; };
    SIM_Performance fresh = none;
    SellAlbumsAtGig(fresh);
    EXPECT_GE(fresh.cdsSold, 400);  // 1000 x 0.5 x 0.8..1.2
    EXPECT_LE(fresh.cdsSold, 600);
    weeks = 11;
    SIM_Performance old = none;
    SellAlbumsAtGig(old);
    EXPECT_GE(old.cdsSold, 40);
    EXPECT_LE(old.cdsSold, 60);
    EXPECT_EQ(sold, (std::vector<int>{fresh.cdsSold, old.cdsSold}));
}

TEST_F(Performance, BackstageDamageIsAtLeastTenDollarsEvenWithoutTicketMoney) {
    SetTuning("RS_DESTROY_BACKSTAGE_CHANCE=1\nRS_BUSINESS_DISCOUNT=10\n");
    SIM_Musician& wrecker = Member(0.9f, 0.0f, {"destructive"});
    SIM_Musician& partner = Member(0.9f, 0.0f, {"destructive", "businessman"});
    SIM_Performance p = Fresh("pub");  // ticket revenue 0, as at a charity gig
    const float cash = GetFinances().cash;
    ApplyDestruction(p);
    EXPECT_EQ(p.damage, 10);
    // Two bills of 10, each with the businessman's tenth off.
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - 18.0f);
    EXPECT_FLOAT_EQ(GetStatistics().damageCosts, 20.0f);
    const auto remarks = Queued(wrecker);
    ASSERT_EQ(remarks.size(), 1u);
    EXPECT_EQ(remarks[0], std::make_pair(static_cast<int>(COMMENT_KEYED), std::string("That cost us $10")));
    EXPECT_EQ(Queued(partner).size(), 1u);
    EXPECT_EQ(std::count(screens.calls.begin(), screens.calls.end(), "sound data/sounds/smash_guitar.ogg"), 1);

    // A big night's damage is capped.
    SIM_Performance rich = Fresh("pub");
    rich.ticketRevenue = 100000.0f;
    ApplyDestruction(rich);
    EXPECT_EQ(rich.damage, 300);
}

TEST_F(Performance, OnlyASpareInstrumentGetsSmashedAndTheMeterShowsIt) {
    SetTuning("RS_DESTROY_INSTRUMENT_CHANCE=1\nRS_DESTRUCTION_STAGESHOW_BOOST=0.3\nRS_BOREDOM_REDUCT_DAMAGE=0.2\n");
    SIM_Musician& m = Member(0.9f, 0.0f, {"destructive"});
    SIM_Asset& cheap = *FindAsset("cheap guitar");
    SIM_Asset& good = *FindAsset("good guitar");
    cheap.Acquire();
    m.GivePossession(&cheap);
    SIM_Performance single = Fresh("pub");
    ApplyDestruction(single);  // one instrument, and no backstage chance
    EXPECT_TRUE(cheap.owned);
    EXPECT_EQ(single.damage, 0);
    EXPECT_TRUE(screens.calls.empty());

    good.Acquire();
    m.GivePossession(&good);
    m.boredom = 0.5f;
    AllComponentsAt(0.4f, 0);
    SIM_Performance show = Fresh("pub");
    EvaluatePerformance(show);
    EXPECT_FALSE(good.owned);
    EXPECT_TRUE(cheap.owned);
    EXPECT_EQ(m.possessions, (std::vector<SIM_Asset*>{&cheap}));
    EXPECT_NEAR(m.boredom, 0.3f, 1e-5f);
    EXPECT_NEAR(show.components[COMPONENT_STAGESHOW], 0.7f, 1e-5f);
    EXPECT_EQ(Queued(m).front().first, COMMENT_DESTROYED_INSTRUMENT);
    // The score was settled before the smash; the meter shows the boost.
    SIM_GigScreen screen(show);
    EXPECT_NEAR(screen.meters[COMPONENT_STAGESHOW].value, 0.7f, 1e-5f);
    float sum = 0.0f;
    for (float c : show.components) sum += c;
    EXPECT_NEAR(show.score, (sum - 0.3f) / 7.0f, 1e-5f);
}

TEST_F(Performance, MembersCallItOffFromCrisisStressOrMisery) {
    SetTuning("RS_STRESS_CRISIS=0.85\n");
    SIM_Musician& spent = Member(0.5f, 1.0f);
    SIM_Musician& tense = Member(0.5f, 0.86f);
    int tenseCancels = 0;
    for (int i = 0; i < 2000; ++i) {
        SIM_Performance p;
        CheckCancellation(p);
        EXPECT_EQ(std::count(p.cancellingMembers.begin(), p.cancellingMembers.end(), &spent), 0);
        tenseCancels += static_cast<int>(p.cancellingMembers.size());
        EXPECT_EQ(p.cancelled, !p.cancellingMembers.empty());
    }
    // Nearly 2 x (1 - 0.85) = 0.28.
    EXPECT_NEAR(tenseCancels / 2000.0, 0.28, 0.04);
    EXPECT_EQ(Queued(tense).front(), std::make_pair(static_cast<int>(COMMENT_KEYED), std::string("Too tired")));

    // Misery below 0.24 counts twice its depth, half as much again for the lazy; every member
    // is asked even after the first has said no.
    GetBand().RemoveMember(&spent);
    GetBand().RemoveMember(&tense);
    SIM_Musician& glum = Member(0.0f, 0.0f, {"lazy"});
    SIM_Musician& alsoGlum = Member(0.0f, 0.0f, {"lazy"});
    SIM_Performance p;
    CheckCancellation(p);  // 2 x 0.24 x 1.5 = 0.72 each
    int both = 0;
    for (int i = 0; i < 500; ++i) {
        SIM_Performance q;
        CheckCancellation(q);
        both += q.cancellingMembers.size() == 2 ? 1 : 0;
    }
    EXPECT_NEAR(both / 500.0, 0.72 * 0.72, 0.06);
    EXPECT_EQ(Queued(glum).back().second, "Too fed up");
    (void)alsoGlum;
}

TEST_F(Performance, TheAftermathMovesTheBandThePlayerTheVenueAndTheSongs) {
    SetTuning("RS_LIVE_EXPERIENCE_BOOST=0.1\nRS_LIVE_EXPERIENCE_DEGRADE=0.9\nRS_GIG_FAMEEFFECT=4\n"
              "RS_GIG_FAME_DEGRADE=0.99\nRS_GIG_INSPIRE_BOOST=0.2\nRS_GIG_INSPIRE_BOOST_DEGRADE=0.9\n"
              "RS_GIG_GOOD_MOTIVATE_THRESHOLD=0.6\nRS_GIG_GOOD_MOTIVATE_AMOUNT=0.1\n"
              "RS_GIG_POOR_DEMOTIVATE_THRESHOLD=0.3\nRS_GIG_POOR_DEMOTIVATE_AMOUNT=-0.1\n"
              "RS_GIG_LOWATTENDENCE_THRESHOLD=0.25\nRS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT=-0.05\n"
              "RS_MOTIVATION_DEGRADE=0.95\nRS_STRESS_PER_GIG=0.05\nRS_STRESS_FROM_ENCUMBERENCE=0.1\n"
              "RS_ROADIE_CARRYING_ABILITY=50\nRS_STRESS_DEGRADE=0.9\nRS_VENUE_BOREDOM=1\n"
              "RS_SONG_BOREDOM_INCREASE=0.1\n");
    SIM_Musician& m = Member(0.5f, 0.0f, {"pessimistic"});
    SIM_Song& song = Song(0.5f);
    FindAsset("rig")->Acquire();  // weighs 120
    SIM_Performance good = Fresh("pub");
    good.score = 1.0f;
    good.attendance = 60;
    ApplyGigAftermath(good);
    EXPECT_FLOAT_EQ(good.fameFactor, 3.0f);
    EXPECT_FLOAT_EQ(GetFame().effects.Effects().back()->value, 12.0f);
    EXPECT_EQ(GetFame().effects.Effects().back()->debugname, "The Pub");
    EXPECT_FLOAT_EQ(good.inspirationChange, 0.2f);
    EXPECT_FLOAT_EQ(good.motivationChange, 0.1f);
    EXPECT_FLOAT_EQ(good.stressChange, 0.15f);  // 0.05 + the gear, capped at 0.1
    EXPECT_FLOAT_EQ(FindVenue("pub")->boredom, 1.0f);
    EXPECT_FLOAT_EQ(song.boredom, 0.1f);
    EXPECT_GT(m.LiveExperience(), 0.0f);

    // A poor score before a thin crowd: both motivation losses, in that order; a roadie carries
    // enough of the gear to leave only the gig's own stress.
    FindAsset("roadie")->Acquire();
    FindAsset("rig")->LeaveBand(false);
    SIM_Performance poor = Fresh("pub");
    poor.score = 0.0f;
    poor.attendance = 6;
    const std::size_t before = m.motivation.effects.Effects().size();
    ApplyGigAftermath(poor);
    EXPECT_FLOAT_EQ(poor.fameFactor, -0.2f);
    EXPECT_FLOAT_EQ(poor.inspirationChange, 0.0f);  // no cut configured
    EXPECT_FLOAT_EQ(poor.motivationChange, -0.15f);
    EXPECT_FLOAT_EQ(poor.stressChange, 0.05f);
    const auto& motivation = m.motivation.effects.Effects();
    ASSERT_GE(motivation.size(), before + 2);
    EXPECT_LT(motivation[before]->value, motivation[before + 1]->value);  // -0.1 then -0.05
}

TEST_F(Performance, APlayedGigPaysTheBandAndJoinsThePlayedGigs) {
    SetTuning("RS_STRESS_CRISIS=0.85\nRS_MEETSCALAR_GIG=1\n");
    Member(0.6f, 0.0f);
    Member(0.6f, 0.0f);
    Song(0.5f);
    FindAsset("rig")->Acquire();  // 10 a gig
    GetFame().fame = 3.0f;
    SIM_Gig& gig = Booked("pub");
    const float cash = GetFinances().cash;
    SIM_Performance* p = PlayGig(&gig);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->cancelled);
    EXPECT_EQ(LatestPerformance(), p);
    EXPECT_TRUE(BookedGigs().empty());
    ASSERT_EQ(PlayedGigs().size(), 1u);
    EXPECT_EQ(PlayedGigs()[0].get(), &gig);
    EXPECT_EQ(GetStatistics().gigsPlayed, 1);
    EXPECT_FLOAT_EQ(p->rental, 20.0f);
    EXPECT_FLOAT_EQ(p->ticketRevenue, static_cast<float>(p->attendance) * 5.0f);
    EXPECT_FLOAT_EQ(p->profit, p->ticketRevenue - 20.0f - 10.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + p->ticketRevenue - 10.0f);

    // A charity gig earns no tickets and shows none, but the gear still costs.
    SIM_Gig& charity = Booked("hall", GIG_CHARITY);
    const float before = GetFinances().cash;
    SIM_Performance* given = PlayGig(&charity);
    EXPECT_FLOAT_EQ(given->ticketRevenue, 0.0f);
    EXPECT_FLOAT_EQ(given->rental, 0.0f);
    EXPECT_FLOAT_EQ(given->profit, 0.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, before - 10.0f);
}

TEST_F(Performance, ACalledOffGigCostsPartOfTheGearAndFameAndStillTakesTheDay) {
    SetTuning("RS_STRESS_CRISIS=0.85\nRS_GIG_CANCEL_EXPENSES_PERCENTAGE=0.5\nRS_GIG_FAMEEFFECT=10\n"
              "RS_GIG_FAME_DEGRADE=0.9\n");
    SIM_Musician& m = Member(0.0f, 0.86f, {"lazy"});  // (0.28 + 0.48) x 1.5: he always refuses
    FindAsset("rig")->Acquire();
    SIM_Gig& gig = Booked("pub");
    GetDailyOptions().AddDailyOption(&gig, OPTION_BOOKED_GIG, "Gig", "", "", true);
    const float cash = GetFinances().cash;
    GetDailyOptions().AcceptDailyOption(*GetDailyOptions().Options().front());
    const SIM_Performance* p = LatestPerformance();
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->cancelled);
    EXPECT_EQ(p->cancellingMembers, std::vector<SIM_Musician*>{&m});
    EXPECT_EQ(p->gig, nullptr);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - 5.0f);
    EXPECT_FLOAT_EQ(GetFame().effects.Effects().back()->value, -2.0f);
    EXPECT_TRUE(BookedGigs().empty());
    EXPECT_TRUE(PlayedGigs().empty());
    EXPECT_EQ(GetStatistics().gigsPlayed, 0);
    EXPECT_EQ(screens.Screens().back(), "cancelled gig");

    SIM_CancelledGigScreen screen(p);
    EXPECT_EQ(screen.text, "Nobody played The Pub");
    EXPECT_EQ(screen.sound, "data/sounds/ahh.ogg");
    const int turn = GetSIM().turncount;
    screen.Close();
    screen.Close();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
}

TEST_F(Performance, ClosingTheGigScreenLetsTheScoutsInThenEndsTheDay) {
    Member(0.6f, 0.0f);
    SIM_Gig& gig = Booked("pub");
    const SIM_Performance* played = PlayGig(&gig);
    ASSERT_TRUE(played && !played->cancelled);
    int turnAtCheck = -1;
    const SIM_Performance* checked = nullptr;
    WorldSeams().recordDealCheck = [&](const SIM_Performance& p) {
        checked = &p;
        turnAtCheck = GetSIM().turncount;
    };
    const int turn = GetSIM().turncount;
    SIM_GigScreen screen(*played);
    screen.Close();
    screen.Close();
    EXPECT_EQ(checked, played);
    EXPECT_EQ(turnAtCheck, turn);
    EXPECT_EQ(GetSIM().turncount, turn + 1);

    ClearPerformances();
    EXPECT_EQ(LatestPerformance(), nullptr);
    EXPECT_TRUE(PlayedGigs().empty());
}

TEST(GigFigures, EffectsAndMoneyAreWrittenAsTheScreenShowsThem) {
    EXPECT_EQ(GigPercentEffect(0.129f), " +12%");
    EXPECT_EQ(GigPercentEffect(-0.057f), " -5%");
    EXPECT_EQ(GigPercentEffect(0.009f), " 0");
    EXPECT_EQ(GigPercentEffect(-0.009f), " 0");
    EXPECT_EQ(GigFameEffect(2.9f), " +2");
    EXPECT_EQ(GigFameEffect(-0.2f), " 0");
    EXPECT_EQ(GigFameEffect(-1.5f), " -1");
    EXPECT_EQ(GigMoney(1234.9f), "$1,234");
    EXPECT_EQ(GigMoney(-56.7f), "-$56");
    EXPECT_EQ(GigMoney(-0.5f), "$0");
}

TEST_F(Performance, TheGigScreenShowsTheStoredFigures) {
    SetStock("glob_stock_tshirts", 0);
    SetStock("glob_stock_sweat", 4);
    SIM_Performance p = Fresh("pub");
    p.attendance = 45;
    p.profit = -12.5f;
    p.tshirtsSold = 0;     // none sold, none left
    p.sweatshirtsSold = 0; // none sold, four left
    p.postersSold = 3;     // sold the last three
    p.stressChange = 0.15f;
    p.score = 0.4f;
    SIM_GigScreen screen(p);
    EXPECT_EQ(screen.venueLine, "Live at The Pub");
    EXPECT_EQ(screen.attendance, "45 people");
    EXPECT_EQ(screen.capacity, "Capacity 60");
    EXPECT_EQ(screen.fill, "75%");
    auto value = [&](const std::string& key) {
        for (const SIM_GigFigure& f : screen.figures)
            if (f.key == key) return f.value;
        return std::string("missing");
    };
    EXPECT_EQ(value("GIGSCREEN_PROFIT"), "-$12");
    EXPECT_EQ(value("GIGSCREEN_TSHIRTS"), "None left");
    EXPECT_EQ(value("GIGSCREEN_SWEATSHIRTS"), "0");
    EXPECT_EQ(value("GIGSCREEN_POSTERS"), "3");
    EXPECT_EQ(screen.figures.size(), 11u);
    EXPECT_EQ(screen.meters[COMPONENT_STAGESHOW].label, "Show");
    EXPECT_EQ(screen.meters[COMPONENT_STAGESHOW].tooltip, "Lights");
    EXPECT_EQ(screen.effects[2].label + screen.effects[2].value, "Stress +15%");
    // No fame earned and a middling score: polite applause, then the chord.
    EXPECT_EQ(screen.sounds.front(), "data/sounds/crowd_small_clap2.ogg");
    EXPECT_EQ(screen.sounds.back(), "data/sounds/EOG_MAN.ogg");

    p.soldOut = true;
    EXPECT_EQ(SIM_GigScreen(p).fill, "Sold out");
}

}  // namespace

// The game's own data: every text the gig screens show is translated, and the tuning gives
// the rules something to work with.
using ShippedGigData = SimTest;

TEST_F(ShippedGigData, EveryGigTextAndRuleIsFilledIn) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    SIM_Venue venue;
    venue.displayName = "The Pub";
    venue.capacity = 100;
    SIM_Performance p;
    p.venue = &venue;
    const SIM_GigScreen screen(p);
    for (const SIM_GigFigure& f : screen.figures) EXPECT_NE(f.label, f.key);
    for (const SIM_GigFigure& f : screen.effects) EXPECT_NE(f.label, f.key);
    for (const SIM_GigMeter& m : screen.meters) {
        EXPECT_NE(m.label, m.key);
        EXPECT_NE(m.tooltip, m.tooltipKey);
    }
    EXPECT_EQ(screen.venueLine.find('<'), std::string::npos);
    for (const char* key : {"PERFORMANCE_PEOPLE", "PERFORMANCE_CAPACITY", "GIG_SOLD_OUT", "GIGSCREEN_NOSTOCK",
                            "GIG_FINISH", "GIG_FINISH_TOOLTIP", "CANCELLED_GIG_TITLE", "CANCELLED_GIG_TEXT",
                            "CANCELLED_GIG_FOOTER", "FMV_CONTINUE", "FMV_CONTINUE_TOOLTIP", "COMMENT_POOR_ATTENDENCE",
                            "COMMENT_GOOD_ATTENDENCE", "COMMENT_DESTROYED_INSTRUMENT", "COMMENT_STAGESHOWLOW",
                            "COMMENT_SONGSBAD"})
        EXPECT_NE(Translate(key), key);
    EXPECT_NE(Translate("COMMENT_BACKSTAGE_DAMAGE").find("<AMOUNT>"), std::string::npos);
    for (const char* section : {"GIG_CANCELLED_TOOTIRED", "GIG_CANCELLED_TOOUNHAPPY"})
        EXPECT_FALSE(TranslateRandom(section).empty()) << section;

    for (const char* key :
         {"RS_GIG_CANCEL_EXPENSES_PERCENTAGE", "RS_PERFORMANCE_CRISISLEVEL", "RS_MERCHANDISE_SCALAR",
          "RS_CHARITY_GIG_MULTIPLIER", "RS_CHANCE_BUY_CD_AT_GIG", "RS_CHANCE_BUY_CD_OLD",
          "RS_DESTROY_INSTRUMENT_CHANCE", "RS_DESTROY_BACKSTAGE_CHANCE", "RS_DESTRUCTION_STAGESHOW_BOOST",
          "RS_BOREDOM_REDUCT_DAMAGE", "RS_LIVE_EXPERIENCE_BOOST", "RS_LIVE_EXPERIENCE_DEGRADE",
          "RS_LIVE_REHEARSAL_BOOST", "RS_GIG_INSPIRE_BOOST", "RS_GIG_INSPIRE_BOOST_DEGRADE",
          "RS_GIG_INSPIRE_CUT_DEGRADE", "RS_BOREDOM_REDUCT_GIG", "RS_GIG_POOR_DEMOTIVATE_THRESHOLD",
          "RS_GIG_GOOD_MOTIVATE_THRESHOLD", "RS_GIG_GOOD_MOTIVATE_AMOUNT", "RS_GIG_LOWATTENDENCE_THRESHOLD",
          "RS_GIG_HIGHATTENDENCE_THRESHOLD", "RS_GIG_HIGHATTENDENCE_MOTIVATE_AMOUNT", "RS_ROADIE_CARRYING_ABILITY",
          "RS_STRESS_FROM_ENCUMBERENCE", "RS_STRESS_PER_GIG", "RS_STRESS_DEGRADE", "RS_MEETSCALAR_GIG",
          "RS_MOTIVATION_DEGRADE", "RS_STRESS_CRISIS", "RS_VENUE_BOREDOM", "RS_GIG_FAMEEFFECT"})
        EXPECT_GT(GetTuningValue(key), 0.0f) << key;
    for (const char* key : {"RS_PERFORMANCE_PENALTY", "RS_GIG_INSPIRE_CUT", "RS_GIG_POOR_DEMOTIVATE_AMOUNT",
                            "RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT"})
        EXPECT_LT(GetTuningValue(key), 0.0f) << key;
    // A poor show must be judged below a good one.
    EXPECT_LT(GetTuningValue("RS_GIG_POOR_DEMOTIVATE_THRESHOLD"), GetTuningValue("RS_GIG_GOOD_MOTIVATE_THRESHOLD"));
    EXPECT_LT(GetTuningValue("RS_GIG_LOWATTENDENCE_THRESHOLD"), GetTuningValue("RS_GIG_HIGHATTENDENCE_THRESHOLD"));
}
