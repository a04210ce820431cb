#pragma once
// Puts the saved repertoire back: current and retired songs, the unlocked song elements and
// the albums with their tracks. Songs keep the numbers they were saved with.
#include "SIM_SaveData.h"

// Call on a fresh game and on data ReadSaveData accepted. The songs of the fresh game are
// replaced, albums included; the top number is set back from the file afterwards, since every new song draws one.
void RestoreSongSections(const SIM_SaveData& data);
// Points each unlocked element at the musician who brought it. Call once the saved musicians
// live again: before then a saved number may belong to someone of the fresh game. An element
// whose bringer is not found stays unlocked with no bringer.
void LinkSongElementBringers(const SIM_SaveData& data);
