#pragma once
// Where the people reach parts that are built separately: the asset catalogue, the song
// elements and songs, the rehearsal records, the gig bookings and the new-game screen. Each
// of those parts fills its own entries; an empty entry answers as for a world without it
// (nothing owned, no songs, never rehearsed, no gigs booked).
#include <functional>
#include <string>
#include <vector>

class SIM_Asset;
class SIM_SongElement;
class SIM_Musician;
class SIM_OptionSubject;

// What the people need to know about one asset.
struct SIM_AssetFacts {
    std::string type;      // "instrument" for instruments
    std::string kind;      // what sort of thing it is ("guitar", "van"); names the demand remark
    bool forWholeBand = false;  // instrument category "BAND": anyone can use it
    int instrument = -1;   // the instrument it serves otherwise
    float value = 0.0f;
    float quality = 0.0f;
    bool owned = false;
    bool available = false;  // on sale in the shop
};

struct SIM_PeopleSeams {
    // Assets.
    std::function<std::vector<SIM_Asset*>()> storeAssets;  // every asset the store knows, in order
    std::function<SIM_AssetFacts(const SIM_Asset*)> describeAsset;
    std::function<SIM_Asset*(const std::string& name)> findAsset;
    std::function<void(SIM_Asset*, SIM_Musician* owner)> setAssetOwner;  // null owner: back to the store

    // Song elements and songs.
    std::function<SIM_SongElement*(const std::string& name)> findSongElement;
    std::function<void(SIM_SongElement*, SIM_Musician* member)> songElementJoins;
    std::function<void(SIM_SongElement*, SIM_Musician* member)> songElementLeaves;
    // The song the band is most bored of: its name and boredom; false when there is none.
    std::function<bool(std::string& name, float& boredom)> mostBoredSong;
    std::function<std::string()> randomSongTitle;

    // Rehearsal records.
    std::function<float(const SIM_Musician&)> rehearsalLevel;
    std::function<void(SIM_Musician&, float amount)> raiseReadiness;
    std::function<void(SIM_Musician&)> decayReadiness;
    // How well the rehearsal's venue suits the band for this member (negative: too poor).
    std::function<float(const SIM_OptionSubject* rehearsal, const SIM_Musician&)> venueMotivation;

    // Gig bookings.
    std::function<int()> bookedGigCount;
    std::function<bool()> gigToday;
};

SIM_PeopleSeams& PeopleSeams();
void ResetPeopleSeams();

// What the new-game screen hands to the simulation.
struct SIM_NewGameSettings {
    std::string playerName = "You";
    std::string bandName;
    std::string avatar = "mavatar1.jpg";  // a staged avatar; its first letter gives the player's gender
};

SIM_NewGameSettings& NewGameSettings();
