#pragma once
// Connects the people (band, members, player, relationships, auditions) to the day cycle and
// the new-game set-up through the world seams.
#include <string>

// Fills the world seams the people own. Call after the seams are emptied.
void RegisterPeople();
// The start-up loads the people need: the name catalogues and the personalities.
void LoadPeopleData(const std::string& folder = "data/simulation");
// Every people singleton and list back to its first-use state (tests and tools).
void ResetPeople();
