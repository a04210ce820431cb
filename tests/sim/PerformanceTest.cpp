#include "GigTestSupport.h"
#include "SIM_CareerHistory.h"
#include "SIM_DailyOptions.h"
#include "SIM_Fame.h"
#include "SIM_GigScreen.h"
#include "SIM_SIM.h"

#include <algorithm>

namespace {

using Performance = GigTest;

TEST_F(Performance, ScoreTakesThePenaltyBelowTheCrisisLevelAndATenthOffBigEarlyVenues) {
    SetTuning("RS_PERFORMANCE_CRISISLEVEL=0.3\nRS_PERFORMANCE_PENALTY=-0.5\n");
    auto score = [this](const char* venue) {
        SIM_Performance p = Fresh(venue);
        EvaluatePerformance(p);
        return p.score;
    };
    AllComponentsAt(0.6f);
    EXPECT_NEAR(score("pub"), 0.6f, 1e-5f);
    SetBandValue("band_rehearsal", 0.1f);
    EXPECT_NEAR(score("pub"), (6.0f * 0.6f - 0.5f) / 7.0f, 1e-5f);

    SetBandValue("band_rehearsal", 0.6f);
    GetSIMDate().date.year = 2010;
    EXPECT_NEAR(score("hall"), 0.6f, 1e-5f);  // capacity 1000
    EXPECT_NEAR(score("big"), 0.54f, 1e-5f);  // capacity 1001
    GetSIMDate().date.year = 2011;
    EXPECT_NEAR(score("big"), 0.6f, 1e-5f);
}

TEST_F(Performance, TheCrowdStartsAtFifteenAndStopsAtCapacity) {
    SetBandValue("band_hype", 0.0f);
    SIM_Performance small = Fresh("pub");
    ComputeAttendance(small);
    EXPECT_TRUE(small.attendance == 6 || small.attendance == 7) << small.attendance;  // 15 x 0.5 x 0.9..1
    EXPECT_FALSE(small.soldOut);
    GetFame().fame = 100.0f;  // a thousand want in; the pub holds 60
    SIM_Performance full = Fresh("pub");
    ComputeAttendance(full);
    EXPECT_EQ(full.attendance, 60);
    EXPECT_TRUE(full.soldOut);
    EXPECT_EQ(GetStatistics().audiencePlayedTo, small.attendance + 60);

    // Damaged data: a fame beyond any crowd still only fills the room, and a negative capacity
    // lets nobody in.
    GetFame().fame = 1e12f;
    SIM_Performance huge = Fresh("pub");
    ComputeAttendance(huge);
    EXPECT_EQ(huge.attendance, 60);
    FindVenue("pub")->capacity = -5;
    SIM_Performance none = Fresh("pub");
    ComputeAttendance(none);
    EXPECT_EQ(none.attendance, 0);
    EXPECT_TRUE(none.soldOut);
}

TEST_F(Performance, MerchandiseSellsOnlyWhatIsInStock) {
    SetTuning("RS_MERCHANDISE_SCALAR=1\n");
    SetBandValue("band_hype", 0.0f);
    SetStock("glob_stock_tshirts", 5);
    SIM_Performance p = Fresh("pub");
    p.attendance = 100;
    p.score = 0.3f;  // 30 buyers want 12 shirts
    const float cash = GetFinances().cash;
    SellMerchandiseAtGig(p);
    EXPECT_EQ(p.tshirtsSold, 5);
    EXPECT_EQ(dynamic_cast<SIM_Merchandise*>(FindAsset("tshirts(20)"))->Stock(), 0);
    EXPECT_FLOAT_EQ(p.merchandiseRevenue, 5 * 15.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + 5 * 15.0f);
}

TEST_F(Performance, MerchandiseBuyersAreCappedBeforeACharityGigHalvesThem) {
    SetTuning("RS_MERCHANDISE_SCALAR=1\nRS_CHARITY_GIG_MULTIPLIER=0.5\n");
    for (const char* stock : {"glob_stock_tshirts", "glob_stock_sweat", "glob_stock_posters"}) SetStock(stock, 500);
    Member(0.5f, 0.0f, {"businessman"});
    SetBandValue("band_hype", 1.0f);
    SIM_Gig& charity = Booked("pub", GIG_CHARITY);
    SIM_Performance given = Fresh("pub", &charity);
    given.attendance = 100;
    given.score = 0.5f;  // (1 + 0.5) x 1.25 is capped at every buyer, then halved: 50
    SellMerchandiseAtGig(given);
    EXPECT_EQ(std::vector<int>({given.tshirtsSold, given.sweatshirtsSold, given.postersSold}),
              std::vector<int>({20, 7, 7}));
    EXPECT_FLOAT_EQ(given.merchandiseRevenue, 20 * 15.0f + 7 * 30.0f + 7 * 3.0f);
}

TEST_F(Performance, AlbumsSellThroughTheStudioOnlyWhenOneIsOut) {
    SetTuning("RS_CHANCE_BUY_CD_AT_GIG=0.5\nRS_CHANCE_BUY_CD_OLD=0.1\n");
    std::vector<int> sold;
    WorldSeams().sellLatestReleasedAlbum = [&](int copies) { sold.push_back(copies); };
    int weeks = -1;
    WorldSeams().latestReleasedAlbumWeeks = [&] { return weeks; };
    SIM_Performance p = Fresh("pub");
    p.attendance = 1000;
    p.score = 1.0f;
    SellAlbumsAtGig(p);
    EXPECT_TRUE(sold.empty());
    weeks = 11;  // old albums sell at a tenth: 1000 x 0.05 x 0.8..1.2
    SellAlbumsAtGig(p);
    EXPECT_TRUE(p.cdsSold >= 40 && p.cdsSold <= 60) << p.cdsSold;
    EXPECT_EQ(sold, std::vector<int>{p.cdsSold});
}

TEST_F(Performance, DestructiveMembersSmashOnlySpareInstrumentsElseTheBackstage) {
    SetTuning("RS_DESTROY_BACKSTAGE_CHANCE=1\nRS_BUSINESS_DISCOUNT=10\n");
    SIM_Musician& m = Member(0.9f, 0.0f, {"destructive", "businessman"});
    SIM_Asset& cheap = *FindAsset("cheap guitar");
    cheap.Acquire();
    m.GivePossession(&cheap);
    SIM_Performance charity = Fresh("pub");  // no ticket money
    const float cash = GetFinances().cash;
    ApplyDestruction(charity);
    EXPECT_TRUE(cheap.owned);  // his only instrument is safe
    EXPECT_EQ(charity.damage, 10);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - 9.0f);  // the businessman's tenth off
    EXPECT_FLOAT_EQ(GetStatistics().damageCosts, 10.0f);
    EXPECT_EQ(Queued(m).back(), std::make_pair(static_cast<int>(COMMENT_KEYED), std::string("That cost us $10")));
    EXPECT_EQ(std::count(screens.calls.begin(), screens.calls.end(), "sound data/sounds/smash_guitar.ogg"), 1);
    SIM_Performance rich = Fresh("pub");
    rich.ticketRevenue = 1e12f;  // damaged takings: the bill stops at its cap
    ApplyDestruction(rich);
    EXPECT_EQ(rich.damage, 300);

