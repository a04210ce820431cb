#pragma once
// The simulation timings of `gigvale-tool bench`: a band for the day cycle, and a whole career
// of the headless player with the gigs it plays timed on the way.

// Hires members through auditions until the band has five (the player makes six).
void HireFiveMemberBand();
// A new game played headless for `days` days: prints the median time of the gigs played (and
// how many were called off), then the seconds the whole career took.
void BenchCareer(int days);
// Times the save and the full load of the game in play and prints them with the file's size.
void BenchCareerSave();
