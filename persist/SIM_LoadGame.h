#pragma once
// Puts a checked save back into the running game: first the sections that stand alone (the
// calendar, the career stage, the world around the band, money and counters, the studio, the
// record company, endorsements, rival gigs and practice), then songs, people and what they hold.
#include "SIM_SaveData.h"

#include <string>

// Call on a game just started with ResetForNewGame and on data ReadSaveData accepted.
// Values the catalogues no longer hold (a global, a venue) are skipped.
void RestoreStandaloneSections(const SIM_SaveData& data);

// Starts a new game and restores every section of data into it, in order.
void RestoreSavedGame(const SIM_SaveData& data);

// The check of a save's names needs the catalogues a new game loads (song elements, assets,
// rival bands, endorsements, studios) besides those of the game's start-up. Each that holds
// nothing yet is loaded from the shipped data, as when a session goes straight to Load; one
// that holds anything belongs to the game in play and is left exactly as it is.
void LoadCataloguesForSaveCheck();

// Loads a save: a name of the save-game folder ("career") or a path to a file ("dir/a.xml").
// The whole file is read and checked first (against the catalogues LoadCataloguesForSaveCheck
// makes sure of); when anything is wrong the reason (file and tag) is in *error, the game in
// play is left exactly as it was and the result is false.
bool LoadGame(const std::string& nameOrPath, std::string* error = nullptr);