    // With a spare, the best goes; the meter shows the boost the score never saw.
    SetTuning("RS_DESTROY_INSTRUMENT_CHANCE=1\nRS_DESTRUCTION_STAGESHOW_BOOST=0.3\n");
    SIM_Asset& good = *FindAsset("good guitar");
    good.Acquire();
    m.GivePossession(&good);
    AllComponentsAt(0.4f, 0);
    SIM_Performance show = Fresh("pub");
    EvaluatePerformance(show);
    EXPECT_FALSE(good.owned);
    EXPECT_EQ(m.possessions, std::vector<SIM_Asset*>{&cheap});
    EXPECT_EQ(Queued(m).back().first, COMMENT_DESTROYED_INSTRUMENT);
    EXPECT_NEAR(SIM_GigScreen(show).meters[COMPONENT_STAGESHOW].value, 0.7f, 1e-5f);
    float sum = 0.0f;
    for (float c : show.components) sum += c;
    EXPECT_NEAR(show.score, (sum - 0.3f) / 7.0f, 1e-5f);
}

TEST_F(Performance, OnlyCrisisStressOrMiseryCallsAGigOff) {
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
    EXPECT_NEAR(tenseCancels / 2000.0, 2 * (1 - 0.86), 0.04);
    EXPECT_EQ(Queued(tense).front().second, "Too tired");
}

