#pragma once
// The headless player of `gigvale-tool simulate` and `bench`: a new game on the run folder's
// data and a simple, sensible way of playing each day. Each activity's choices live in their
// own function so that new activities add a function and one call.
#include "SIM_Screens.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class SIM_Asset;
class SIM_AssetMusic;
class SIM_AuditionPicker;
class SIM_Gig;
class SIM_Song;
class SIM_RehearsalVenue;

struct SIM_DailyOption;

// How freely the headless player spends: the share of its cash one gig's rental or one album's
// studio may take, and the cash it keeps back when it shops or pays for an evening out.
struct HeadlessThrift {
    float budgetShare = 0.5f;
    float reserve = 400.0f;
    // Besides, this many days of what the band owes every day (and per gig, a gig a week).
    float upkeepDays = 28.0f;
};
// Days of upkeep the sensible player puts by before it takes on something that costs money
// every day (a year of the calendar).
constexpr int kUpkeepReserveDays = 84;
// The sensible player's thrift unless a strategy has set another.
HeadlessThrift& CurrentThrift();
// The cash the player keeps back now: the reserve plus the upkeep days of the band's running costs.
float HeadlessReserve();

// A new game on the run folder's data, with the screens answered headless.
void StartHeadlessGame(SIM_HeadlessScreens& screens, std::uint32_t seed);

// The first instrument the line-up still lacks (drums, bass, then a lead), or -1.
int MissingInstrument();
// Auditions for the instrument and hires the ablest candidate, or one at random; false when
// no audition could be held (no instrument, no money for it).
bool AuditionHeadless(int instrument, bool ablest);
// On Wednesdays, writes a song through the puzzle (making room in a full repertoire); true
// when the finished song ended the day's acts.
bool WriteHeadlessSong();

// Everything the shop lists now, tab by tab.
std::vector<SIM_Asset*> HeadlessShopListing();

// Takes up the day's options the headless player wants; true when that used the day's act.
bool AcceptHeadlessOptions();
// Whether the headless player takes an option of the day.
bool WantsHeadlessOption(const SIM_DailyOption& option);

// The day's act of the headless player; true when the act itself ended the day's acts.
bool PlayHeadlessAct();

// Once the gigs pay well, buys what opens bigger venues (a van, then a manager); true when it
// bought something (the day's act).
bool EquipHeadlessForGigs();

// After a booked gig was taken up: closes the screen it opened (the gig's, or the called-off
// gig's), which uses the day's act. performancesBefore is the performance count before.
void CloseHeadlessGigScreen(std::size_t performancesBefore);

// One step of the headless player's day: options first, then the act.
void PlayHeadlessDay();

// ---- What the sensible player chooses, apart from carrying it out: the headless player does it
// through the simulation's operations, the career player through the screens.

// The candidate with the best ability bar in an open audition, or -1.
int AblestCandidate(const SIM_AuditionPicker& picker);
// Whether a song is due today (Wednesdays, every fourth once the repertoire is full); *retire is
// the song to retire first to make room, or nullptr.
bool HeadlessSongDue(SIM_Song** retire);
// Whether the player books a gig today (one booking at a time, when booking is open).
bool HeadlessWantsGig();
// The biggest gig among the offers whose rental leaves half the cash, or nullptr.
SIM_Gig* ChooseHeadlessGig();
// The best rehearsal room the player rents today, or nullptr when it does not rehearse.
const SIM_RehearsalVenue* ChooseHeadlessRehearsal(int missing);
// The weekly shopping: a thing to buy (wish: a member's wish), or an owned album to hear.
struct HeadlessPurchase {
    SIM_Asset* buy = nullptr;
    SIM_AssetMusic* listen = nullptr;
    bool wish = false;
};
// After the members have said what they want (SIM_Band::PickWantedAssets).
HeadlessPurchase ChooseHeadlessPurchase();
// The van or manager the player buys today to open bigger venues, or nullptr.
SIM_Asset* ChooseHeadlessGigKey();

// What the player did that the game does not count itself, for the yearly lines.
struct HeadlessCounts {
    int gigsBooked = 0;
    int publicity = 0;
    int relaxations = 0;
    int charityGigs = 0;
    int rivalGigsWatched = 0;
    int endorsementsRejected = 0;
};
HeadlessCounts& HeadlessTally();

// Lines for the tool's output.
std::string DateText();
std::string StateText();
std::string BandText();
