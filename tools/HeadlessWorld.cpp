#include "HeadlessWorld.h"

#include "HeadlessPlayer.h"

#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Endorsements.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_RivalBands.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <vector>

namespace {
int gCharityGigs = 0;
int gRivalGigsWatched = 0;
int gEndorsementsRejected = 0;

// Sponsors whose fans are likelier than this to cry sell-out are turned down.
constexpr float kEndorsementRiskLimit = 0.25f;
// A rival gig is worth at most this share of the cash.
constexpr float kRivalTicketShare = 0.1f;
// The manager (whom sponsors talk to) is hired once the band is famous enough for them and
// has a year of his wages put by.
constexpr float kManagerFame = 75.0f;

void HireManagerForSponsors() {
    SIM_Asset* manager = FindAsset("manager");
    if (!manager || manager->owned || GetFame().fame < kManagerFame) return;
    const float cost = GetFinances().DiscountedCost(manager->price);
    if (GetFinances().cash < cost + manager->dailyCost * static_cast<float>(kUpkeepReserveDays)) return;
    ShopPurchase(*manager);
}

void AnswerEndorsement() {
    SIM_Endorsement* offer = PendingEndorsementOffer();
    if (!offer) return;
    SIM_EndorsementOfferModel window(*offer);
    if (offer->fameHitChance <= kEndorsementRiskLimit) {
        window.Accept();
    } else {
        window.Reject();
        ++gEndorsementsRejected;
    }
}

void WatchRivalGigs() {
    std::vector<const SIM_DailyOption*> gigs;
    for (const auto& option : GetDailyOptions().Options())
        if (option->kind == OPTION_RIVAL_GIG && option->canAccept) gigs.push_back(option.get());
    for (const SIM_DailyOption* option : gigs) {
        auto* gig = static_cast<SIM_OtherGig*>(option->subject);
        if (gig->band->ticketCost > GetFinances().cash * kRivalTicketShare) continue;
        GetDailyOptions().AcceptDailyOption(*option);  // opens the rival-gig screen
        if (SIM_RivalGigScreenModel(*gig).watched) ++gRivalGigsWatched;
    }
}

// A charity gig the band can play, on a day without a gig of its own.
const SIM_DailyOption* PlayableCharityGig() {
    if (!GetBand().HasFullLineup() || !HasSongsForGig() || IsGigToday())
        return nullptr;
    for (const auto& option : GetDailyOptions().Options())
        if (option->kind == OPTION_CHARITY_GIG && option->canAccept) return option.get();
    return nullptr;
}
}  // namespace

void ResetHeadlessWorld() {
    gCharityGigs = 0;
    gRivalGigsWatched = 0;
    gEndorsementsRejected = 0;
}

bool TakeUpHeadlessWorld() {
    HireManagerForSponsors();
    AnswerEndorsement();
    WatchRivalGigs();
    const SIM_DailyOption* charity = PlayableCharityGig();
    if (!charity) return false;
    ++gCharityGigs;
    const int turn = GetSIM().turncount;
    GetDailyOptions().AcceptDailyOption(*charity);  // ends the day
    return GetSIM().turncount != turn;
}

std::string WorldText() {
    const std::string& sponsored = GetBand().SponsoredName;
    int luck = 0;
    for (bool done : GetSIM().eventGate.flags) luck += done ? 1 : 0;
    return FormatText("charity gigs %d rival gigs watched %d endorsement %s (turned down %d) lucky events %d",
                      gCharityGigs, gRivalGigsWatched, sponsored.empty() ? "none" : ("\"" + sponsored + "\"").c_str(),
                      gEndorsementsRejected, luck);
}
