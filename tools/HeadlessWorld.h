#pragma once
// The headless player's answers to the world around the band: sponsors, charity gigs and
// rival bands' gigs.
#include <string>

// A new run: nothing taken up yet.
void ResetHeadlessWorld();
// Answers a sponsor's offer, watches today's rival gigs it can afford and takes up a charity
// gig it can play; true when that used the day's act.
bool TakeUpHeadlessWorld();
// What the yearly line adds.
std::string WorldText();
