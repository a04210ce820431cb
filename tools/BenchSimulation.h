#pragma once
// The simulation timings of `gigvale-tool bench`: a gig played again and again, and a whole
// career of the headless player.

// Hires members through auditions until the band has five (the player makes six).
void HireFiveMemberBand();
// Plays the same gig at the first venue `gigs` times, a day apart, and prints the median time
// of one gig (the days between are not timed).
void BenchPlayGig(int gigs);
// A new game played headless for `days` days; prints the seconds it took.
void BenchCareer(int days);
