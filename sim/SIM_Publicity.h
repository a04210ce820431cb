#pragma once
// Publicity: the catalogue of publicity event types, the events the day offers, what taking
// one up does to the band, and what its results screen shows.
#include "SIM_DailyOptions.h"
#include "SIM_ModifierContainer.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

enum SIM_PublicityKind : int {
    PUBLICITY_ORDINARY = 0,
    PUBLICITY_SIGNED = 1,  // only with a record deal
    PUBLICITY_BOOKED = 2,  // every day a gig is booked
    PUBLICITY_FLYERS = 3,  // needs a booked gig; certain late in the week
};

struct SIM_PublicityFactor {
    std::string name;  // "random", "milo_<attribute>" or a personality trait
    float min = 0.0f;
    float max = 0.0f;
};

class SIM_PublicityEventType : public SIM_ModifierContainer {
public:
    // Reads one data row: fixed cells, the factor cells up to a cell that is exactly "#",
    // then modifiers. A row without that "#" has only factors.
    void LoadFromRow(const std::string& row);

    std::string optionTitle;
    std::string optionText;
    std::string optionPicture;
    std::string name;  // also the container's label, so its effects name it as their source
    std::string resultsText;  // at most 1023 characters
    std::string sound;
    float minimumFame = 0.0f;
    float hypeAmount = 0.0f;   // hype of a perfect score at full reach
    float hypeDegrade = 0.0f;
    float reachNumerator = 0.0f;
    float chanceAtNoFame = 0.0f;
    float chanceAtFullFame = 0.0f;  // at fame 10000 and above
    std::vector<SIM_PublicityFactor> factors;
    int kind = PUBLICITY_ORDINARY;
};

struct SIM_PublicityMemberResult {
    SIM_Musician* musician = nullptr;  // not owned
    float score = 0.0f;                // 0..1
    std::vector<std::string> matchedTraits;
    bool tooStressed = false;
};

// One offer of one type on one day; its numbers are filled when it is performed.
class SIM_PublicityEvent : public SIM_OptionSubject {
public:
    explicit SIM_PublicityEvent(const SIM_PublicityEventType& type_) : type(&type_) {}

    std::vector<SIM_PublicityMemberResult> memberResults;
    float reach = 0.0f;
    const SIM_PublicityEventType* type;  // not owned
    float success = 0.0f;
    float hype = 0.0f;
    bool performed = false;
};

// Replaces the type catalogue (file order); a missing file leaves it empty. Today's events go
// with the old types, so no daily option may still point at one (the day cycle clears them first).
void LoadPublicityTypes(const std::string& path = "data/simulation/publicity.csv");
const std::vector<std::unique_ptr<SIM_PublicityEventType>>& PublicityTypes();
const std::vector<std::unique_ptr<SIM_PublicityEvent>>& TodaysPublicityEvents();
// Today's events go (the options that pointed at them went with the day).
void ClearPublicityEvents();

// Daily: yesterday's events go, and each type that comes up today is offered as an option.
// The catalogue is loaded the first time it is found empty.
void OfferPublicityEvents();
// Whether the type is offered today: fame, deal and bookings, the weekday, then its chance.
bool IsOffered(const SIM_PublicityEventType& type);
// A member's share of the score (0..1), recorded on the event.
float MemberContribution(SIM_PublicityEvent& event, SIM_Musician& musician);
// The player's share of the score; not clamped.
float PlayerContribution(const SIM_PublicityEventType& type);
// Scores the event, gives the band its hype and the type's modifiers, takes the edge off
// boredom and moves relationships. An event is performed once; a second call does nothing.
void PerformPublicity(SIM_PublicityEvent& event);
// The share of the audience the type reaches at this fame (0..1).
float PublicityReach(const SIM_PublicityEventType& type, float fame);

// What the publicity results screen shows, and its continue button.
class SIM_PublicityResults {
public:
    enum Backdrop { kPlain, kPrintInterview, kRadioInterview, kWebInterview, kPicture };
    struct Card {
        const SIM_Musician* musician = nullptr;
        std::string portrait;
        std::string scoreText;     // "Contribution +40"
        std::string stressedText;  // empty unless he was too stressed
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    };
    static constexpr float kCardWidth = 160.0f;
    static constexpr float kCardTop = 250.0f;
    static constexpr float kCardBottom = 410.0f;

    explicit SIM_PublicityResults(const SIM_PublicityEvent& event, float screenWidth = 1024.0f);
    // The continue button: the day's act is used. Only the first call counts.
    void Close();
    bool closed = false;

    std::string heading;
    std::string body;
    std::string continueLabel;
    std::string continueTooltip;
    std::string effectLine;
    std::string reachLine;
    std::vector<std::string> modifierLines;  // motivation and stress modifiers only
    std::vector<Card> cards;
    Backdrop backdrop = kPlain;
    std::string backdropPicture;  // empty for a plain backdrop
    std::string sound;            // played while the screen is open; empty for none
    bool pausesMusic = false;     // a radio interview holds the music while it is open
};

// Fills the publicity seams of the day cycle and the daily options.
void RegisterPublicity();
void ResetPublicity();
