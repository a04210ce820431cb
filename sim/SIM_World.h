#pragma once
// Connects the world around the band (random events, endorsements, charity gigs and rival
// bands) to the day cycle and the new-game set-up.

// Fills the world seams these parts own. Call after the songs: rival bands name song elements.
void RegisterWorld();
// Every list and counter of the world around the band back to its first-use state.
void ResetWorld();
