#include "LibString.h"
#include "SIM_CareerHistory.h"
#include "SIM_CareerStage.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_SLIDBase.h"
#include "SimTestSupport.h"

#include <algorithm>

namespace {
std::vector<int> Today() {
    const SIM_DateRecord& d = GetSIMDate().date;
    return {d.day, d.month, d.year, d.weekday};
}
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
    EXPECT_EQ(Today(), (std::vector<int>{7, 9, 2005, 0}));  // before any game
    NewGame();
    SIM_Date& date = GetSIMDate();
    EXPECT_EQ(Today(), (std::vector<int>{3, 6, 2007, 0}));
    EXPECT_EQ(date.MonthName(6), "Jul");
    EXPECT_EQ(date.MonthName(12), "");
    for (int i = 0; i < 4; ++i) date.AdvanceOneDay();
    EXPECT_EQ(Today(), (std::vector<int>{0, 7, 2007, 4}));
    for (int i = 4; i < 83; ++i) date.AdvanceOneDay();
    EXPECT_EQ(Count("yearly review"), 0);
    date.AdvanceOneDay();
    EXPECT_EQ(Today(), (std::vector<int>{3, 6, 2008, 0}));
    EXPECT_EQ(Count("yearly review"), 1);

    // Moving by whole days touches nothing but the date display ...
    screens.calls.clear();
    date.AdvanceDays(84 * 2 + 5);
    EXPECT_EQ(Today(), (std::vector<int>{1, 7, 2010, 5}));
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"refresh date"}));
    // ... and a review date jumped over still counts as reached on the next day.
    date.AdvanceOneDay();
    EXPECT_EQ(Count("yearly review"), 1);
    EXPECT_EQ(date.nextReview, (SIM_DayDate{2, 7, 2011}));
}

TEST_F(DayCycle, GameEndComesFirstAndTheReviewFollowsNextDay) {
    int bandYears = 0;
    WorldSeams().advanceBandYear = [&] { ++bandYears; };
    NewGame();
    std::vector<std::string> events;
    for (int day = 0; day < 84 * 11 + 1; ++day) {
        screens.endGameShowing = false;  // the player plays on
        GetSIM().UseAct();
        for (const std::string& c : screens.Screens())
            if (c == "end game" || c == "yearly review")
                events.push_back(c + FormatText(" %d-%d", GetSIMDate().date.year, GetSIMDate().date.day));
        screens.calls.clear();
    }
    ASSERT_EQ(events.size(), 12u);
    EXPECT_EQ(events[8], "yearly review 2016-3");
    EXPECT_EQ(events[9], "end game 2017-3");
    EXPECT_EQ(events[10], "yearly review 2017-4");
    EXPECT_EQ(events[11], "yearly review 2018-4");  // reviews go on; the end screen never returns
    EXPECT_EQ(bandYears, 11);
    // The end day stops short of the day's other steps, so it is not counted as a turn.
    EXPECT_EQ(GetSIM().turncount, 84 * 11);

    SetTuning("");  // no duration: the game ends on the first day
    NewGame();
    GetSIM().UseAct();
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"end game"}));
    EXPECT_TRUE(GetBalanceHistory().entries.empty());  // nothing after the calendar ran
}

TEST_F(DayCycle, NewDayRunsItsStepsInOrder) {
    std::vector<std::string> steps;
    SIM_WorldSeams& w = WorldSeams();
    using Seam = std::function<void()> SIM_WorldSeams::*;
    const std::vector<std::pair<const char*, Seam>> named = {
        {"rival entries", &SIM_WorldSeams::removeEndedRivalGigEntries}, {"weekly sales", &SIM_WorldSeams::weeklySales},
        {"outdated gig", &SIM_WorldSeams::removeOutdatedGig}, {"relationships", &SIM_WorldSeams::degradeAllRelationships},
        {"rival gigs", &SIM_WorldSeams::rivalGigsDailyStep}, {"rival manager", &SIM_WorldSeams::rivalBandManagerDailyStep},
        {"charity", &SIM_WorldSeams::charityGigChance}, {"relax offer", &SIM_WorldSeams::dailyRelaxationOffer},
        {"publicity", &SIM_WorldSeams::publicityDailyUpdate}, {"venue boredom", &SIM_WorldSeams::decayVenueBoredom},
        {"assets", &SIM_WorldSeams::assetsDailyUpdate}, {"player", &SIM_WorldSeams::recalculatePlayer},
        {"band values", &SIM_WorldSeams::recalculateBandValues}, {"band day", &SIM_WorldSeams::bandDailyUpdate},
        {"gig day", &SIM_WorldSeams::checkGigDay}, {"endorsement", &SIM_WorldSeams::endorsementOfferCheck},
        {"hints", &SIM_WorldSeams::checkDayHints}};
    for (const auto& [name, seam] : named) w.*seam = [&steps, n = name] { steps.emplace_back(n); };
    // The world updates run with the day marked unprocessed; the gig-day check after them.
    w.assetsDailyUpdate = [&] { steps.emplace_back(GetSIM().dayProcessed ? "assets (processed)" : "assets"); };
    w.checkGigDay = [&] { steps.emplace_back(GetSIM().dayProcessed ? "gig day" : "gig day (unprocessed)"); };
    w.bandMemberCount = [&] { return steps.emplace_back("benefit"), 3; };
    NewGame();
    screens.onCall = [&](const std::string& call) {
        if (call != "refresh date") steps.push_back(call);
    };
    int musician = 0;
    GetDailyOptions().AddDailyOption(nullptr, OPTION_RELAXATION, "t", "x", "p", true);
    GetDailyOptions().AddMessage(reinterpret_cast<const SIM_Musician*>(&musician), "hi");
    SIM_Effect& fading = GetFame().AddFameEffect(100.0f, 0.5f, "gig");

    for (int day = 0; day < 6; ++day) GetSIM().UseAct();
    EXPECT_TRUE(GetDailyOptions().Options().empty() && GetDailyOptions().Messages().empty());
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "weekly sales"), 0);  // weekdays 1 to 6
    steps.clear();
    GetSIM().UseAct();  // the seventh day is a weekday 0
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "rival entries", "refresh calendar", "weekly sales", "outdated gig", "relationships",
                         "rival gigs", "rival manager", "charity", "relax offer", "publicity", "venue boredom",
                         "benefit", "assets", "player", "band values", "band day", "gig day", "endorsement",
                         "daily options", "hints"}));
    EXPECT_FLOAT_EQ(fading.value, 100.0f / 128.0f);
    EXPECT_FLOAT_EQ(GetFame().fame, fading.value);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f + 7 * 10.0f * 4);
    EXPECT_EQ(GetBalanceHistory().entries.size(), 7u);
    EXPECT_EQ(GetSIM().turncount, 7);
}

