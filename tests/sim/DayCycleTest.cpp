#include "SIM_CareerStage.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "LibString.h"
#include "SimTestSupport.h"

#include <algorithm>

namespace {
std::vector<int> DateOf(const SIM_Date& d) { return {d.date.day, d.date.month, d.date.year, d.date.weekday}; }
}  // namespace

class DayCycle : public SimTest {
protected:
    void NewGame() {
        GetSIMDate().LoadMonthNames(dir.path() + "/strings.ini");
        GetSIM().ResetForNewGame();
        screens.calls.clear();
    }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(screens.calls.begin(), screens.calls.end(), call));
    }
};

TEST_F(DayCycle, CalendarTurnsSevenDayMonthsAndEightyFourDayYears) {
    EXPECT_EQ(DateOf(GetSIMDate()), (std::vector<int>{7, 9, 2005, 0}));  // before any game
    NewGame();
    SIM_Date& date = GetSIMDate();
    EXPECT_EQ(DateOf(date), (std::vector<int>{3, 6, 2007, 0}));
    EXPECT_EQ(date.MonthName(date.date.month), "Jul");
    EXPECT_EQ(date.MonthName(3), "");
    EXPECT_EQ(date.MonthName(12), "");

    for (int i = 0; i < 4; ++i) date.AdvanceOneDay();
    EXPECT_EQ(DateOf(date), (std::vector<int>{0, 7, 2007, 4}));
    EXPECT_EQ(date.MonthName(date.date.month), "Aug");
    EXPECT_EQ(Count("yearly review"), 0);

    for (int i = 4; i < 83; ++i) date.AdvanceOneDay();
    EXPECT_EQ(Count("yearly review"), 0);
    date.AdvanceOneDay();
    EXPECT_EQ(DateOf(date), (std::vector<int>{3, 6, 2008, 0}));
    EXPECT_EQ(Count("yearly review"), 1);
    EXPECT_EQ(date.nextReview, (SIM_DayDate{3, 6, 2009}));

    // Moving by whole days touches nothing else but the date display.
    screens.calls.clear();
    date.AdvanceDays(84 * 2 + 5);
    EXPECT_EQ(DateOf(date), (std::vector<int>{1, 7, 2010, 5}));
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"refresh date"}));
    // A review date that was jumped over still counts as reached on the next day.
    date.AdvanceOneDay();
    EXPECT_EQ(Count("yearly review"), 1);
    EXPECT_EQ(date.nextReview, (SIM_DayDate{2, 7, 2011}));
}

TEST_F(DayCycle, GameEndComesFirstAndTheReviewFollowsNextDay) {
    int bandYears = 0;
    WorldSeams().advanceBandYear = [&] { ++bandYears; };
    NewGame();
    EXPECT_EQ(GetSIMDate().gameEnd, (SIM_DayDate{3, 6, 2017}));
    std::vector<std::string> events;
    for (int day = 0; day < 84 * 11 + 1; ++day) {
        screens.endGameShowing = false;  // the player plays on
        GetSIM().UseAct();
        for (const std::string& c : screens.Screens())
            if (c == "end game" || c == "yearly review")
                events.push_back(c + FormatText(" %d-%d-%d", GetSIMDate().date.year, GetSIMDate().date.month,
                                                GetSIMDate().date.day));
        screens.calls.clear();
    }
    ASSERT_EQ(events.size(), 12u);
    EXPECT_EQ(events[8], "yearly review 2016-6-3");
    EXPECT_EQ(events[9], "end game 2017-6-3");
    EXPECT_EQ(events[10], "yearly review 2017-6-4");
    EXPECT_EQ(events[11], "yearly review 2018-6-4");  // reviews go on; the end screen never returns
    EXPECT_EQ(bandYears, 11);
    EXPECT_TRUE(GetSIM().gameOver);
    // The end day stops short of the day's other steps, so it is not counted as a turn.
    EXPECT_EQ(GetSIM().turncount, 84 * 11);
}

