#pragma once
// A whole save file read into plain records, checked before anything in the running game is
// touched: every tag in its place, every number a number, and every save-load identifier that
// one section gives another found among the saved people and songs.
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "SIM_CareerHistory.h"
#include "SIM_RecordCompany.h"
#include "SIM_SaveGame.h"
#include "SIM_TagReader.h"

struct SIM_SavedEffect {
    std::string debugname;
    float degrade = 0.0f;
    float value = 0.0f;
};

struct SIM_SavedAttribute {
    std::string name, guiname, description;
    float basevalue = 0.0f;
    int alwaysshow = 0, highisgood = 0, criteria = 0;
    float warnlimit = 0.0f;
    std::vector<SIM_SavedEffect> effects;
};

struct SIM_SavedMusician {
    int slid = 0;
    std::string forename, surname, fullname;
    std::string portraits[4];
    int gender = 0, instrument = 0;
    float ability = 0, maxability = 0, resentment = 0, chemistry = 0, boredom = 0, innocence = 0, cynicism = 0;
    int daysinband = 0, intentiontoquit = 0;
    std::vector<SIM_SavedEffect> moods[4];  // motivation, stress, the third attribute, live experience
    std::string songElement;
    int active = 0;
    std::vector<std::string> personalities, possessions;
    // How strongly he feels slights; files from before it was saved have none.
    std::optional<float> ego;
};

struct SIM_SavedSong {
    int slid = 0;
    std::string name, description;
    float boredom = 0, quality = 0, initialInspiration = 0;
    int classic = 0, cover = 0, albumSlid = -1;
    struct Suitability {
        std::string name;
        float suitability = 0;
        int left = 0, right = 0;
    };
    std::vector<Suitability> suitabilities;
    std::string elements[7];
};

struct SIM_SavedAlbum {
    int slid = 0, mode = 0;
    std::string title;
    int weeksSinceRelease = 0;
    float songQuality = 0, productionQuality = 0, productionCost = 0;
    int daysInStudio = 0;
    std::string coverTexture;
    float royaltiesEarned = 0, totalEarned = 0;
    int copiesSold = 0;
    std::vector<int> tracks;  // song slids
};

// The band values a save holds, in the order they are written.
inline constexpr const char* kSavedBandValues[] = {"band_rehearsal",       "band_musicianship", "band_chemistry",
                                                   "band_live_experience", "band_hype",         "band_motivation"};

struct SIM_SaveData {
    std::string version;
    SIM_SaveSummary summary;  // the "load_data" block the load menu shows
    std::string bandName;
    int playerSlid = 0;
    std::string playerForename, playerAvatar;
    std::vector<SIM_SavedAttribute> playerAttributes;
    struct Skill {
        std::string name, guiname;
        float value = 0;
    };
    std::vector<Skill> skills;
    int calendar[11] = {};  // day, weekday, month, year, year end (3), game end (3), ten years up
    struct Asset {
        std::string name;
        int owned = 0, assigned = 0;
    };
    std::vector<Asset> assets;
    std::vector<std::pair<std::string, int>> musicAssets;  // name, times listened
    std::vector<SIM_SavedMusician> musicians;
    std::string bandSponsoredName;
    int yearCount = 0;
    std::vector<int> members;
    std::vector<SIM_SavedEffect> bandValues[std::size(kSavedBandValues)];
    std::vector<std::string> communalAssets;
    std::vector<std::pair<std::string, int>> unlockedElements;  // name, bringer's slid
    std::vector<SIM_SavedSong> songs, retiredSongs;
    std::vector<SIM_SavedAlbum> albums;
    int careerStage = 0;
    std::string studio;  // a studio's name or "null"
    struct Booking {
        int type = 0;
        std::string venue, charity;
        int day = 0, month = 0, year = 0;
    };
    std::vector<Booking> bookings;
    struct RivalGig {
        std::string band;
        int day = 0, month = 0, year = 0;
    };
    std::vector<RivalGig> rivalGigs;
    std::string practiceBpm;
    int practiceInstrument = 0;
    std::string melodyIds[5];
    struct Relationship {
        int p1 = 0, p2 = 0;
        float value = 0;
    };
    std::vector<Relationship> relationships;
    std::vector<std::string> endorsements;
    struct Readiness {
        int owner = 0;
        std::vector<std::pair<int, float>> songs;
    };
    std::vector<Readiness> rehearsals;
    std::vector<std::pair<std::string, float>> venueBoredom;
    int balanceStatus = 0;
    std::vector<float> balance;
    int daysSinceLastEvent = 0;
    int eventFlags[3] = {};
    float financesCash = 0;
    std::vector<SIM_SavedEffect> fameEffects;
    struct Global {
        std::string name, guiname;
        float value = 0;
    };
    std::vector<Global> globals;
    std::string statisticsInts, statisticsFloats;
    float elapsed = 0;
    int maxActs = 0, acts = 0, turncount = 0, topSlid = 0;
    std::string skin;
    // Files from before the company was saved have none.
    std::optional<SIM_RecordCompanyState> recordCompany;
    // The weekly figures of the charts. Files from before they were saved have none, and a
    // damaged section is dropped (why is in historyDropped) rather than costing the career.
    std::optional<SIM_CareerHistory> history;
    std::string historyDropped;
};

// Reads and checks the whole file; throws SIM_SaveFileError naming the file and the tag.
// Names the file gives the game's catalogues (rival bands, endorsements, charities, studios)
// must be known to the catalogues loaded now.
SIM_SaveData ReadSaveData(SIM_TagReader& reader);
// The save at path, or none with the reason in *error.
std::optional<SIM_SaveData> ReadSaveFile(const std::string& path, std::string* error = nullptr);

// "1,2,3," or "1,2,3" as numbers; none when a piece is not a whole number.
std::optional<std::vector<int>> ParseIntList(const std::string& text);
// The same for decimal numbers ("1.50,-2.00,").
std::optional<std::vector<float>> ParseFloatList(const std::string& text);
