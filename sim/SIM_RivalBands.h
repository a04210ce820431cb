#pragma once
// Rival bands: now and then one of them plays a gig the player may pay to watch. Watching
// teaches the band's signature song element for good and inspires the player.
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_ModifierContainer.h"

#include <memory>
#include <string>
#include <vector>

class SIM_SongElement;

class SIM_OtherBand : public SIM_ModifierContainer {
public:
    // Reads one data row; cells after the inspiration are modifiers.
    void LoadFromRow(const std::string& row);

    float number = 0.0f;  // kept with the band; nothing reads it yet
    float ticketCost = 0.0f;
    std::string key;          // saved with its gigs
    std::string displayName;  // replaces "<BAND>" and "<VENUE>"
    std::string elementName;
    SIM_SongElement* element = nullptr;  // null when the song catalogue does not know it
    // What the rival-gig screen shows.
    std::string description;
    std::string picture;
    std::string review;
    std::string backdrop;
    float inspiration = 0.0f;
};

class SIM_OtherGig : public SIM_OptionSubject {
public:
    SIM_OtherBand* band = nullptr;  // not owned
    SIM_DayDate date;
    bool watched = false;
};

// Replaces the rival bands, and with them their gigs; all bands become available. A missing
// file leaves none.
void LoadRivalBands(const std::string& path = "data/simulation/otherbands.csv");
void DestroyAllRivalBands();
const std::vector<std::unique_ptr<SIM_OtherBand>>& RivalBands();
// Bands without a gig since the list was last refilled.
const std::vector<SIM_OtherBand*>& AvailableRivalBands();
const std::vector<std::unique_ptr<SIM_OtherGig>>& RivalGigs();
SIM_OtherBand* FindRivalBand(const std::string& key);

// Daily: with chance RS_OTHER_BAND_CHANCE an available band schedules a gig (the list is
// refilled when it has run dry). Returns the new gig, or null.
SIM_OtherGig* CheckRivalBand();
// A gig RS_OTHERGIG_DAYSAHEAD days from today, on the calendar.
SIM_OtherGig& ScheduleRivalGig(SIM_OtherBand& band);
// A loaded game's gig; null (and an assertion) when the band is unknown.
SIM_OtherGig* RestoreRivalGig(const std::string& bandKey, const SIM_DayDate& date);
// Before the date moves on: destroys the first gig dated today or earlier; false when there
// is none.
bool RemoveEndedRivalGig();
// Every gig of today becomes a daily option, acceptable when the band can pay the ticket.
void CheckRivalGigDay();
bool CanAffordRivalGig(const SIM_OtherGig& gig);
// Pays the ticket, teaches the band's element and inspires the player. A gig is watched
// once; false when it was already watched or the ticket is not affordable.
bool WatchRivalGig(SIM_OtherGig& gig);

// The rival-gig screen: opening it watches the gig; it then shows what the evening taught
// and closes with its finish button.
class SIM_RivalGigScreenModel {
public:
    explicit SIM_RivalGigScreenModel(SIM_OtherGig& gig);

    // False when the gig could not be watched (already seen, or the ticket is beyond the
    // cash): the screen then shows no lessons.
    bool watched = false;

    std::string title;
    std::string description;
    std::string picture;
    std::string review;
    std::string backdrop;
    std::string unlocked;     // which element the band learnt
    std::string inspiration;  // what it did for the player
    std::string finishLabel;
};