TEST_F(DayCycle, MissingDurationEndsTheGameOnTheFirstDay) {
    SetTuning("");
    NewGame();
    EXPECT_FLOAT_EQ(GetFinances().cash, 0.0f);
    GetSIM().UseAct();
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"end game"}));
    EXPECT_EQ(GetSIM().turncount, 0);
    EXPECT_TRUE(GetBalanceHistory().entries.empty());  // nothing after the calendar ran
}

TEST_F(DayCycle, NewDayRunsItsStepsInOrder) {
    std::vector<std::string> steps;
    SIM_WorldSeams& w = WorldSeams();
    auto step = [&](const char* name) { return [&steps, name] { steps.emplace_back(name); }; };
    w.removeEndedRivalGigEntries = step("rival entries");
    w.weeklySales = step("weekly sales");
    w.removeOutdatedGig = step("outdated gig");
    w.degradeAllRelationships = step("relationships");
    w.rivalGigsDailyStep = step("rival gigs");
    w.rivalBandManagerDailyStep = step("rival manager");
    w.charityGigChance = step("charity");
    w.dailyRelaxationOffer = step("relax offer");
    w.publicityDailyUpdate = step("publicity");
    w.decayVenueBoredom = step("venue boredom");
    w.assetsDailyUpdate = step("assets");
    w.recalculatePlayer = step("player");
    w.recalculateBandValues = step("band values");
    w.bandDailyUpdate = step("band day");
    w.checkGigDay = step("gig day");
    w.endorsementOfferCheck = step("endorsement");
    w.checkDayHints = step("hints");
    w.bandMemberCount = [&] {
        steps.emplace_back("benefit");
        return 3;
    };
    w.isLineupComplete = [&] {
        steps.emplace_back("stage");
        return false;
    };
    w.tryRandomEvent = [&](SIM_EventGate& gate) {
        steps.emplace_back("random event");
        gate.daysSinceLastEvent = 0;
    };
    NewGame();
    screens.onCall = [&](const std::string& call) {
        if (call != "refresh date") steps.push_back(call);
    };
    steps.clear();

    // Yesterday's offers and remarks go first.
    int musician = 0;
    GetDailyOptions().AddDailyOption(nullptr, OPTION_RELAXATION, "t", "x", "p", true);
    GetDailyOptions().AddMessage(reinterpret_cast<const SIM_Musician*>(&musician), "hi");
    SIM_Effect& fading = GetFame().AddFameEffect(100.0f, 0.5f, "gig");

    for (int day = 0; day < 6; ++day) GetSIM().UseAct();
    EXPECT_FLOAT_EQ(fading.value, 100.0f / 64.0f);
    EXPECT_TRUE(GetDailyOptions().Options().empty());
    EXPECT_TRUE(GetDailyOptions().Messages().empty());
    steps.clear();
    GetSIM().UseAct();  // the seventh day is a weekday 0
    const std::vector<std::string> expected = {
        "rival entries", "refresh calendar", "weekly sales", "outdated gig",  "relationships", "rival gigs",
        "rival manager", "charity",          "relax offer",  "publicity",     "venue boredom", "benefit",
        "assets",        "player",           "band values",  "band day",      "gig day",       "endorsement",
        "daily options", "stage",            "hints"};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(Count("daily options"), 7);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f + 7 * 10.0f * 4);
    EXPECT_EQ(GetBalanceHistory().entries.size(), 7u);
    EXPECT_FLOAT_EQ(GetFame().fame, 100.0f / 128.0f);
    EXPECT_EQ(GetSIM().turncount, 7);
    EXPECT_TRUE(GetSIM().dayProcessed);
}

