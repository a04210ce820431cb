#pragma once
// The headless player's answers to the world around the band: sponsors, charity gigs and
// rival bands' gigs.
#include <string>

class SIM_Asset;
class SIM_Endorsement;
struct SIM_DailyOption;

// A new run: nothing taken up yet.
void ResetHeadlessWorld();
// Answers a sponsor's offer, watches today's rival gigs it can afford and takes up a charity
// gig it can play; true when that used the day's act.
bool TakeUpHeadlessWorld();
// The manager the player hires once the band is famous enough for sponsors, or nullptr.
SIM_Asset* HeadlessManagerForSponsors();
// A sponsor is taken when the fans are unlikely to cry sell-out.
bool HeadlessTakesEndorsement(const SIM_Endorsement& offer);
// A rival band's gig is watched when its ticket costs at most a tenth of the cash.
bool HeadlessWatchesRivalGig(const SIM_DailyOption& option);
// A charity gig the band can play, on a day without a gig of its own, or nullptr.
const SIM_DailyOption* PlayableCharityGig();
// What the yearly line adds.
std::string WorldText();
