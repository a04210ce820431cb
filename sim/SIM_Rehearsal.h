#pragma once
// How ready each musician is to play each current song, the rooms the band can rent to
// rehearse, and the rehearsal itself with what its summary and comment windows show.
#include "SIM_DailyOptions.h"
#include "SIM_ModifierContainer.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Musician;
class SIM_Relationship;
class SIM_Song;

struct SIM_SongReadiness {
    SIM_Song* song = nullptr;  // a current song, not owned
    float readiness = 0.0f;    // 0..1
};

// One musician's readiness per song. Every record is listed while it lives, so a new or
// retired song reaches all of them.
class SIM_RehearsalData {
public:
    explicit SIM_RehearsalData(SIM_Musician* owner);
    virtual ~SIM_RehearsalData();
    SIM_RehearsalData(const SIM_RehearsalData&) = delete;
    SIM_RehearsalData& operator=(const SIM_RehearsalData&) = delete;

    // Mean readiness over the entries, 0 without any.
    void RecalculateLevel();
    const SIM_SongReadiness* Find(const SIM_Song* song) const;

    std::vector<SIM_SongReadiness> entries;
    float level = 0.0f;
    SIM_Musician* owner = nullptr;
    int ownerSlid = -1;
};

const std::vector<SIM_RehearsalData*>& AllRehearsalData();
// The musician's record, created on first use (then empty: he has rehearsed nothing yet).
SIM_RehearsalData& RehearsalDataFor(SIM_Musician& member);
// Drops the record of a musician who is gone.
void ForgetRehearsalData(const SIM_Musician* member);
void DestroyAllRehearsalData();

void AddSongReadiness(SIM_Song& song);
void RemoveSongReadiness(const SIM_Song& song);
// Every current song gains amount (clamped to 0..1); songs he has no entry for get one.
void RaiseReadiness(SIM_RehearsalData& record, float amount);
// Daily: every readiness is multiplied by "_REHEARSAL_DEGRADE".
void DecayReadiness(SIM_RehearsalData& record);
float GetRehearsalLevel(const SIM_RehearsalData& record);

class SIM_RehearsalVenue : public SIM_ModifierContainer {
public:
    SIM_RehearsalVenue() { label = "rehearsal"; }

    std::string name;
    std::string displayName;
    std::string description;
    int level = 0;
    float fameLow = 0.0f;
    float fameHigh = 0.0f;
    float cost = 0.0f;
    std::string picture;
};

// Replaces the venue list with the rows of the file; a missing file leaves it empty.
void LoadRehearsalVenues(const std::string& path = "data/simulation/rehearsals.csv");
const std::vector<SIM_RehearsalVenue*>& RehearsalVenues();
void ClearRehearsalVenues();

// How much the venue motivates the member: its level against the level his ego and the
// band's fame lead him to expect, scaled and clamped.
float VenueMotivation(const SIM_RehearsalVenue& venue, const SIM_Musician& member);

struct SIM_RehearsalResult {
    SIM_Musician* member = nullptr;
    float motivationChange = 0.0f;
    float stressChange = 0.0f;
    float rehearsalGain = 0.0f;
};

class SIM_Rehearsal : public SIM_OptionSubject {
public:
    ~SIM_Rehearsal() override = default;

    std::vector<SIM_Musician*> noShows;
    std::vector<SIM_RehearsalResult> results;
    std::vector<SIM_Relationship*> damagedRelationships;  // only during the cancellation
    const SIM_RehearsalVenue* venue = nullptr;
    bool cancelled = false;
};

// Runs a whole rehearsal at the venue and keeps it in the list of rehearsals.
SIM_Rehearsal& Rehearse(const SIM_RehearsalVenue* venue);
const SIM_RehearsalResult* FindResult(const SIM_Rehearsal& rehearsal, const SIM_Musician* member);
const std::vector<std::unique_ptr<SIM_Rehearsal>>& AllRehearsals();
// The newest rehearsal, or null.
SIM_Rehearsal* LatestRehearsal();
void ClearRehearsals();

// What the summary window says about the rehearsal.
std::string RehearsalSummaryText(const SIM_Rehearsal& rehearsal);
std::string RehearsalSummarySound(const SIM_Rehearsal& rehearsal);
// The comment window's title and its effect lines (only the changes that are not 0).
std::string RehearsalCommentTitle(const SIM_Musician& member);
std::vector<std::string> RehearsalEffectLines(const SIM_RehearsalResult& result);
// The venue tile: the rent line, and whether its button can be pressed with this cash.
std::string RehearsalCostText(const SIM_RehearsalVenue& venue);
bool CanAffordRehearsal(const SIM_RehearsalVenue& venue, float cash);

// Fills the seams the rehearsals own (songs, people, new game).
void RegisterRehearsals();
