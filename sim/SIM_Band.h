#pragma once
// The one band: its members in joining order, the band values derived from them, its communal
// assets and its name. Activities change the band through band values by name; the band turns
// that into effects on every member.
#include "SIM_NamedValue.h"

#include <string>
#include <vector>

class SIM_Asset;
class SIM_Attribute;
class SIM_Musician;

class SIM_Band {
public:
    SIM_Band();

    // Reloads the band values from the catalogue; the name comes from the new-game settings.
    void LoadBandData(const std::string& file = "data/simulation/band.csv");
    void AddMember(SIM_Musician* musician);
    void RemoveMember(SIM_Musician* musician);
    bool IsMember(const SIM_Musician* musician) const;
    float GetBandValue(const std::string& name) const;
    // Unknown names are fatal: callers use only the band's own keys.
    void ModifyBandValue(const std::string& name, float amount, float degrade, const std::string& reason);
    // The band values ModifyBandValue accepts (any other name ends the game).
    static bool IsModifiableBandValue(const std::string& name);
    void RecalculateBandValues();
    void RecalculateMembers();
    void UpdateBandStress();
    // Every member's day, at most one resignation.
    void DailyUpdate();
    void Practice(float hours);
    int CountMembersWithTrait(const std::string& name) const;
    SIM_Musician* FindMemberByInstrument(int instrument) const;
    bool HasFullLineup() const;
    SIM_Musician* BestMember() const;
    SIM_Musician* RandomMember() const;
    float BandCharisma() const;
    void PickWantedAssets();
    void RemoveEffectsNamed(const std::string& reason);
    // Members' mean happiness; 0 with nobody in the band.
    float MeanHappiness() const;

    std::vector<SIM_Musician*> members;
    SIM_NamedValueList bandValues{"band"};
    std::vector<SIM_Asset*> communalAssets;
    std::string Name;
    std::string SponsoredName;
    int YearCount = 0;
    // Set by a resignation during the daily pass, so nobody else resigns that day.
    bool resignedToday = false;
    // Resignations since the game started.
    int resignations = 0;

private:
    // Writes a derived value into its catalogue row; a missing row is reported once per name.
    void SetDerived(const std::string& name, float value);
    std::vector<std::string> reportedMissing_;
};

SIM_Band& GetBand();
// The band when it has been created, else null (clearing must not create it).
SIM_Band* BandIfAny();
void ResetBand();
