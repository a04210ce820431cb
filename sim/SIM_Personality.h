#pragma once
// Personality traits: shared read-only records that people point to. The code only ever asks
// whether someone has a trait of a given name, so the names in the data file are fixed words.
#include <string>
#include <vector>

class SIM_Personality {
public:
    SIM_Personality(std::string name_, std::string label_, std::string description_);
    virtual ~SIM_Personality();
    SIM_Personality(const SIM_Personality&) = delete;
    SIM_Personality& operator=(const SIM_Personality&) = delete;

    // The description for one person: "<NAME>" is the forename, "<HE_SHE>" "HE" or "SHE".
    std::string DescribeFor(const std::string& forename, int gender) const;

    std::string label;
    std::string name;
    std::string description;
};

// Every personality, in file order.
const std::vector<SIM_Personality*>& AllPersonalities();
// Replaces the list with the rows of the file.
void LoadPersonalities(const std::string& file = "data/simulation/personalities.csv");
void DestroyAllPersonalities();
// The first personality of exactly that name; null (and a log line) when there is none.
SIM_Personality* FindPersonality(const std::string& name);