TEST_F(DayCycle, RandomEventsWaitTenDaysAndNeedAStagnantBalance) {
    int tries = 0;
    WorldSeams().tryRandomEvent = [&](SIM_EventGate& gate) {
        ++tries;
        gate.daysSinceLastEvent = 0;
    };
    NewGame();
    for (int day = 0; day < 40; ++day) GetSIM().UseAct();  // the benefit keeps the worth growing
    EXPECT_EQ(tries, 0);

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
    sim.maxActs = 2;
    sim.UseAct();
    EXPECT_EQ(sim.turncount, 1);
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
    for (int day = 1; day <= 3; ++day) GetSIM().UseAct();
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"daily options", "stage 1", "daily options", "stage 2",
                                                            "daily options", "stage 3"}));
    lineup = deal = false;
    songs = 0;
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 3);

    stage.SetStage(1);  // each condition is its own gate
    lineup = true;
    songs = 2;
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 1);
    songs = 3;
    GetSIM().UseAct();
    GetSIM().UseAct();
    EXPECT_EQ(stage.GetStage(), 2);  // no record deal
    stage.SetStage(7);
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(stage.GetStage(), 2);
}

TEST_F(DayCycle, EachWeekIsRecordedOnceWithTheMarksOfItsDays) {
    NewGame();
    SIM_CareerHistory& history = GetCareerHistory();
    GetSIM().UseAct();
    history.Mark(kMarkGig);
    for (int day = 1; day < 6; ++day) GetSIM().UseAct();
    EXPECT_TRUE(history.weeks.empty());  // the week's last day has come, not gone
    GetFame().AddFameEffect(40.0f, 0.0f, "gig");
    GetFame().RecalculateFame();
    GetFinances().cash = -250.0f;
    history.Mark(kMarkHire | kMarkResignation);
    GetSIM().UseAct();
    ASSERT_EQ(history.weeks.size(), 1u);
    EXPECT_EQ(history.weeks[0], (SIM_CareerWeek{0, 40.0f, -250.0f, kMarkGig | kMarkHire | kMarkResignation}));
    EXPECT_EQ(history.pending, 0u);
    EXPECT_EQ(CareerWeekOf(GetSIMDate().date.Date()), 1);

    // A mark on the first day of the next week is that week's; a week closes once.
    history.Mark(kMarkAlbum);
    for (int day = 0; day < 7; ++day) GetSIM().UseAct();
    history.RecordWeek(1, 99.0f, 99.0f);
    history.RecordWeek(0, 99.0f, 99.0f);
    ASSERT_EQ(history.weeks.size(), 2u);
    EXPECT_EQ(history.weeks[1].week, 1);
    EXPECT_EQ(history.weeks[1].marks, static_cast<unsigned>(kMarkAlbum));

    // The review and the end open on a chart that holds every week before them.
    std::vector<std::size_t> weeksShown;
    screens.onCall = [&](const std::string& call) {
        if (call == "yearly review" || call == "end game") weeksShown.push_back(history.weeks.size());
    };
    for (int day = 14; day < 84 * 10; ++day) GetSIM().UseAct();
    EXPECT_EQ(weeksShown, (std::vector<std::size_t>{12, 24, 36, 48, 60, 72, 84, 96, 108, 120}));
    EXPECT_EQ(history.weeks.back().week, 119);

    // Past twice a career the oldest weeks make way.
    for (int week = 120; week < 300; ++week) history.RecordWeek(week, 0.0f, 0.0f);
    EXPECT_EQ(history.weeks.size(), SIM_CareerHistory::kMaxWeeks);
    EXPECT_EQ(history.weeks.front().week, 300 - static_cast<int>(SIM_CareerHistory::kMaxWeeks));
    EXPECT_EQ(CareerWeekOf({2, 6, 2007}), -1);
}