TEST_F(Performance, TheAftermathMovesTheBandThePlayerTheVenueAndTheSongs) {
    SetTuning("RS_GIG_FAMEEFFECT=4\nRS_GIG_INSPIRE_BOOST=0.2\nRS_GIG_GOOD_MOTIVATE_THRESHOLD=0.6\n"
              "RS_GIG_GOOD_MOTIVATE_AMOUNT=0.1\nRS_GIG_POOR_DEMOTIVATE_THRESHOLD=0.3\n"
              "RS_GIG_POOR_DEMOTIVATE_AMOUNT=-0.1\nRS_GIG_LOWATTENDENCE_THRESHOLD=0.25\n"
              "RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT=-0.05\nRS_STRESS_PER_GIG=0.05\n"
              "RS_STRESS_FROM_ENCUMBERENCE=0.1\nRS_ROADIE_CARRYING_ABILITY=50\nRS_VENUE_BOREDOM=1\n"
              "RS_SONG_BOREDOM_INCREASE=0.1\n");
    SIM_Musician& m = Member(0.5f, 0.0f);
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

    // A poor score, then a thin crowd: two motivation losses in that order. The roadie
    // carries what little gear is left.
    FindAsset("roadie")->Acquire();
    FindAsset("rig")->LeaveBand(false);
    SIM_Performance poor = Fresh("pub");
    poor.attendance = 6;
    const std::size_t before = m.motivation.effects.Size();
    ApplyGigAftermath(poor);
    EXPECT_FLOAT_EQ(poor.fameFactor, -0.2f);
    EXPECT_FLOAT_EQ(poor.motivationChange, -0.15f);
    EXPECT_FLOAT_EQ(poor.stressChange, 0.05f);
    const auto& motivation = m.motivation.effects.Effects();
    ASSERT_GE(motivation.size(), before + 2);
    EXPECT_LT(motivation[before]->value, motivation[before + 1]->value);
}

TEST_F(Performance, APlayedGigPaysJoinsThePlayedGigsAndItsScreenEndsTheDay) {
    Member(0.6f, 0.0f);
    FindAsset("rig")->Acquire();  // 10 a gig
    GetFame().fame = 3.0f;
    SIM_Gig& gig = Booked("pub");
    const float cash = GetFinances().cash;
    SIM_Performance* p = PlayGig(&gig);
    ASSERT_TRUE(p && !p->cancelled);
    EXPECT_EQ(LatestPerformance(), p);
    EXPECT_TRUE(BookedGigs().empty());
    ASSERT_EQ(PlayedGigs().size(), 1u);
    EXPECT_EQ(PlayedGigs()[0].get(), &gig);
    EXPECT_EQ(GetStatistics().gigsPlayed, 1);
    EXPECT_EQ(GetCareerHistory().pending, kMarkGig);  // the week's chart shows it
    EXPECT_FLOAT_EQ(p->ticketRevenue, static_cast<float>(p->attendance) * 5.0f);
    EXPECT_FLOAT_EQ(p->profit, p->ticketRevenue - 20.0f - 10.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + p->ticketRevenue - 10.0f);

    // Closing its screen lets a record company judge the gig before the day ends.
    int turnAtCheck = -1;
    WorldSeams().recordDealCheck = [&](const SIM_Performance& seen) {
        EXPECT_EQ(&seen, p);
        turnAtCheck = GetSIM().turncount;
    };
    const int turn = GetSIM().turncount;
    SIM_GigScreen screen(*p);
    screen.Close();
    screen.Close();
    EXPECT_EQ(turnAtCheck, turn);
    EXPECT_EQ(GetSIM().turncount, turn + 1);

    // The gig's option taken again (a double click, a stale card) plays nothing a second time.
    const float paid = GetFinances().cash;
    const float fame = GetFame().fame;
    EXPECT_EQ(PlayGig(&gig), nullptr);
    GetDailyOptions().AcceptDailyOption(GetDailyOptions().AddDailyOption(&gig, OPTION_BOOKED_GIG, "Gig", "", "", true));
    EXPECT_EQ(LatestPerformance(), p);
    EXPECT_EQ(GetStatistics().gigsPlayed, 1);
    EXPECT_FLOAT_EQ(GetFinances().cash, paid);
    EXPECT_FLOAT_EQ(GetFame().fame, fame);
    const std::vector<std::string> shown = screens.Screens();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "gig"), 0);

    const float before = GetFinances().cash;
    SIM_Performance* given = PlayGig(&Booked("hall", GIG_CHARITY));
    EXPECT_FLOAT_EQ(given->ticketRevenue + given->rental + given->profit, 0.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, before - 10.0f);
}

