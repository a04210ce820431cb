#pragma once
// The simulation root: the act and day counters and the day cycle that moves the world on.
#include "SIM_WorldSeams.h"

#include <string>

class SIM_SIM {
public:
    // Ends the day once the day's acts are used up.
    void UseAct();
    // The day cycle, in its fixed order. On the day the game ends it stops once the date has
    // moved on, while the end-of-game screen shows.
    void NewDay();
    // The rest of a day the end of the game held: the world's daily steps, the new day's
    // options and its stage. The end screen's continue runs it, so the player goes on from a
    // day like any other; the headless tools skip that day instead, as they always have.
    void FinishNewDay();
    // Empties and rebuilds the world for a new game, reporting loading progress.
    void ResetForNewGame();

    bool loaded = false;
    bool gameOver = false;
    bool dayProcessed = false;
    int turncount = 0;
    int maxActs = 1;
    int acts = 0;
    SIM_EventGate eventGate;
    // The desktop skin the player chose; saved with the game, kept by a new game.
    std::string skin = "default";
};

SIM_SIM& GetSIM();
void ResetSIM();

// Every simulation singleton and seam back to its first-use state (tests and tools). The
// parts that fill the world seams register again afterwards; the installed screens stay.
void ResetAllSimulation();
// Every simulation part takes its place in the day cycle, the new-game set-up and the others'
// seams. Songs come before assets: albums name song elements.
void RegisterSimulationParts();
