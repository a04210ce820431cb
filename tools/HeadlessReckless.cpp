// The reckless player: once its line-up is complete, each morning it buys the dearest thing the
// shop will sell it, again and again until nothing is within its cash (staff and vans included;
// merchandise once it has sold out), then plays the day as the sensible player does, but with
// nothing kept back: every gig's rental and studio bill may take all the cash.
#include "HeadlessStrategies.h"

#include "HeadlessPlayer.h"

#include "SIM_Asset.h"
#include "SIM_Finances.h"

namespace {
// Only a bound on one morning's spree: it ends long before.
constexpr int kMostPurchasesADay = 50;

// Merchandise still in stock is not restocked: the spree goes on the flashy things.
bool OnTheShelf(const SIM_Asset& asset) {
    const auto* merchandise = dynamic_cast<const SIM_Merchandise*>(&asset);
    return merchandise && merchandise->Stock() > 0;
}

SIM_Asset* DearestAffordable() {
    SIM_Asset* pick = nullptr;
    const SIM_Finances& money = GetFinances();
    for (SIM_Asset* asset : HeadlessShopListing())
        if (asset->price > 0.0f && money.DiscountedCost(asset->price) <= money.cash && !OnTheShelf(*asset) &&
            (!pick || asset->price > pick->price))
            pick = asset;
    return pick;
}
}  // namespace

void PlayRecklessDay() {
    // Even a reckless band first pays for the auditions that make it a band.
    for (int i = 0; MissingInstrument() < 0 && i < kMostPurchasesADay; ++i) {
        SIM_Asset* asset = DearestAffordable();
        if (!asset) break;
        ShopPurchase(*asset);
    }
    CurrentThrift() = HeadlessThrift{1.0f, 0.0f, 0.0f};
    PlayHeadlessDay();
    CurrentThrift() = HeadlessThrift{};
}
