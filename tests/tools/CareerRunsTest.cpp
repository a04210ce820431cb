// Career strategies and their figures: the argument parsers, the summaries, and whole careers on
// the run folder's data (a career leaves nothing behind that changes the next one).
#include "CareerRuns.h"
#include "HeadlessPlayer.h"

#include "LibConfigSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(CareerArguments, SeedRangesAreInclusiveWholeNumbersThatRunForwards) {
    std::uint32_t first = 0, last = 0;
    ASSERT_TRUE(ParseSeedRange("7", first, last));
    EXPECT_EQ(first, 7u);
    EXPECT_EQ(last, 7u);
    ASSERT_TRUE(ParseSeedRange("1..100", first, last));
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(last, 100u);
    ASSERT_TRUE(ParseSeedRange("0..4294967295", first, last));
    EXPECT_EQ(last, 4294967295u);
    for (const char* bad : {"", "3..1", "x..2", "1..", "..3", "-1..2", "+1", "1...3", "4294967296", "2..5x", "1 ..2"})
        EXPECT_FALSE(ParseSeedRange(bad, first, last)) << bad;
}

TEST(CareerArguments, StrategyListsNameKnownStrategiesOnly) {
    std::vector<CareerStrategy> list;
    ASSERT_TRUE(ParseStrategies("all", list));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_STREQ(CareerStrategyName(list[0]), "sensible");
    EXPECT_STREQ(CareerStrategyName(list[3]), "reckless");
    ASSERT_TRUE(ParseStrategies("reckless,idle", list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], CareerStrategy::kReckless);
    EXPECT_EQ(list[1], CareerStrategy::kIdle);
    for (const char* bad : {"", "lazy", "idle,", "idle,,random", "Idle", "all,idle"}) {
        EXPECT_FALSE(ParseStrategies(bad, list)) << bad;
        EXPECT_TRUE(list.empty()) << bad;
    }
}

TEST(CareerFiguresSummary, MediansSharesAndTheFirstYearBoundary) {
    EXPECT_EQ(Median({}), 0.0);
    EXPECT_EQ(Median({3, 1, 2}), 2.0);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);

    std::vector<CareerFigures> careers(4);
    careers[0].gigStageDay = kDaysPerGameYear;      // gigging on the last day of the first year
    careers[1].gigStageDay = kDaysPerGameYear + 1;  // a day late
    careers[2].deal = true;
    careers[2].finalCash = -1.0f;
    careers[3].finalCash = -500.0f;
    careers[3].resignations = 2;
    careers[3].asserts = 3;
    const std::string text = AggregateText(CareerStrategy::kSensible, careers);
    EXPECT_NE(text.find("sensible over 4 careers"), std::string::npos) << text;
    EXPECT_NE(text.find("within the first year 25%"), std::string::npos) << text;
    EXPECT_NE(text.find("record deal 25%, a resignation 25%, negative final cash 50%"), std::string::npos) << text;
    EXPECT_NE(text.find("assertions 3"), std::string::npos) << text;
}

TEST(CareerFiguresSummary, EveryCsvRowHasTheHeadersCells) {
    std::vector<CareerFigures> careers(3);
    careers[1].finalCash = -12.5f;
    careers[2].deal = true;
    std::istringstream csv(CareerCsv(CareerStrategy::kRandom, careers));
    std::string line;
    std::vector<std::size_t> cells;
    while (std::getline(csv, line)) cells.push_back(static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')));
    ASSERT_EQ(cells.size(), 4u);
    for (std::size_t row = 1; row < cells.size(); ++row) EXPECT_EQ(cells[row], cells[0]) << "row " << row;
}

// Whole careers: they need the run folder's data.
class CareerPlay : public ::testing::Test {
protected:
    void SetUp() override {
        LoadTuningTable();
        ASSERT_GT(GetTuningValue("RS_STARTINGCASH"), 0.0f) << "run the tests in the run folder";
    }
};

void ExpectSameCareer(const CareerFigures& a, const CareerFigures& b) {
    EXPECT_EQ(a.fame, b.fame);
    EXPECT_EQ(a.moneyEarned, b.moneyEarned);
    EXPECT_EQ(a.finalCash, b.finalCash);
    EXPECT_EQ(a.stage, b.stage);
    EXPECT_EQ(a.stageDay, b.stageDay);
    EXPECT_EQ(a.gigs, b.gigs);
    EXPECT_EQ(a.copiesSold, b.copiesSold);
    EXPECT_EQ(a.resignations, b.resignations);
    EXPECT_EQ(a.deal, b.deal);
}

TEST_F(CareerPlay, AnIdleBandHiresNobodyAndSpendsNothing) {
    const CareerFigures idle = PlayCareer(CareerStrategy::kIdle, 4, kDaysPerGameYear);
    EXPECT_EQ(idle.stage, 0);
    EXPECT_EQ(idle.stageDay, 0);
    EXPECT_EQ(idle.gigs, 0);
    EXPECT_EQ(idle.resignations, 0);
    EXPECT_EQ(idle.fame, 0.0f);
    EXPECT_GT(idle.moneyEarned, 0.0f);  // the daily benefit
    EXPECT_FLOAT_EQ(idle.finalCash, GetTuningValue("RS_STARTINGCASH") + idle.moneyEarned);
    EXPECT_EQ(idle.asserts, 0);
}

TEST_F(CareerPlay, ACareerLeavesNothingBehindForTheNext) {
    const CareerFigures alone = PlayCareer(CareerStrategy::kRandom, 2, kDaysPerGameYear);
    PlayCareer(CareerStrategy::kReckless, 1, kDaysPerGameYear);
    EXPECT_EQ(CurrentThrift().budgetShare, HeadlessThrift{}.budgetShare);  // the reckless spending ends with its day
    EXPECT_EQ(CurrentThrift().reserve, HeadlessThrift{}.reserve);
    ExpectSameCareer(PlayCareer(CareerStrategy::kRandom, 2, kDaysPerGameYear), alone);
}

TEST_F(CareerPlay, StagesAndDealsAreRecordedAsTheyHappen) {
    for (CareerStrategy strategy : {CareerStrategy::kSensible, CareerStrategy::kRandom, CareerStrategy::kReckless}) {
        const CareerFigures career = PlayCareer(strategy, 1, 2 * kDaysPerGameYear);
        SCOPED_TRACE(CareerStrategyName(strategy));
        EXPECT_EQ(career.asserts, 0);
        EXPECT_EQ(career.days, 2 * kDaysPerGameYear);
        EXPECT_GE(career.stageDay, career.stage > 0 ? 1 : 0);
        EXPECT_LE(career.stageDay, career.days);
        // Gigging is the third stage: reached before (or on the day of) any later one.
        if (career.stage >= 2) {
            EXPECT_GE(career.gigStageDay, 1);
            EXPECT_LE(career.gigStageDay, career.stageDay);
        } else {
            EXPECT_EQ(career.gigStageDay, -1);
        }
        // The last stage is reached by signing a deal.
        if (career.stage == 3) {
            EXPECT_TRUE(career.deal);
        }
        EXPECT_GE(career.peakCash, career.finalCash);
    }
}

}  // namespace