TEST_F(Performance, ACalledOffGigCostsHalfTheGearAndFameAndItsScreenEndsTheDay) {
    SetTuning("RS_STRESS_CRISIS=0.85\nRS_GIG_CANCEL_EXPENSES_PERCENTAGE=0.5\nRS_GIG_FAMEEFFECT=10\n");
    SIM_Musician& m = Member(0.0f, 0.86f, {"lazy"});  // (0.28 + 0.48) x 1.5: he always refuses
    FindAsset("rig")->Acquire();
    SIM_Gig& gig = Booked("pub");
    GetDailyOptions().AddDailyOption(&gig, OPTION_BOOKED_GIG, "Gig", "", "", true);
    const float cash = GetFinances().cash;
    GetDailyOptions().AcceptDailyOption(*GetDailyOptions().Options().front());
    const SIM_Performance* p = LatestPerformance();
    ASSERT_TRUE(p && p->cancelled);
    EXPECT_EQ(p->cancellingMembers, std::vector<SIM_Musician*>{&m});
    // The option and the screen still reach the called-off gig and its venue.
    EXPECT_EQ(p->gig, &gig);
    EXPECT_EQ(gig.venue, FindVenue("pub"));
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - 5.0f);
    EXPECT_FLOAT_EQ(GetFame().effects.Effects().back()->value, -2.0f);
    EXPECT_TRUE(BookedGigs().empty() && PlayedGigs().empty());
    EXPECT_EQ(GetStatistics().gigsPlayed, 0);
    EXPECT_EQ(GetCareerHistory().pending, 0u);
    EXPECT_EQ(screens.Screens().back(), "cancelled gig");

    SIM_CancelledGigScreen screen(p);
    EXPECT_EQ(screen.text, "Nobody played The Pub");
    const int turn = GetSIM().turncount;
    screen.Close();
    screen.Close();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
}

TEST_F(Performance, TheGigScreenWritesTheFiguresAsShown) {
    EXPECT_EQ(GigPercentEffect(0.129f), " +12%");
    EXPECT_EQ(GigPercentEffect(-0.057f), " -5%");
    EXPECT_EQ(GigPercentEffect(-0.009f), " 0");
    EXPECT_EQ(GigFameEffect(2.9f), " +2");
    EXPECT_EQ(GigFameEffect(-1.5f), " -1");
    EXPECT_EQ(GigMoney(-56.7f), "-$56");

    SetStock("glob_stock_sweat", 4);
    SIM_Performance p = Fresh("pub");
    p.attendance = 45;
    p.profit = 1234.9f;
    p.postersSold = 3;  // the last three; no shirts left and none sold; sweatshirts left
    p.score = 0.4f;
    SIM_GigScreen screen(p);
    EXPECT_EQ(screen.venueLine, "Live at The Pub");
    EXPECT_EQ(screen.attendance, "45 people");
    EXPECT_EQ(screen.fill, "75%");
    std::vector<std::string> values;
    for (const SIM_GigFigure& f : screen.figures) values.push_back(f.value);
    EXPECT_EQ(values, (std::vector<std::string>{"45", "$0", "$0", "$1,234", "$0", "$0", "$0", "None left", "0",
                                                "3", "0"}));
    EXPECT_EQ(screen.meters[COMPONENT_STAGESHOW].tooltip, "Lights");
    EXPECT_EQ(screen.sounds.front(), "data/sounds/crowd_small_clap2.ogg");  // no fame, a middling show
    p.soldOut = true;
    EXPECT_EQ(SIM_GigScreen(p).fill, "Sold out");
}

// The game's own data: every text the gig screens show is translated.
using ShippedGigData = SimTest;

TEST_F(ShippedGigData, EveryGigTextIsTranslated) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    SIM_Venue venue;
    SIM_Performance p;
    p.venue = &venue;
    const SIM_GigScreen screen(p);
    for (const auto* list : {&screen.figures, &screen.effects})
        for (const SIM_GigFigure& f : *list) EXPECT_NE(f.label, f.key);
    for (const SIM_GigMeter& m : screen.meters) EXPECT_NE(m.tooltip, m.tooltipKey);
    for (const char* key : {"GIG_LIVEAT", "PERFORMANCE_PEOPLE", "PERFORMANCE_CAPACITY", "GIG_SOLD_OUT",
                            "GIGSCREEN_NOSTOCK", "GIG_FINISH", "CANCELLED_GIG_TITLE", "CANCELLED_GIG_TEXT",
                            "CANCELLED_GIG_FOOTER", "FMV_CONTINUE"})
        EXPECT_NE(Translate(key), key);
    EXPECT_NE(Translate("COMMENT_BACKSTAGE_DAMAGE").find("<AMOUNT>"), std::string::npos);
}

}  // namespace
