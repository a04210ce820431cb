#pragma once
// Auditions: the records candidates are made from, and the picker the audition screens draw.
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

class SIM_Auditionee {
public:
    virtual ~SIM_Auditionee() = default;

    std::vector<std::string> traitNames;
    std::string instrumentKey;  // the starting instrument's asset name
    std::string forename;
    std::string surname;
    std::string portrait;
    int instrument = 5;
    float ability = 0.0f;
    float potential = 0.0f;
    int gender = 0;
    std::string songElementKey;
};

// Every auditionee record still on offer, in file order.
const std::vector<std::unique_ptr<SIM_Auditionee>>& AllAuditionees();
// Replaces the records with the rows of the file.
void LoadAuditionees(const std::string& file = "data/simulation/auditionees.csv");
void DestroyAllAuditionees();
// A complete musician made from a random record of that instrument; the record is used up.
SIM_Musician* MakeCandidate(int instrument);

// One audition: the fee, three candidates, their ability bars, the chemistry advice and the
// player's verdicts. Candidates who are not hired are destroyed when the picker closes.
class SIM_AuditionPicker {
public:
    static constexpr int kCandidates = 3;

    struct Card {
        SIM_Musician* musician = nullptr;
        bool rejected = false;
        float abilityBar = 0.0f;  // ability relative to the best of the three
    };
    struct Advice {
        SIM_Musician* candidate = nullptr;
        float difference = 0.0f;  // chemistry difference to a member
        float strength = 0.0f;
    };

    static float Fee();
    // A fee equal to the cash is affordable.
    static bool CanAfford();
    // Pays the fee and makes three candidates; false (nothing happens, nothing is paid) when
    // the fee cannot be paid or nobody could be made for that instrument.
    bool Open(int instrument);
    bool IsOpen() const { return open_; }
    // Marks a card rejected; when all three are rejected the picker closes. True when closed.
    bool Reject(int card);
    // Hires the candidate of the card and closes the picker; null when the card cannot be hired.
    SIM_Musician* Hire(int card);
    // Destroys every candidate who was not hired.
    void Close();
    // True for a candidate of an open audition who has not joined the band.
    bool IsWaiting(const SIM_Musician* musician) const;
    // The advice texts, in double quotes, strongest first.
    std::vector<std::string> AdviceLines() const;
    // Finds the two strongest clashes or matches between members and candidates.
    void BuildAdvice();

    std::vector<Card> cards;
    std::vector<Advice> advice;  // at most two

private:
    bool open_ = false;
};

// The picker the audition screens show (one at a time).
SIM_AuditionPicker& GetAuditionPicker();
void ResetAuditions();
// A candidate waiting in the open picker: not part of the game a save keeps (he is destroyed
// unless hired, and the picker itself is not saved).
bool IsWaitingCandidate(const SIM_Musician* musician);
