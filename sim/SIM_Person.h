#pragma once
// People: the band members the player hires and the player's own character.
#include "SIM_Attribute.h"
#include "SIM_NamedValue.h"
#include "SIM_SLIDBase.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Asset;
class SIM_Commenter;
class SIM_Effect;
class SIM_Personality;
class SIM_Relationship;
class SIM_SongElement;

enum SIM_InstrumentNumber : int {
    INSTRUMENT_KEYBOARD = 0,
    INSTRUMENT_DRUMS = 1,
    INSTRUMENT_BASS = 2,
    INSTRUMENT_GUITAR = 3,
    INSTRUMENT_SAXOPHONE = 4,
    INSTRUMENT_VOCALS = 5,
};
constexpr int kInstrumentCount = 6;

// The translated name of an instrument; values outside the table read as guitar.
std::string InstrumentName(int instrument);
// The player's skill for that instrument ("music_guitar"), empty outside the table.
std::string InstrumentSkill(int instrument);

// What every person has: a name, a gender and a face. Save files refer to people by SLID.
class SIM_Person : public SIM_SLIDBase {
public:
    ~SIM_Person() override = default;
    // Stores the gender and draws a portrait of that gender.
    virtual void SetGender(int gender_);
    virtual std::string GetPortrait() const { return portraitBase; }

    std::string forename;
    std::string surname;
    std::string fullname;
    std::string portraitBase;
    int gender = 0;  // 0 male, 1 female
};

// The element that shows a member's face; told when his mood changes.
class SIM_PortraitListener {
public:
    virtual ~SIM_PortraitListener() = default;
    virtual void ReloadPortrait() = 0;
};

class SIM_Musician : public SIM_Person {
public:
    static constexpr int kMoodCount = 4;

    SIM_Musician();
    ~SIM_Musician() override;

    std::string GetPortrait() const override;
    // Stores gender and base and builds the four mood portraits from the base.
    virtual void SetPortraits(int gender_, const std::string& base);

    void SetAbility(float ability_, float maxability_);
    void AddPersonality(SIM_Personality* personality);
    bool HasTrait(const std::string& name) const;
    // Both return the amount after the trait adjustments.
    float AddStress(const std::string& reason, float amount, float degrade);
    float AddMotivation(const std::string& reason, float amount, float degrade);
    void ReduceBoredom(float amount);
    void RemoveStressEffects(const std::string& reason);
    void GivePossession(SIM_Asset* asset);
    void ReleasePossessions();
    void PracticeProgress(float hours);
    // His best instrument by quality, or null.
    SIM_Asset* BestInstrument() const;
    bool HasSpareInstrument() const;
    SIM_Relationship* LowestRelationship() const;
    SIM_Relationship* HighestRelationship() const;
    // Sum of the clamped extreme relationships, halved.
    float RelationshipHappiness() const;

    void Recalculate();
    void DailyUpdate();
    void UpdateHappiness();
    void UpdateResentment();
    void UpdatePossessionValue();
    void PickWantedAsset();
    void ConsiderResignation();
    void Resign();
    void Fire();

    float Stress() const { return stress.value; }
    float Motivation() const { return motivation.value; }
    float LiveExperience() const { return liveExperience.value; }
    // 0 below 0.2, 1 below 0.4, 2 below 0.65, 3 from there up.
    static int MoodFor(float happiness);

    std::vector<SIM_Personality*> personalities;
    std::vector<SIM_Asset*> possessions;
    std::vector<SIM_Effect*> inspirations;
    std::vector<SIM_Relationship*> relationships;
    float possessionValue = 0.0f;
    int instrument = INSTRUMENT_VOCALS;
    float ability = 0.0f;
    float maxability = 0.0f;
    float ego = 1.0f;
    float resentment = 0.0f;
    float happiness = 0.0f;
    float expectedPossessionValue = 0.0f;
    float chemistry = 0.0f;
    SIM_Attribute motivation;
    SIM_Attribute stress;
    SIM_Attribute thirdAttribute;  // recalculated and saved; nothing reads it
    SIM_Attribute liveExperience;
    float boredom = 0.0f;
    SIM_SongElement* songElement = nullptr;
    bool active = true;
    std::unique_ptr<SIM_Commenter> commenter;
    SIM_Asset* wantedAsset = nullptr;
    SIM_PortraitListener* portraitListener = nullptr;
    std::string moodPortraits[kMoodCount];
    int mood = 2;
    int daysinband = 0;
    float innocence = 0.0f;
    float cynicism = 0.0f;
    int intentiontoquit = 0;
};

// Every musician alive, in creation order (band members, former members and candidates).
const std::vector<SIM_Musician*>& AllMusicians();
// Creates a musician owned by the list of all musicians.
SIM_Musician& CreateMusician();
// Destroys one musician the list owns (an unhired candidate).
void DestroyMusician(SIM_Musician* musician);
void DestroyAllMusicians();

class SIM_Milo : public SIM_Person {
public:
    SIM_Milo();

    // Sets the player up for a new game; the avatar's first letter gives the gender.
    void SetupFromAvatar(const std::string& avatar, const std::string& file = "data/simulation/attributes.csv");
    float GetValue(const std::string& name) const;
    float GetMusicSkill() const;
    void AddAttributeEffect(const std::string& name, const std::string& reason, float amount, float degrade);
    void Practice(float hours);
    // Adds a lasting effect to "inspiration" that a member keeps a handle on; null when the
    // player has no such attribute.
    SIM_Effect* AddInspiration(float value, float degrade, const std::string& reason);
    // Takes such an effect away again (no harm if it has already faded).
    void RemoveInspiration(const SIM_Effect* effect);
    void RecalculateAttributes();

    SIM_NamedValueList attributes{"attributes"};
    SIM_NamedValueList skills{"skills"};
    int instrument = INSTRUMENT_VOCALS;
};

// The gender an avatar's file name gives (its first letter, "m" or "f"): 0, 1, or -1 for neither.
int AvatarGender(const std::string& avatar);

SIM_Milo& GetMilo();
void ResetMilo();
