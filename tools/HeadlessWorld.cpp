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

// Sponsors whose fans are likelier than this to cry sell-out are turned down.
constexpr float kEndorsementRiskLimit = 0.25f;
// A rival gig is worth at most this share of the cash.
constexpr float kRivalTicketShare = 0.1f;
// The manager (whom sponsors talk to) is hired once the band is famous enough for them and
// has a year of his wages put by.
constexpr float kManagerFame = 75.0f;

void HireManagerForSponsors() {
    if (SIM_Asset* manager = HeadlessManagerForSponsors()) ShopPurchase(*manager);
}

void AnswerEndorsement() {
    SIM_Endorsement* offer = PendingEndorsementOffer();
    if (!offer) return;
    SIM_EndorsementOfferModel window(*offer);
    if (HeadlessTakesEndorsement(*offer)) {
        window.Accept();
    } else {
        window.Reject();
        ++HeadlessTally().endorsementsRejected;
    }
}

void WatchRivalGigs() {
    std::vector<const SIM_DailyOption*> gigs;
    for (const auto& option : GetDailyOptions().Options())
        if (option->kind == OPTION_RIVAL_GIG && option->canAccept) gigs.push_back(option.get());
    for (const SIM_DailyOption* option : gigs) {
        if (!HeadlessWatchesRivalGig(*option)) continue;  // the tickets already bought count
        auto* gig = static_cast<SIM_OtherGig*>(option->subject);
        GetDailyOptions().AcceptDailyOption(*option);  // opens the rival-gig screen
        if (SIM_RivalGigScreenModel(*gig).watched) ++HeadlessTally().rivalGigsWatched;
    }
}
}  // namespace

SIM_Asset* HeadlessManagerForSponsors() {
    SIM_Asset* manager = FindAsset("manager");
    if (!manager || manager->owned || GetFame().fame < kManagerFame) return nullptr;
    const float cost = GetFinances().DiscountedCost(manager->price);
    if (GetFinances().cash < cost + manager->dailyCost * static_cast<float>(kUpkeepReserveDays)) return nullptr;
    return manager;
}

bool HeadlessTakesEndorsement(const SIM_Endorsement& offer) { return offer.fameHitChance <= kEndorsementRiskLimit; }

bool HeadlessWatchesRivalGig(const SIM_DailyOption& option) {
    if (option.kind != OPTION_RIVAL_GIG || !option.canAccept) return false;
    const auto* gig = static_cast<const SIM_OtherGig*>(option.subject);
    return gig->band->ticketCost <= GetFinances().cash * kRivalTicketShare;
}

const SIM_DailyOption* PlayableCharityGig() {
    if (!GetBand().HasFullLineup() || !HasSongsForGig() || IsGigToday())
        return nullptr;
    for (const auto& option : GetDailyOptions().Options())
        if (option->kind == OPTION_CHARITY_GIG && option->canAccept) return option.get();
    return nullptr;
}

void ResetHeadlessWorld() {
    HeadlessCounts& tally = HeadlessTally();
    tally.charityGigs = tally.rivalGigsWatched = tally.endorsementsRejected = 0;
}

bool TakeUpHeadlessWorld() {
    HireManagerForSponsors();
    AnswerEndorsement();
    WatchRivalGigs();
    const SIM_DailyOption* charity = PlayableCharityGig();
    if (!charity) return false;
    ++HeadlessTally().charityGigs;
    const int turn = GetSIM().turncount;
    GetDailyOptions().AcceptDailyOption(*charity);  // ends the day
    return GetSIM().turncount != turn;
}

std::string WorldText() {
    const std::string& sponsored = GetBand().SponsoredName;
    int luck = 0;
    for (bool done : GetSIM().eventGate.flags) luck += done ? 1 : 0;
    return FormatText("charity gigs %d rival gigs watched %d endorsement %s (turned down %d) lucky events %d",
                      HeadlessTally().charityGigs, HeadlessTally().rivalGigsWatched,
                      sponsored.empty() ? "none" : ("\"" + sponsored + "\"").c_str(),
                      HeadlessTally().endorsementsRejected, luck);
}
