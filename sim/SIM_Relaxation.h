#pragma once
// Relaxation: the places the band can unwind, the daily offer, the chooser that spends the
// money and the day, and the results screen whose closing relieves the band's stress.
#include "SIM_ModifierContainer.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

// The container's label is never set, so its effects name "unset" as their source.
class SIM_RelaxVenue : public SIM_ModifierContainer {
public:
    // Reads one data row; every cell after the pictures is a modifier.
    void LoadFromRow(const std::string& row);

    std::string name;  // "donothing" stays at home
    std::string title;
    std::string resultPicture;
    std::string cardPicture;
    std::string description;
    float costPerMember = 0.0f;
};

// Replaces the catalogue (file order); a missing file leaves it empty.
void LoadRelaxVenues(const std::string& path = "data/simulation/relax.csv");
const std::vector<std::unique_ptr<SIM_RelaxVenue>>& RelaxVenues();
void ResetRelaxation();

// Daily: the one relaxation offer of the day (an option without a subject).
void OfferRelaxation();
// What the whole band pays at the venue: every member pays the same.
float RelaxCost(const SIM_RelaxVenue& venue);
// The band can go: it has the money, or the venue costs nothing.
bool CanAffordRelax(const SIM_RelaxVenue& venue);
// Pays (straight out of the cash), applies the venue's modifiers and uses the day's act.
void ChooseRelaxVenue(const SIM_RelaxVenue& venue);
// When the results screen closes: the band's stress eases.
void RelaxStressRelief();

// The relaxation chooser: one card per venue, in catalogue order. Its cancel button only
// closes it; the day is not used.
class SIM_RelaxChooser {
public:
    struct Card {
        const SIM_RelaxVenue* venue = nullptr;
        std::string title;
        std::string description;
        std::string picture;
        std::string costLine;  // "Cost : $200"
        std::string useLabel;
        std::string useTooltip;
        bool canUse = false;
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    };
    static constexpr float kFirstTop = 160.0f;
    static constexpr float kCardStep = 160.0f;
    static constexpr float kCardHeight = 148.0f;
    static constexpr float kSideGap = 150.0f;

    explicit SIM_RelaxChooser(float screenWidth = 1024.0f);
    // Cards as the band's cash and size stand now.
    void Build();
    // The card's use button: refused when it is disabled or a card was used already;
    // otherwise the band goes, the day ends and the results screen opens.
    bool Use(std::size_t card);
    bool used = false;

    std::string title;
    std::string cancelLabel;
    std::string cancelTooltip;
    std::vector<Card> cards;

private:
    float screenWidth_;
};

// What the relaxation results screen shows, and its continue button.
class SIM_RelaxResults {
public:
    struct Panel {
        const SIM_Musician* musician = nullptr;
        std::string motivationLabel;
        std::string stressLabel;
        float motivation = 0.0f;  // his happiness, 0..100
        float stress = 0.0f;      // 0..100
    };

    explicit SIM_RelaxResults(const SIM_RelaxVenue& venue);
    // The continue button: back to the desktop, and the band's stress eases. Only the first
    // call counts.
    void Close();
    bool closed = false;

    const SIM_RelaxVenue* venue;
    std::string picture;
    std::vector<std::string> effectLines;  // hype and stress modifiers only
    std::vector<Panel> panels;
    std::string continueLabel;
    std::string continueTooltip;
};
