#pragma once
// Puts the saved people back: the player, every musician with his moods, traits and
// possessions, the band with its members and values, relationships and rehearsal readiness;
// then what the people own or have booked: assets, booked gigs and the fame effects.
#include "SIM_SaveData.h"

// Call on a fresh game, after the songs are back (readiness points at them) and on data
// ReadSaveData accepted. People keep the numbers they were saved with.
void RestorePeopleSections(const SIM_SaveData& data);
// Owned and assigned assets, albums listened to, booked gigs with their charities, fame.
// Call once the calendar is back, so that the gigs' calendar entries are not purged as past.
void RestoreHoldings(const SIM_SaveData& data);
// The values a loaded game works out from what was saved (attributes, happiness, possession
// values, band values, fame) without moving anything the file holds.
void RecalculateLoadedGame(const SIM_SaveData& data);
