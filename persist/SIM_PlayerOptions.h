#pragma once
// The player's own settings, kept in "player_options.txt" in the user folder: volumes, mouse
// speed, music and autosave switches, and an identifier made once on the first start.
#include <string>

struct SIM_PlayerOptions {
    float masterVolume = 1.0f;
    float musicVolume = 1.0f;
    float difficulty = 0.5f;
    float mouseSpeed = 0.5f;
    bool musicOn = true;
    bool autosaveOn = true;
    std::string id;
    // The file the options were read from and are written to.
    std::string path;

    // The pointer speed factor the input manager applies.
    float PointerSpeedFactor() const { return mouseSpeed * 2.5f + 0.6f; }
};

SIM_PlayerOptions& PlayerOptions();
// Back to the first-start values with no file (tests).
void ResetPlayerOptions();

// Reads the options from "<userFolder>/player_options.txt"; with no file the defaults are set
// and written. The game's random generator is left as it was.
void LoadPlayerOptions(const std::string& userFolder);
// Writes the options; a failure is reported ("Failed to save variables") and changes nothing.
bool SavePlayerOptions();

// Nine digits, each 0 to 8, from the system's entropy (not the game's random generator).
std::string MakePlayerIdentifier();
