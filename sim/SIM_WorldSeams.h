#pragma once
// The places where the day cycle, the new-game set-up and the economy reach simulation parts
// that are built separately: the band and its members, the player, relationships, songs and
// albums, gigs and venues, rival bands, charities, endorsements, publicity, relaxation, assets
// and hints. Each part fills its own entries when it registers. An empty entry means that part
// does not exist in this build: the step then does nothing, and queries answer as for a world
// without it (no members, no songs, no record deal, nothing owned).
#include <functional>
#include <string>
#include <vector>

class SIM_OptionSubject;
class SIM_Performance;

// The random-event gate: the day counter and the three flags the world's events keep.
struct SIM_EventGate {
    int daysSinceLastEvent = 0;
    bool flags[3] = {false, false, false};
};

struct SIM_WorldSeams {
    // The band and its members.
    std::function<int()> bandMemberCount;
    std::function<int()> businessmanCount;  // members with the trait "businessman"
    std::function<bool()> isLineupComplete;
    std::function<void(const std::string& name, float amount, float degrade)> applyBandModifier;
    std::function<void()> recalculateBandValues;
    std::function<void()> bandDailyUpdate;
    std::function<void()> advanceBandYear;
    std::function<void()> resetBand;  // members, portrait pool, personality strip, band catalogue

    // The player.
    std::function<void(const std::string& name, const std::string& source, float degrade, float amount)>
        applyPlayerModifier;
    std::function<void()> recalculatePlayer;
    std::function<void()> resetPlayer;  // also loads the player's attributes

    // People and music reset for a new game: relationships, musicians, rehearsals, songs,
    // albums, portraits, auditions and auditionees.
    std::function<void()> resetPeopleAndMusic;
    std::function<void()> degradeAllRelationships;

    // Songs and albums.
    std::function<int()> songCount;
    std::function<bool()> hasRecordDeal;
    std::function<void()> weeklySales;
    std::function<void()> loadCatalogues;  // song elements, assets, endorsements
    std::function<void()> loadRivalBandsAndStartingSongs;
    // The latest released album: its weeks since release, or -1 when none is out.
    std::function<int()> latestReleasedAlbumWeeks;
    // Sells copies of the latest released album at a gig; the band is paid for them.
    std::function<void(int copies)> sellLatestReleasedAlbum;
    // After the gig screen closes: a record company may scout the gig and make an offer.
    std::function<void(const SIM_Performance& performance)> recordDealCheck;

    // Gigs, venues and the gig itself.
    std::function<void()> clearBookedGigs;
    std::function<void()> removeOutdatedGig;
    std::function<void()> decayVenueBoredom;
    std::function<void()> checkGigDay;
    std::function<float()> bookedGigRentals;  // held value of booked non-charity gigs
    // How taking the gig-day option went; a gig already played or called off is refused.
    enum class GigOutcome { kPlayed, kCalledOff, kRefused };
    std::function<GigOutcome(SIM_OptionSubject* gig)> playGig;
    std::function<void()> resetPerformance;

    // The world around the band.
    std::function<void()> removeEndedRivalGigEntries;
    std::function<void()> rivalGigsDailyStep;
    std::function<void()> rivalBandManagerDailyStep;
    std::function<void()> charityGigChance;
    // False when the charity gig is no longer on offer (taken up already).
    std::function<bool(SIM_OptionSubject* charityGig)> takeUpCharityGig;
    std::function<void()> endorsementOfferCheck;
    std::function<void(SIM_EventGate& gate)> tryRandomEvent;

    // Publicity and relaxation.
    std::function<void()> dailyRelaxationOffer;
    std::function<void()> publicityDailyUpdate;
    std::function<void(SIM_OptionSubject* event)> preparePublicityEvent;

    // Assets.
    std::function<void()> assetsDailyUpdate;
    std::function<float()> assetsNetWorth;

    // Hints.
    std::function<void()> checkDayHints;

    // The names of the entries no part has filled, so tools can say what is not simulated.
    std::vector<std::string> Unfilled() const;
};

SIM_WorldSeams& WorldSeams();
// Empties every entry (tests, and before the parts register again).
void ResetWorldSeams();

// Runs a step when its owner exists.
inline void RunSeam(const std::function<void()>& step) {
    if (step) step();
}
// Asks an owner, or gives the answer for a world without it.
template <class R>
R AskSeam(const std::function<R()>& query, R absent) {
    return query ? query() : absent;
}
