#pragma once
// Puts a checked save back into the running game. The sections restored so far are the ones
// that stand alone: the calendar, the career stage, the world around the band, money and counters, the studio,
// the record company, endorsements, rival gigs and practice. People, songs, albums and
// everything that points at them come later.
#include "SIM_SaveData.h"

// Call on a game just started with ResetForNewGame and on data ReadSaveData accepted.
// Values the catalogues no longer hold (a global, a venue) are skipped.
void RestoreStandaloneSections(const SIM_SaveData& data);
