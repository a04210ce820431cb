#include "SIM_Finances.h"
#include "SimTestSupport.h"

using Economy = SimTest;

namespace {
// Twenty days of history: the newest ten add up to newer, the ten before to older.
int StatusAfter(float newer, float older) {
    SIM_BalanceHistory history;
    for (int i = 0; i < 10; ++i) history.Record(older / 10.0f);
    for (int i = 0; i < 9; ++i) history.Record(newer / 10.0f);
    EXPECT_EQ(history.GetBalanceStatus(), SIM_BalanceHistory::kNormal);  // 19 entries: not judged
    history.Record(newer / 10.0f);
    return history.GetBalanceStatus();
}
}  // namespace

TEST_F(Economy, BalanceIsStagnantBelowFivePercentGrowth) {
    EXPECT_EQ(StatusAfter(1040.0f, 1000.0f), SIM_BalanceHistory::kStagnant);
    EXPECT_EQ(StatusAfter(1050.0f, 1000.0f), SIM_BalanceHistory::kNormal);
    EXPECT_EQ(StatusAfter(900.0f, 1000.0f), SIM_BalanceHistory::kStagnant);
    EXPECT_EQ(StatusAfter(0.0f, 0.0f), SIM_BalanceHistory::kNormal);  // no ratio at all
    EXPECT_EQ(StatusAfter(100.0f, 0.0f), SIM_BalanceHistory::kNormal);
    // In debt, paying it off is growth and sinking deeper is not.
    EXPECT_EQ(StatusAfter(-100.0f, -200.0f), SIM_BalanceHistory::kNormal);
    EXPECT_EQ(StatusAfter(-300.0f, -200.0f), SIM_BalanceHistory::kStagnant);
    EXPECT_EQ(StatusAfter(-100.0f, 0.0f), SIM_BalanceHistory::kStagnant);

    // Only the newest twenty count; older history is kept but not judged.
    SIM_BalanceHistory history;
    for (int i = 0; i < 30; ++i) history.Record(i < 10 ? 5000.0f : 100.0f);
    EXPECT_EQ(history.entries.size(), 30u);
    EXPECT_EQ(history.GetBalanceStatus(), SIM_BalanceHistory::kStagnant);
}

TEST_F(Economy, IncomeCountsInTheStatisticsAndSpendingDoesNot) {
    SIM_Finances& money = GetFinances();
    money.SetStartingCash();
    EXPECT_FLOAT_EQ(money.cash, 1000.0f);
    money.AddCash(250.0f);
    SIM_GameStatistics& stats = GetStatistics();
    EXPECT_FLOAT_EQ(stats.moneyEarned, 250.0f);
    EXPECT_FLOAT_EQ(stats.peakCash, 1250.0f);
    money.cash -= 1200.0f;  // a purchase
    EXPECT_FLOAT_EQ(stats.moneyEarned, 250.0f);
    EXPECT_FLOAT_EQ(stats.peakCash, 1250.0f);
    money.AddCash(100.0f);
    EXPECT_FLOAT_EQ(money.cash, 150.0f);
    EXPECT_FLOAT_EQ(stats.peakCash, 1250.0f);  // below the old peak
    money.cash -= 500.0f;
    EXPECT_FLOAT_EQ(money.cash, -350.0f);  // debt is allowed
    EXPECT_FLOAT_EQ(money.GetNetWorth(), -350.0f);

    stats.AddPlayTime(12.5);
    stats.AddPlayTime(-3.0);  // a clock that went backwards adds nothing
    EXPECT_DOUBLE_EQ(stats.playSeconds, 12.5);
}

TEST_F(Economy, DiscountBenefitAndNetWorthAskTheBand) {
    SetTuning("RS_BUSINESS_DISCOUNT=5\nGV_UNEMPLOYMENT_BENEFIT=12\n");
    SIM_Finances& money = GetFinances();
    EXPECT_FLOAT_EQ(money.GetBusinessDiscount(), 0.0f);  // no band, no businessmen
    money.PayUnemploymentBenefit();
    EXPECT_FLOAT_EQ(money.cash, 12.0f);  // the player alone

    WorldSeams().businessmanCount = [] { return 2; };
    WorldSeams().bandMemberCount = [] { return 3; };
    WorldSeams().bookedGigRentals = [] { return 300.0f; };
    WorldSeams().assetsNetWorth = [] { return 450.0f; };
    EXPECT_FLOAT_EQ(money.GetBusinessDiscount(), 0.1f);
    EXPECT_FLOAT_EQ(money.DiscountedCost(200.0f), 180.0f);
    EXPECT_EQ(money.BusinessDiscountText(), "Business discount 10%");
    money.PayUnemploymentBenefit();
    EXPECT_FLOAT_EQ(money.cash, 12.0f + 4 * 12.0f);
    EXPECT_FLOAT_EQ(money.GetNetWorth(), 60.0f + 300.0f + 450.0f);
    GetBalanceHistory().RecordBalance();
    EXPECT_FLOAT_EQ(GetBalanceHistory().entries.front(), 810.0f);
}
