// The headless player's gigs: it opens up the bigger venues once the gigs pay for it, and it
// closes the gig screen (or the called-off gig's screen) as the player would, which ends the day.
#include "HeadlessPlayer.h"

#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_GigScreen.h"
#include "SIM_Performance.h"

#include <algorithm>

namespace {
// Cash that pays for the key and a year of its upkeep several times over: a van opens the
// distant venues, a manager the big ones. Whatever the upkeep, a year of it is put by too.
struct GigKey {
    const char* asset;
    float cash;
};
constexpr GigKey kGigKeys[] = {{"cheap van", 4000.0f}, {"manager", 12000.0f}};
}  // namespace

SIM_Asset* ChooseHeadlessGigKey() {
    if (GetStatistics().gigsPlayed == 0) return nullptr;
    for (const GigKey& key : kGigKeys) {
        SIM_Asset* asset = FindAsset(key.asset);
        if (!asset || BandOwns(key.asset)) continue;
        const float upkeep = asset->dailyCost * static_cast<float>(kUpkeepReserveDays);
        if (GetFinances().cash < std::max(key.cash, asset->price + upkeep)) continue;
        return asset;
    }
    return nullptr;
}

bool EquipHeadlessForGigs() {
    SIM_Asset* key = ChooseHeadlessGigKey();
    if (!key) return false;
    ShopPurchase(*key);
    return true;
}

void CloseHeadlessGigScreen(std::size_t performancesBefore) {
    const SIM_Performance* performance =
        Performances().size() > performancesBefore ? LatestPerformance() : nullptr;
    if (performance && !performance->cancelled) SIM_GigScreen(*performance).Close();
    else SIM_CancelledGigScreen(performance).Close();
}
