#include "SIM_Finances.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibString.h"
#include "SIM_WorldSeams.h"

#include <cmath>

namespace {
std::unique_ptr<SIM_Finances> gFinances;
std::unique_ptr<SIM_GameStatistics> gStatistics;
std::unique_ptr<SIM_BalanceHistory> gBalance;
constexpr std::size_t kWindow = 10;
}  // namespace

void SIM_Finances::SetStartingCash() { cash = GetTuningValue("RS_STARTINGCASH"); }

void SIM_Finances::AddCash(float amount) {
    cash += amount;
    SIM_GameStatistics& stats = GetStatistics();
    if (cash > stats.peakCash) stats.peakCash = cash;
    stats.moneyEarned += amount;
}

float SIM_Finances::GetBusinessDiscount() const {
    const int businessmen = AskSeam(WorldSeams().businessmanCount, 0);
    return GetTuningValue("RS_BUSINESS_DISCOUNT") * static_cast<float>(businessmen) / 100.0f;
}

float SIM_Finances::DiscountedCost(float cost) const { return cost - cost * GetBusinessDiscount(); }

std::string SIM_Finances::BusinessDiscountText() const {
    std::string text = Translate("BUSINESS_DISCOUNT");
    ReplaceToken(text, "<DISCOUNT>", FormatText("%d%%", static_cast<int>(GetBusinessDiscount() * 100.0f)));
    return text;
}

void SIM_Finances::PayUnemploymentBenefit() {
    const int people = AskSeam(WorldSeams().bandMemberCount, 0) + 1;
    AddCash(GetTuningValue("GV_UNEMPLOYMENT_BENEFIT") * static_cast<float>(people));
}

float SIM_Finances::GetNetWorth() const {
    const SIM_WorldSeams& seams = WorldSeams();
    return cash + AskSeam(seams.bookedGigRentals, 0.0f) + AskSeam(seams.assetsNetWorth, 0.0f);
}

SIM_Finances& GetFinances() {
    if (!gFinances) gFinances = std::make_unique<SIM_Finances>();
    return *gFinances;
}
void ResetFinances() { gFinances.reset(); }

SIM_GameStatistics& GetStatistics() {
    if (!gStatistics) gStatistics = std::make_unique<SIM_GameStatistics>();
    return *gStatistics;
}
void ResetStatistics() { gStatistics.reset(); }

void SIM_BalanceHistory::RecordBalance() { Record(GetFinances().GetNetWorth()); }

void SIM_BalanceHistory::Record(float netWorth) {
    entries.push_front(netWorth);
    if (entries.size() < 2 * kWindow) {
        status = kNormal;
        return;
    }
    float newer = 0.0f, older = 0.0f;
    for (std::size_t i = 0; i < kWindow; ++i) {
        newer += entries[i];
        older += entries[kWindow + i];
    }
    if (newer == 0.0f && older == 0.0f) {
        growthRatio = 0.0f;  // no ratio to speak of; the band is not judged stagnant
        status = kNormal;
    } else if (older > 0.0f) {
        growthRatio = newer / older;
        status = growthRatio < 1.05f ? kStagnant : kNormal;
    } else {
        // In debt (or at zero) a ratio reads backwards: going from -200 to -100 halves it.
        // Judge the rise itself against 5% of the older sum's size instead.
        growthRatio = older != 0.0f ? newer / older : 0.0f;
        status = newer - older < 0.05f * std::fabs(older) ? kStagnant : kNormal;
    }
}

void SIM_BalanceHistory::Clear() {
    entries.clear();
    growthRatio = 0.0f;
    status = kNormal;
}

SIM_BalanceHistory& GetBalanceHistory() {
    if (!gBalance) gBalance = std::make_unique<SIM_BalanceHistory>();
    return *gBalance;
}
void ResetBalanceHistory() { gBalance.reset(); }
