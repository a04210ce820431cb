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

// Lines for the tool's output.
std::string DateText();
std::string StateText();
std::string BandText();