TEST_F(DayCycle, RandomEventsWaitTenDaysAndNeedAStagnantBalance) {
    int tries = 0;
    WorldSeams().tryRandomEvent = [&](SIM_EventGate& gate) {
        ++tries;
        gate.daysSinceLastEvent = 0;
    };
    NewGame();
    // Cash grows by the benefit every day, so the worth is not stagnant.
    for (int day = 0; day < 40; ++day) GetSIM().UseAct();
    EXPECT_EQ(tries, 0);
    EXPECT_EQ(GetSIM().eventGate.daysSinceLastEvent, 40);

    SetTuning("GAME_DURATION_YEARS=10\nRS_STARTINGCASH=500\n");  // no benefit: the worth stands still
    NewGame();
    for (int day = 0; day < 19; ++day) GetSIM().UseAct();
    EXPECT_EQ(tries, 0);  // 19 days of history cannot be judged yet
    GetSIM().UseAct();
    EXPECT_EQ(tries, 1);
    for (int day = 0; day < 10; ++day) GetSIM().UseAct();
    EXPECT_EQ(tries, 1);  // the counter starts again from the event
    GetSIM().UseAct();
    EXPECT_EQ(tries, 2);
}

TEST_F(DayCycle, ActsEndTheDayUnlessAnActivityAllowsMore) {
    NewGame();
    SIM_SIM& sim = GetSIM();
    sim.UseAct();
    EXPECT_EQ(sim.turncount, 1);
    EXPECT_EQ(sim.acts, 0);
    sim.maxActs = 2;
    sim.UseAct();
    EXPECT_EQ(sim.turncount, 1);
    EXPECT_EQ(sim.acts, 1);
    sim.UseAct();
    EXPECT_EQ(sim.turncount, 2);
    EXPECT_EQ(sim.maxActs, 1);  // the new day allows one act again
}

TEST_F(DayCycle, StageRisesOneStepADayAndNeverFalls) {
    SetTuning("GAME_DURATION_YEARS=10\nRS_SONGS_REQ_FOR_GIG=3\n");
    bool lineup = true, deal = true;
    int songs = 5;
    WorldSeams().isLineupComplete = [&] { return lineup; };
    WorldSeams().songCount = [&] { return songs; };
    WorldSeams().hasRecordDeal = [&] { return deal; };
    NewGame();
    SIM_CareerStage& stage = GetCareerStage();
    EXPECT_EQ(stage.GetStage(), 0);
    EXPECT_EQ(stage.Title(1), "Amateur");
    EXPECT_EQ(stage.Title(2), "GAMEMODE_GIGGING");  // untranslated keys show themselves
    for (int day = 1; day <= 3; ++day) {
        GetSIM().UseAct();
        EXPECT_EQ(stage.GetStage(), day);
    }
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"daily options", "stage 1", "daily options", "stage 2",
                                                            "daily options", "stage 3"}));
    lineup = deal = false;
    songs = 0;
    GetSIM().UseAct();
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 3);

    // Each condition is its own gate.
    stage.SetStage(1);
    lineup = true;
    songs = 2;
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 1);
    songs = 3;
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 2);
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 2);  // no record deal

    stage.SetStage(7);
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(stage.GetStage(), 2);
}

