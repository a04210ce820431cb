#pragma once
// Every sound of the game: effects, the three music tracks, the instrument sample banks and the
// practice note sounds, each with its path below data/.
#include "SoundSynth.h"

#include <functional>
#include <string>
#include <vector>

struct SoundRule {
    std::string path;  // relative to the run folder's data/
    std::function<SoundBuffer()> make;
    double loudness;   // target RMS before the peak ceiling
};

std::vector<SoundRule> SoundRules();
// Makes the rules on `workers` threads; false when any file cannot be written.
bool MakeSounds(const std::vector<SoundRule>& rules, const std::string& dataDir, int workers);
