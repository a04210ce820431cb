#include "SIM_People.h"

#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Relationship.h"
#include "SIM_WorldSeams.h"

namespace {
SIM_PeopleSeams gPeopleSeams;
SIM_NewGameSettings gSettings;
}  // namespace

SIM_PeopleSeams& PeopleSeams() { return gPeopleSeams; }
void ResetPeopleSeams() { gPeopleSeams = SIM_PeopleSeams{}; }
SIM_NewGameSettings& NewGameSettings() { return gSettings; }

void RegisterPeople() {
    SIM_WorldSeams& w = WorldSeams();
    w.bandMemberCount = [] { return static_cast<int>(GetBand().members.size()); };
    w.businessmanCount = [] { return GetBand().CountMembersWithTrait("businessman"); };
    w.isLineupComplete = [] { return GetBand().HasFullLineup(); };
    w.applyBandModifier = [](const std::string& name, float amount, float degrade) {
        GetBand().ModifyBandValue(name, amount, degrade, "modifier");
    };
    w.recalculateBandValues = [] { GetBand().RecalculateBandValues(); };
    w.bandDailyUpdate = [] { GetBand().DailyUpdate(); };
    w.advanceBandYear = [] { ++GetBand().YearCount; };
    // The old line-up goes before the catalogue is read again.
    w.resetBand = [] {
        GetAuditionPicker().Close();
        DestroyAllMusicians();
        SIM_Band& band = GetBand();
        band.communalAssets.clear();
        band.resignedToday = false;
        band.resignations = 0;
        band.SponsoredName.clear();
        band.LoadBandData();
    };
    w.applyPlayerModifier = [](const std::string& name, const std::string& source, float degrade, float amount) {
        GetMilo().AddAttributeEffect(name, source, amount, degrade);
    };
    w.recalculatePlayer = [] { GetMilo().RecalculateAttributes(); };
    w.resetPlayer = [] { GetMilo().SetupFromAvatar(NewGameSettings().avatar); };
    w.resetPeopleAndMusic = [] {
        DestroyAllRelationships();
        DestroyAllMusicians();
        GetPortraitDatabase().LoadPortraits();
        GetAuditionPicker().Close();
        LoadAuditionees();
    };
    w.degradeAllRelationships = [] { DegradeAllRelationships(); };
}

void LoadPeopleData(const std::string& folder) {
    GetNames().LoadNames(folder);
    LoadPersonalities(folder + "/personalities.csv");
}

void ResetPeople() {
    ResetAuditions();
    DestroyAllMusicians();
    DestroyAllRelationships();
    ResetBand();
    ResetMilo();
    ResetNames();
    ResetPeopleSeams();
}
