#pragma once
// The venue catalogue, the gigs on offer and the gigs booked: which venues the band may
// book, what booking costs, and what a gig day turns into.
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Charity;

enum SIM_VenueType : int { VENUE_LOCAL = 0, VENUE_DISTANT = 1 };

class SIM_Venue {
public:
    // Reads one data row; a type other than "LOCAL" or "DISTANT" is fatal.
    void LoadFromRow(const std::string& row);

    std::string key;
    std::string displayName;
    int type = VENUE_LOCAL;
    float minimumFame = 0.0f;
    float fameAverageShow = 0.0f;
    float famePerfectShow = 0.0f;
    int capacity = 0;
    float rental = 0.0f;
    bool needsManager = false;
    float ticketPrice = 0.0f;
    float playingDifficulty = 1.0f;
    float stageShowDifficulty = 1.0f;
    float stageSize = 1.0f;
    std::string text;  // kept with the venue; nothing reads it yet
    std::string picture;
    std::string backdrop;
    float boredom = 0.0f;  // 0..1; only a venue at 0 is offered
};

enum SIM_GigType : int { GIG_ORDINARY = 0, GIG_CHARITY = 1 };

class SIM_Gig : public SIM_OptionSubject {
public:
    int type = GIG_ORDINARY;
    SIM_Venue* venue = nullptr;  // not owned
    SIM_DayDate date;
    bool onCalendar = false;
    SIM_Charity* charity = nullptr;  // the charity of a charity gig, not owned
};

// ---- Venues ------------------------------------------------------------------------------
// Replaces the catalogue (file order). The gigs on offer and booked refer to the old
// venues, so they go with them. A missing file leaves no venues.
void LoadVenues(const std::string& path = "data/simulation/venues.csv");
void DestroyAllVenues();
const std::vector<std::unique_ptr<SIM_Venue>>& Venues();
SIM_Venue* FindVenue(const std::string& key);
// Daily: every venue grows less bored of the band, never below 0.
void DecayVenueBoredom();
// Local venues always; distant ones with a van or a tour bus.
bool CanReachVenue(const SIM_Venue& venue);
// Fame earned by a show scoring s (0..1): a loss below 0.2, nothing up to 0.5, then from
// the average-show figure up to the perfect-show figure.
float GetVenueFameFactor(const SIM_Venue& venue, float score);

// ---- Gigs --------------------------------------------------------------------------------
std::vector<std::unique_ptr<SIM_Gig>>& GigOffers();
std::vector<std::unique_ptr<SIM_Gig>>& BookedGigs();  // booking order
// A venue the band's fame qualifies for was left out because it is still bored of the band.
bool VenueBoredFlag();

void BuildGigOffers();
// What the booking screen shows on an offered gig's card; the button is a translation key.
struct SIM_GigCard {
    std::string capacity;
    std::string price;
    std::string rental;
    std::string button;
    std::string tooltip;  // empty when there is none
    bool canBook = false;
};
SIM_GigCard GigCard(const SIM_Gig& gig);
// Books a gig made elsewhere (a charity gig): the common path of every booking. Pays the
// discounted rental unless it is a charity gig, dates it and puts it on the calendar.
SIM_Gig& BookGig(std::unique_ptr<SIM_Gig> gig);
// A gig booked in a loaded game: back on the list and the calendar with its own date, nothing paid.
SIM_Gig& RestoreBookedGig(std::unique_ptr<SIM_Gig> gig);
// Moves an offered gig into the booked list; false when it is not on offer.
bool BookGig(SIM_Gig& offered);
// The booking card's button: refused unless the card allows it; books the gig, uses the
// day's act and rings the till.
bool PressBookButton(SIM_Gig& offered);

bool IsVenueBooked(const SIM_Venue& venue);
bool IsGigToday();
// Rental held in booked ordinary gigs (part of the band's net worth).
float BookedGigRentals();
// Daily: every gig booked for today becomes a daily option, or is cancelled when the band
// cannot play it.
void CheckGigDay();
// Costs fame and removes the gig from the booked list; the rental is not refunded.
void CancelGig(SIM_Gig& gig);
// Daily: destroys the first booked gig whose day has passed (one a day).
void RemoveOutdatedGig();
// New game: no gigs on offer or booked.
void ClearGigs();

// Fills the gig and venue entries of the world and people seams; the catalogue reloads with
// the other catalogues on a new game.
void RegisterVenues();
void ResetVenues();
