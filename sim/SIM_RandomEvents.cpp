#include "SIM_RandomEvents.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Catalogue prices at or above this mark things that are not for sale.
constexpr float kNotForSale = 99999.0f;
constexpr float kRelativeShare = 0.25f;
constexpr float kRelativeMinimum = 60.0f;
constexpr float kMentionShare = 0.25f;
constexpr float kMentionMinimum = 5.0f;
constexpr float kMentionFameNeeded = 4.0f;

void ShowEvent(const std::string& key, const std::string& text, const std::string& picture = {}) {
    Screens().OpenEventMessage(SIM_EventMessage{key, Translate("EVENT_TITLE"), text, picture});
}

void GiveInstrument(SIM_Musician& member, SIM_Asset& gift) {
    gift.Purchase(false);
    std::string text = Translate("EVENT_GIVENINSTRUMENT");
    ReplaceToken(text, "<NAME>", member.fullname);
    ReplaceToken(text, "<INSTRUMENT>", InstrumentName(member.instrument));
    ShowEvent("EVENT_GIVENINSTRUMENT", text, gift.image);
}

void WealthyRelative() {
    const float amount = WealthyRelativeAmount(GetFinances().GetNetWorth());
    GetFinances().AddCash(amount);
    std::string text = Translate("EVENT_WEALTHYRELATIVE");
    ReplaceToken(text, "<CASH>", "$ " + FormatThousands(static_cast<long long>(amount)));
    ShowEvent("EVENT_WEALTHYRELATIVE", text);
    Screens().PlaySound("data/sounds/cash.ogg");
}

void RockStarMention() {
    SIM_Fame& fame = GetFame();
    fame.AddFameEffect(std::max(fame.fame * kMentionShare, kMentionMinimum), GetTuningValue("RS_MENTION_FAME_DEGRADE"),
                       "rock star mention");
    std::string text = Translate("EVENT_ROCKSTARMENTION");
    ReplaceToken(text, "<BANDNAME>", GetBand().Name);
    ShowEvent("EVENT_ROCKSTARMENTION", text);
}
}  // namespace

SIM_Asset* GiftInstrumentFor(const SIM_Musician& member) {
    SIM_Asset* cheapest = nullptr;
    for (SIM_Asset* asset : AllAssets()) {
        if (asset->owned || !asset->desirable || asset->TypeName() != "instrument") continue;
        if (asset->instrument != member.instrument || asset->price >= kNotForSale) continue;
        if (!cheapest || asset->price < cheapest->price) cheapest = asset;
    }
    return cheapest;
}

float WealthyRelativeAmount(float netWorth) {
    const float amount = std::max(netWorth * kRelativeShare, kRelativeMinimum);
    return std::floor(amount / 5.0f) * 5.0f;
}

int TryRandomEvent(SIM_EventGate& gate) {
    SIM_Band& band = GetBand();
    SIM_Musician* best = band.members.empty() ? nullptr : band.BestMember();
    SIM_Asset* gift = best ? GiftInstrumentFor(*best) : nullptr;

    std::vector<int> candidates;
    if (!gate.flags[EVENT_GIVEN_INSTRUMENT] && gift) candidates.push_back(EVENT_GIVEN_INSTRUMENT);
    if (!gate.flags[EVENT_WEALTHY_RELATIVE]) candidates.push_back(EVENT_WEALTHY_RELATIVE);
    if (!gate.flags[EVENT_ROCKSTAR_MENTION] && GetFame().fame > kMentionFameNeeded)
        candidates.push_back(EVENT_ROCKSTAR_MENTION);
    if (candidates.empty()) return -1;

    const int event = candidates[static_cast<std::size_t>(RandomIndex(static_cast<int>(candidates.size())))];
    gate.flags[event] = true;
    switch (event) {
    case EVENT_GIVEN_INSTRUMENT:
        GiveInstrument(*best, *gift);
        break;
    case EVENT_WEALTHY_RELATIVE:
        WealthyRelative();
        break;
    default:
        RockStarMention();
        break;
    }
    return event;
}