TEST_F(DayCycle, NewGameResetsEverythingAndReportsProgress) {
    std::vector<std::string> owners;
    SIM_WorldSeams& w = WorldSeams();
    const std::vector<std::pair<const char*, std::function<void()>*>> seams = {
        {"gigs", &w.clearBookedGigs},      {"band", &w.resetBand},
        {"people", &w.resetPeopleAndMusic}, {"player", &w.resetPlayer},
        {"performance", &w.resetPerformance}, {"catalogues", &w.loadCatalogues},
        {"rivals", &w.loadRivalBandsAndStartingSongs}, {"recalculate", &w.recalculatePlayer}};
    for (const auto& [name, seam] : seams) *seam = [&owners, n = name] { owners.emplace_back(n); };
    NewGame();
    for (int day = 0; day < 100; ++day) GetSIM().UseAct();
    GetFame().AddFameEffect(30.0f, 0.9f, "x");
    GetStatistics().gigsPlayed = 4;
    GetCareerStage().SetStage(2);
    GetCalendar().AddCalendarEntry(5, 6, 2009, "gig", "gig.dds");
    ASSERT_EQ(GetCalendar().Entries().size(), 1u);
    GetSIM().maxActs = 3;
    screens.progress.clear();
    owners.clear();

    GetSIM().ResetForNewGame();
    EXPECT_EQ(screens.progress, (std::vector<float>{0.0f, 0.125f, 0.125f, 0.375f, 0.5f, 0.6f, 0.75f, 1.0f}));
    EXPECT_EQ(owners, (std::vector<std::string>{"gigs", "band", "people", "player", "performance", "catalogues",
                                                "rivals", "recalculate"}));
    SIM_SIM& sim = GetSIM();
    EXPECT_FALSE(sim.gameOver);
    EXPECT_EQ(sim.turncount, 0);
    EXPECT_EQ(sim.acts, 0);
    EXPECT_EQ(sim.maxActs, 1);
    EXPECT_TRUE(sim.dayProcessed);
    EXPECT_EQ(sim.eventGate.daysSinceLastEvent, 0);
    EXPECT_EQ(DateOf(GetSIMDate()), (std::vector<int>{3, 6, 2007, 0}));
    EXPECT_TRUE(GetCalendar().Entries().empty());
    EXPECT_EQ(GetCareerStage().GetStage(), 0);
    EXPECT_FLOAT_EQ(GetFame().fame, 0.0f);
    EXPECT_TRUE(GetFame().effects.Empty());
    EXPECT_EQ(GetStatistics().gigsPlayed, 0);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    EXPECT_TRUE(GetBalanceHistory().entries.empty());
}

TEST_F(DayCycle, CalendarEntriesFillTheFourteenDaySlotsAndArePurged) {
    NewGame();
    SIM_Calendar& cal = GetCalendar();
    cal.AddCalendarEntry(4, 6, 2007, "Gig at the Rusty Anchor", "gig.dds");
    cal.AddCalendarEntry(4, 6, 2007, "Gig at the Rusty Anchor", "other.dds");  // same date and text: ignored
    cal.AddCalendarEntry(4, 6, 2007, "Rival band plays", "rival.dds");
    cal.AddCalendarEntry(2, 8, 2007, "Charity gig", "charity.dds");  // 13 days ahead: last slot
    cal.AddCalendarEntry(3, 8, 2007, "Too far", "far.dds");          // kept, but not in a slot yet
    ASSERT_EQ(cal.Entries().size(), 4u);
    EXPECT_EQ(Count("refresh calendar"), 4);

    const auto& slots = cal.Slots();
    EXPECT_EQ(slots[0].date.Date(), (SIM_DayDate{3, 6, 2007}));
    EXPECT_EQ(slots[1].date.weekday, 1);
    ASSERT_EQ(slots[1].entries.size(), 2u);
    EXPECT_EQ(slots[1].entries[0]->text, "Gig at the Rusty Anchor");
    EXPECT_EQ(slots[1].entries[1]->text, "Rival band plays");
    ASSERT_EQ(slots[13].entries.size(), 1u);
    EXPECT_EQ(slots[13].entries[0]->text, "Charity gig");

    GetSIMDate().AdvanceOneDay();
    GetSIMDate().AdvanceOneDay();  // the gig day is now in the past
    ASSERT_EQ(cal.Entries().size(), 2u);
    EXPECT_EQ(cal.Slots()[11].entries.size(), 1u);
    EXPECT_EQ(cal.Slots()[12].entries[0]->text, "Too far");

    cal.AddCalendarEntry(9, 6, 2007, "No such day", "x.dds");
    EXPECT_EQ(errors.assertions, 1);
}
