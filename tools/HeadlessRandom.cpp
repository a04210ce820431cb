// The random player: every day a choice at random among the things the game lets the player do,
// each done the way its screen allows. It answers every window that waits for an answer (a
// record offer, a sponsor) at random too.
#include "HeadlessStrategies.h"

#include "HeadlessAlbums.h"
#include "HeadlessPlayer.h"
#include "HeadlessPublicity.h"

#include "LibRandom.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Endorsements.h"
#include "SIM_Finances.h"
#include "SIM_Performance.h"
#include "SIM_Person.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relaxation.h"
#include "SIM_RivalBands.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <string>
#include <vector>

namespace {
// A full line-up plus the odd extra member; more would only be a bigger payroll of nobody.
constexpr std::size_t kMostMembers = 5;
// Share of days on which the player takes one of the day's options before his act.
constexpr float kOptionChance = 0.4f;

template <typename T>
T* PickAny(const std::vector<T*>& items) {
    return items.empty() ? nullptr : items[static_cast<std::size_t>(RandomIndex(static_cast<int>(items.size())))];
}

void AnswerWaitingWindows() {
    if (RecordOffer()) {
        if (RandomChance(0.5f)) AcceptRecordOffer();
        else RejectRecordOffer();
    }
    if (SIM_Endorsement* offer = PendingEndorsementOffer()) {
        SIM_EndorsementOfferModel window(*offer);
        if (RandomChance(0.5f)) window.Accept();
        else window.Reject();
    }
}

// Takes one of the day's options and does what its screen asks; true when that ended the day.
bool TakeRandomOption() {
    std::vector<const SIM_DailyOption*> open;
    for (const auto& option : GetDailyOptions().Options())
        if (option->canAccept) open.push_back(option.get());
    const SIM_DailyOption* option = PickAny(open);
    if (!option) return false;
    const int turn = GetSIM().turncount;
    const int kind = option->kind;
    SIM_OptionSubject* subject = option->subject;
    const std::size_t played = Performances().size();
    GetDailyOptions().AcceptDailyOption(*option);
    switch (kind) {
    case OPTION_BOOKED_GIG: CloseHeadlessGigScreen(played); break;
    case OPTION_RIVAL_GIG: {
        // The rival gig's screen: the band watches while it shows.
        const SIM_RivalGigScreenModel screen(*static_cast<SIM_OtherGig*>(subject));
        break;
    }
    case OPTION_RELAXATION: {
        SIM_RelaxChooser chooser;
        std::vector<std::size_t> usable;
        for (std::size_t i = 0; i < chooser.cards.size(); ++i)
            if (chooser.cards[i].canUse) usable.push_back(i);
        if (usable.empty()) break;  // cancelled: the day is not used
        const std::size_t card = usable[static_cast<std::size_t>(RandomIndex(static_cast<int>(usable.size())))];
        const SIM_RelaxVenue& venue = *chooser.cards[card].venue;
        if (chooser.Use(card)) SIM_RelaxResults(venue).Close();
        break;
    }
    default: FinishHeadlessPublicityOrRelaxation(kind, subject); break;
    }
    return GetSIM().turncount != turn || Screens().IsEndGameShowing();
}

bool AuditionAtRandom() {
    int instrument = MissingInstrument();
    if (instrument < 0 && GetBand().members.size() < kMostMembers) instrument = RandomIndex(INSTRUMENT_VOCALS + 1);
    return AuditionHeadless(instrument, false);
}

bool RehearseAtRandom() {
    if (!GetBand().HasFullLineup() || CurrentSongs().empty()) return false;
    std::vector<const SIM_RehearsalVenue*> rooms;
    for (const SIM_RehearsalVenue* room : RehearsalVenues())
        if (CanAffordRehearsal(*room, GetFinances().cash)) rooms.push_back(room);
    const SIM_RehearsalVenue* room = PickAny(rooms);
    if (!room) return false;
    Rehearse(room);
    return true;
}

bool BookAtRandom() {
    if (!BookGigAvailability().enabled) return false;
    BuildGigOffers();
    std::vector<SIM_Gig*> bookable;
    for (const auto& gig : GigOffers())
        if (GigCard(*gig).canBook) bookable.push_back(gig.get());
    SIM_Gig* gig = PickAny(bookable);
    return gig && PressBookButton(*gig);
}

bool ShopAtRandom() {
    std::vector<SIM_Asset*> affordable;
    for (SIM_Asset* asset : HeadlessShopListing())
        if (GetFinances().DiscountedCost(asset->price) <= GetFinances().cash) affordable.push_back(asset);
    SIM_Asset* pick = PickAny(affordable);
    if (!pick) return false;
    ShopPurchase(*pick);
    return true;
}

bool SellAtRandom() {
    std::vector<SIM_Asset*> sellable;
    for (SIM_Asset* asset : OwnedAssets())
        if (AssetWindowAction(*asset).kind == SIM_AssetAction::kSell) sellable.push_back(asset);
    SIM_Asset* pick = PickAny(sellable);
    if (!pick) return false;
    pick->Sell();
    return true;
}

// The day's act: true when it ended the day's acts itself.
bool RandomAct() {
    switch (RandomIndex(10)) {
    case 0: AuditionAtRandom(); return false;
    case 1: return GetBand().HasFullLineup() && WriteHeadlessSong();
    case 2: RehearseAtRandom(); return false;
    case 3: return BookAtRandom();
    case 4: return RecordHeadlessAlbum();
    case 5: ShopAtRandom(); return false;
    case 6: SellAtRandom(); return false;
    case 7: GetBand().Practice(1.0f); return false;
    default: return false;  // a day spent doing nothing in particular
    }
}
}  // namespace

void PlayRandomDay() {
    AnswerWaitingWindows();
    if (RandomChance(kOptionChance) && TakeRandomOption()) return;
    if (!RandomAct()) GetSIM().UseAct();
}
