#include "SIM_WorldSeams.h"

namespace {
SIM_WorldSeams gSeams;
}

SIM_WorldSeams& WorldSeams() { return gSeams; }

std::vector<std::string> SIM_WorldSeams::Unfilled() const {
    std::vector<std::string> names;
    auto note = [&](bool filled, const char* name) {
        if (!filled) names.emplace_back(name);
    };
#define GV_NOTE_SEAM(entry) note(static_cast<bool>(entry), #entry)
    GV_NOTE_SEAM(bandMemberCount);
    GV_NOTE_SEAM(businessmanCount);
    GV_NOTE_SEAM(isLineupComplete);
    GV_NOTE_SEAM(applyBandModifier);
    GV_NOTE_SEAM(recalculateBandValues);
    GV_NOTE_SEAM(bandDailyUpdate);
    GV_NOTE_SEAM(advanceBandYear);
    GV_NOTE_SEAM(resetBand);
    GV_NOTE_SEAM(applyPlayerModifier);
    GV_NOTE_SEAM(recalculatePlayer);
    GV_NOTE_SEAM(resetPlayer);
    GV_NOTE_SEAM(resetPeopleAndMusic);
    GV_NOTE_SEAM(degradeAllRelationships);
    GV_NOTE_SEAM(songCount);
    GV_NOTE_SEAM(hasRecordDeal);
    GV_NOTE_SEAM(weeklySales);
    GV_NOTE_SEAM(loadCatalogues);
    GV_NOTE_SEAM(loadRivalBandsAndStartingSongs);
    GV_NOTE_SEAM(latestReleasedAlbumWeeks);
    GV_NOTE_SEAM(sellLatestReleasedAlbum);
    GV_NOTE_SEAM(recordDealCheck);
    GV_NOTE_SEAM(clearBookedGigs);
    GV_NOTE_SEAM(removeOutdatedGig);
    GV_NOTE_SEAM(decayVenueBoredom);
    GV_NOTE_SEAM(checkGigDay);
    GV_NOTE_SEAM(bookedGigRentals);
    GV_NOTE_SEAM(playGig);
    GV_NOTE_SEAM(resetPerformance);
    GV_NOTE_SEAM(removeEndedRivalGigEntries);
    GV_NOTE_SEAM(rivalGigsDailyStep);
    GV_NOTE_SEAM(rivalBandManagerDailyStep);
    GV_NOTE_SEAM(charityGigChance);
    GV_NOTE_SEAM(takeUpCharityGig);
    GV_NOTE_SEAM(endorsementOfferCheck);
    GV_NOTE_SEAM(tryRandomEvent);
    GV_NOTE_SEAM(dailyRelaxationOffer);
    GV_NOTE_SEAM(publicityDailyUpdate);
    GV_NOTE_SEAM(preparePublicityEvent);
    GV_NOTE_SEAM(assetsDailyUpdate);
    GV_NOTE_SEAM(assetsNetWorth);
    GV_NOTE_SEAM(checkDayHints);
#undef GV_NOTE_SEAM
    return names;
}
void ResetWorldSeams() { gSeams = SIM_WorldSeams{}; }
