#pragma once
// Names and faces for the people the game invents: forename and surname catalogues, lists of
// band, album and song names, and the portrait database.
#include <string>
#include <vector>

class SIM_Names {
public:
    // Empties and reloads the three catalogues; a missing or empty one is fatal.
    void LoadNames(const std::string& folder = "data/simulation");
    // gender 0 draws a male forename, anything else a female one; empty when there is none.
    std::string RandomForename(int gender) const;
    std::string RandomSurname() const;

    std::vector<std::string> surnames;
    std::vector<std::string> maleForenames;
    std::vector<std::string> femaleForenames;
};

SIM_Names& GetNames();

enum SIM_NameList : int { NAMES_BAND = 0, NAMES_ALBUM = 1, NAMES_SONG = 2 };

class SIM_NamesList {
public:
    // Loads the three lists when they are not loaded (and the asked one when it is empty),
    // then draws one of its names; empty when the list has none.
    std::string RandomName(int list);
    // Removes every entry equal to name.
    void RemoveName(int list, const std::string& name);
    void Load();
    // Reads one list again from its file.
    void LoadList(int list);

    std::string folder = "data/simulation";
    std::vector<std::string> lists[3];
    bool loaded = false;
};

SIM_NamesList& GetNamesList();
std::string RandomName(int list);

// A portrait is a base name: base + "_neutral.jpg" and the other mood suffixes name the files.
class SIM_PortraitDatabase {
public:
    // Rescans the built-in folders and the user's mod folders (male built-in, female
    // built-in, male mods, female mods).
    void LoadPortraits();
    // gender 1 draws from the female portraits, anything else from the male ones. A fresh
    // portrait is handed out while there is one; after that they repeat.
    std::string RandomPortrait(int gender);
    // Takes the portrait out of both fresh lists.
    void MarkPortraitUsed(const std::string& portrait);
    void Clear();

    std::string builtInFolder = "data/bitmaps";
    std::string userFolder;  // the per-user data folder; empty when there is none
    std::vector<std::string> male, female, freshMale, freshFemale;

private:
    void Scan(const std::string& root, const std::string& folder, std::vector<std::string>& all,
              std::vector<std::string>& fresh);
};

SIM_PortraitDatabase& GetPortraitDatabase();
// The portrait base of a file name, or empty when the file is not a portrait's face.
std::string PortraitBaseOf(const std::string& fileName);
void ResetNames();
