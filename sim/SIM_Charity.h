#pragma once
// Charities that ask the band to play for free: now and then a charity gig is offered for the
// day; taken up, it is booked like any gig, without rental.
#include <memory>
#include <string>
#include <vector>

class SIM_Gig;
class SIM_OptionSubject;
class SIM_Venue;

class SIM_Charity {
public:
    // Reads one data row: key, display name, picture, note.
    void LoadFromRow(const std::string& row);

    std::string key;          // saved with a booked charity gig
    std::string displayName;  // replaces "<NAME>"
    std::string picture;      // the daily option's picture
    std::string note;         // kept with the charity; nothing reads it yet
};

// Replaces the charity list; a missing file leaves none.
void LoadCharities(const std::string& path = "data/simulation/charities.csv");
// The charity list, read from the shipped catalogue on first use.
const std::vector<std::unique_ptr<SIM_Charity>>& Charities();
SIM_Charity* FindCharity(const std::string& key);

// The charity gigs offered today and not yet taken up.
const std::vector<std::unique_ptr<SIM_Gig>>& OfferedCharityGigs();
void ClearOfferedCharityGigs();

// Daily: yesterday's offers lapse; a band that could play may be offered a charity gig.
void CheckCharityGig();
// The biggest venue whose minimum fame is at most twice the band's fame, never the test
// venue; the first in catalogue order on a tie. Null when none qualifies.
SIM_Venue* ChooseCharityVenue();
// A random charity, or null when the list is empty.
SIM_Charity* PickCharity();
// Books an offered charity gig; false when it is not on offer (already taken, or lapsed).
bool TakeUpCharityGig(SIM_OptionSubject* offered);

void ResetCharities();
