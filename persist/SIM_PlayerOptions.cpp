#include "SIM_PlayerOptions.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"

namespace {
SIM_PlayerOptions gOptions;

constexpr std::size_t kIdentifierLength = 9;
// Anything shorter cannot have come from this game and is made anew.
constexpr std::size_t kShortestKeptIdentifier = 7;

bool Toggle(const LibConfigSection& section, const std::string& key) {
    const std::string& value = section.Find(key);
    return !value.empty() && ParseLeadingInt(value) != 0;
}

std::string Line(const char* key, float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s = %.2f\n", key, static_cast<double>(value));
    return buffer;
}
}  // namespace

SIM_PlayerOptions& PlayerOptions() { return gOptions; }
void ResetPlayerOptions() { gOptions = SIM_PlayerOptions(); }

std::string MakePlayerIdentifier() {
    // A generator of its own: drawing from the game's would move its sequence, and seeding it
    // here would undo the game's start-up seed.
    std::mt19937 digits(EntropySeed());
    std::string id;
    for (std::size_t i = 0; i < kIdentifierLength; ++i) id += static_cast<char>('0' + digits() % 9);
    return id;
}

void LoadPlayerOptions(const std::string& userFolder) {
    SIM_PlayerOptions& o = gOptions;
    o = SIM_PlayerOptions();
    o.path = userFolder + "/player_options.txt";
    std::error_code ec;
    if (!std::filesystem::exists(o.path, ec)) {
        o.id = MakePlayerIdentifier();
        SavePlayerOptions();
        return;
    }
    LibConfigSection config;
    config.Load("config", o.path);
    o.masterVolume = config.GetFloat("MASTERVOLUME", 0.5f);
    o.musicVolume = config.GetFloat("MUSICVOLUME", 0.5f);
    o.difficulty = config.GetFloat("DIFFICULTY", 0.5f);
    o.mouseSpeed = config.GetFloat("MOUSESPEED", 0.5f);
    LibConfigSection toggles;
    toggles.Load("toggles", o.path);
    o.musicOn = Toggle(toggles, "ENABLEMUSIC");
    o.autosaveOn = Toggle(toggles, "ENABLEAUTOSAVE");
    LibConfigSection id;
    id.Load("ID", o.path);
    o.id = id.Find("id");
    if (o.id.size() < kShortestKeptIdentifier) o.id = MakePlayerIdentifier();
}

bool SavePlayerOptions() {
    const SIM_PlayerOptions& o = gOptions;
    std::string text = "[config]\n";
    text += Line("MASTERVOLUME", o.masterVolume);
    text += Line("MUSICVOLUME", o.musicVolume);
    text += Line("DIFFICULTY", o.difficulty);
    text += Line("MOUSESPEED", o.mouseSpeed);
    text += "\n[toggles]\n";
    text += std::string("ENABLEMUSIC = ") + (o.musicOn ? "1" : "0") + "\n";
    text += std::string("ENABLEAUTOSAVE = ") + (o.autosaveOn ? "1" : "0") + "\n";
    text += "\n[ID]\nid = " + o.id + "\n";
    // Through a temporary file, so a failed write keeps the old options.
    if (!WriteFileReplacing(o.path, text)) {
        REPORT_ERROR("Failed to save variables");
        return false;
    }
    return true;
}
