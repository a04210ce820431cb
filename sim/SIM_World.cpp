#include "SIM_World.h"

#include "SIM_Charity.h"
#include "SIM_Endorsements.h"
#include "SIM_RandomEvents.h"
#include "SIM_RivalBands.h"
#include "SIM_WorldSeams.h"

void RegisterWorld() {
    SIM_WorldSeams& world = WorldSeams();
    world.tryRandomEvent = [](SIM_EventGate& gate) { TryRandomEvent(gate); };
    world.endorsementOfferCheck = [] { CheckEndorsementOffer(); };
    world.charityGigChance = [] { CheckCharityGig(); };
    world.takeUpCharityGig = [](SIM_OptionSubject* gig) { return TakeUpCharityGig(gig); };
    world.rivalGigsDailyStep = [] { CheckRivalGigDay(); };
    world.rivalBandManagerDailyStep = [] { CheckRivalBand(); };
    world.removeEndedRivalGigEntries = [] {
        while (RemoveEndedRivalGig()) {
        }
    };
    // Offers of the old game point at its venues, which the catalogue step reloads.
    world.loadCatalogues = [before = world.loadCatalogues] {
        ClearOfferedCharityGigs();
        RunSeam(before);
        LoadEndorsements();
    };
    // The rival bands come before the starting songs.
    world.loadRivalBandsAndStartingSongs = [before = world.loadRivalBandsAndStartingSongs] {
        LoadRivalBands();
        RunSeam(before);
    };
}

void ResetWorld() {
    DestroyAllEndorsements();
    DestroyAllRivalBands();
    ResetCharities();
}