TEST_F(DayCycle, NewGameEmptiesTheOldOneAndReportsProgress) {
    std::vector<std::string> owners;
    SIM_WorldSeams& w = WorldSeams();
    const std::vector<std::pair<const char*, std::function<void()>*>> seams = {
        {"gigs", &w.clearBookedGigs},   {"band", &w.resetBand},           {"people", &w.resetPeopleAndMusic},
        {"player", &w.resetPlayer},     {"gig data", &w.resetPerformance}, {"catalogues", &w.loadCatalogues},
        {"rivals", &w.loadRivalBandsAndStartingSongs}};
    for (const auto& [name, seam] : seams) *seam = [&owners, n = name] { owners.emplace_back(n); };
    NewGame();
    for (int day = 0; day < 100; ++day) GetSIM().UseAct();
    GetFame().AddFameEffect(30.0f, 0.9f, "x");
    GetStatistics().gigsPlayed = 4;
    GetCareerStage().SetStage(2);
    GetCalendar().AddCalendarEntry(5, 6, 2009, "gig", "gig.dds");
    GetCareerHistory().Mark(kMarkDeal);
    ASSERT_FALSE(GetCareerHistory().weeks.empty());
    screens.progress.clear();
    owners.clear();

    GetSIM().ResetForNewGame();
    EXPECT_EQ(screens.progress, (std::vector<float>{0.0f, 0.125f, 0.125f, 0.375f, 0.5f, 0.6f, 0.75f, 1.0f}));
    EXPECT_EQ(owners, (std::vector<std::string>{"gigs", "band", "people", "player", "gig data", "catalogues",
                                                "rivals"}));
    EXPECT_EQ(Today(), (std::vector<int>{3, 6, 2007, 0}));
    EXPECT_TRUE(GetCalendar().Entries().empty());
    EXPECT_EQ(GetCareerStage().GetStage(), 0);
    EXPECT_FLOAT_EQ(GetFame().fame, 0.0f);
    EXPECT_EQ(GetStatistics().gigsPlayed, 0);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    EXPECT_TRUE(GetBalanceHistory().entries.empty());
    EXPECT_TRUE(GetCareerHistory().weeks.empty());
    EXPECT_EQ(GetCareerHistory().pending, 0u);
}

TEST_F(DayCycle, CalendarEntriesFillTheFourteenDaySlotsAndArePurged) {
    NewGame();
    SIM_Calendar& cal = GetCalendar();
    cal.AddCalendarEntry(4, 6, 2007, "Gig", "gig.dds");
    cal.AddCalendarEntry(4, 6, 2007, "Gig", "other.dds");  // same date and text: ignored
    cal.AddCalendarEntry(4, 6, 2007, "Rival band", "rival.dds");
    cal.AddCalendarEntry(2, 8, 2007, "Charity", "charity.dds");  // 13 days ahead: the last slot
    cal.AddCalendarEntry(3, 8, 2007, "Too far", "far.dds");      // kept, not shown yet
    cal.AddCalendarEntry(9, 6, 2007, "No such day", "x.dds");
    EXPECT_EQ(errors.assertions, 1);
    ASSERT_EQ(cal.Entries().size(), 4u);
    const auto& slots = cal.Slots();
    EXPECT_EQ(slots[1].date.weekday, 1);
    ASSERT_EQ(slots[1].entries.size(), 2u);
    EXPECT_EQ(slots[1].entries[1]->text, "Rival band");
    ASSERT_EQ(slots[13].entries.size(), 1u);
    EXPECT_EQ(slots[13].entries[0]->text, "Charity");

    GetSIMDate().AdvanceOneDay();
    GetSIMDate().AdvanceOneDay();  // the gig day is past
    ASSERT_EQ(cal.Entries().size(), 2u);
    EXPECT_EQ(cal.Slots()[11].entries.size(), 1u);
    EXPECT_EQ(cal.Slots()[12].entries[0]->text, "Too far");
}

TEST_F(DayCycle, NewGameNumbersEveryoneItCreatesAfresh) {
    // People and songs made while the new game is set up (auditionees, the player, the
    // starting songs) must not share a save number.
    std::vector<std::unique_ptr<SIM_SLIDBase>> made;
    auto make = [&made] { made.push_back(std::make_unique<SIM_SLIDBase>()); };
    WorldSeams().resetPeopleAndMusic = [&] {
        made.clear();
        make();
        make();
    };
    WorldSeams().resetPlayer = make;
    WorldSeams().loadRivalBandsAndStartingSongs = make;
    NewGame();
    NewGame();  // a second career starts from 0 again
    std::vector<int> numbers;
    for (const auto& m : made) numbers.push_back(m->GetSLID());
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(TopSLID(), 4);
}
