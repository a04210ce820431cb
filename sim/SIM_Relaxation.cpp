#include "SIM_Relaxation.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"

#include <cmath>

namespace {
std::vector<std::unique_ptr<SIM_RelaxVenue>> gVenues;

constexpr std::size_t kModifierLength = 127;
// A band this well off stays at home in style.
constexpr float kLuxuryNetWorth = 2000.0f;
}  // namespace

void SIM_RelaxVenue::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // row marker
    name = cells.NextText();
    title = cells.NextText();
    description = cells.NextText();
    costPerMember = cells.NextFloat();
    resultPicture = cells.NextText();
    cardPicture = cells.NextText();
    while (!cells.AtEnd()) {
        std::string cell = cells.NextText();
        if (cell.size() > kModifierLength) cell.resize(kModifierLength);
        AddModifier(cell);
    }
}

void LoadRelaxVenues(const std::string& path) {
    gVenues.clear();
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        auto venue = std::make_unique<SIM_RelaxVenue>();
        venue->LoadFromRow(row);
        gVenues.push_back(std::move(venue));
    }
}

const std::vector<std::unique_ptr<SIM_RelaxVenue>>& RelaxVenues() { return gVenues; }
void ResetRelaxation() { gVenues.clear(); }

void OfferRelaxation() {
    GetDailyOptions().AddDailyOption(nullptr, OPTION_RELAXATION, Translate("RELAX_OPTION_TITLE"),
                                     Translate("RELAX_OPTION_TEXT"), "relax.jpg", true);
}

float RelaxCost(const SIM_RelaxVenue& venue) {
    return static_cast<float>(GetBand().members.size()) * venue.costPerMember;
}

bool CanAffordRelax(const SIM_RelaxVenue& venue) {
    const float cost = RelaxCost(venue);
    return cost <= 0.0f || GetFinances().cash >= cost;
}

void ChooseRelaxVenue(const SIM_RelaxVenue& venue) {
    GetFinances().cash -= RelaxCost(venue);
    venue.ApplyModifiers(1.0f);
    GetSIM().UseAct();
}

void RelaxStressRelief() {
    GetBand().ModifyBandValue("band_stress", GetTuningValue("RS_RELAX_STRESS"), GetTuningValue("RS_STRESS_DEGRADE"),
                              "relax");
}

// ---- The chooser ----

SIM_RelaxChooser::SIM_RelaxChooser(float screenWidth) : screenWidth_(screenWidth) {
    title = Translate("RELAXCHOOSER_TITLE");
    cancelLabel = Translate("RELAX_CHOOSER_CANCEL");
    cancelTooltip = "RELAX_CHOOSER_CANCEL_TOOLTIP";
    Build();
}

void SIM_RelaxChooser::Build() {
    cards.clear();
    float top = kFirstTop;
    for (const auto& venue : gVenues) {
        Card card;
        card.venue = venue.get();
        card.title = venue->title;
        card.description = venue->description;
        card.picture = venue->cardPicture;
        card.costLine = FormatText("%s : $%s", Translate("RELAXOPTION_COST").c_str(),
                                   FormatThousands(static_cast<long long>(RelaxCost(*venue))).c_str());
        card.useLabel = Translate("RELAXOPTION_USE");
        card.useTooltip = "RELAXOPTION_USE_TOOLTIP";
        card.canUse = CanAffordRelax(*venue);
        card.left = kSideGap;
        card.right = screenWidth_ - kSideGap;
        card.top = top;
        card.bottom = top + kCardHeight;
        top += kCardStep;
        cards.push_back(std::move(card));
    }
}

bool SIM_RelaxChooser::Use(std::size_t card) {
    // One day off per chooser: a second press must not pay and end another day.
    if (used || card >= cards.size()) return false;
    const SIM_RelaxVenue& venue = *cards[card].venue;
    // The button may have been drawn before the money went elsewhere: ask again.
    if (!cards[card].canUse || !CanAffordRelax(venue)) return false;
    used = true;
    ChooseRelaxVenue(venue);
    Screens().OpenRelaxResults(venue);
    return true;
}

// ---- The results screen ----

SIM_RelaxResults::SIM_RelaxResults(const SIM_RelaxVenue& venue_) : venue(&venue_) {
    picture = venue_.resultPicture;
    if (venue_.name == "donothing" && GetFinances().GetNetWorth() >= kLuxuryNetWorth) picture = "relax_home_luxury.jpg";
    for (const SIM_Modifier& m : venue_.modifiers) {
        std::string key;
        if (m.name == "band_hype") key = "RELAX_HYPE";
        else if (m.name == "band_stress") key = "RELAX_STRESS";
        else continue;
        effectLines.push_back(Translate(key) + FormatText(" %c%.0f", m.amount < 0.0f ? '-' : '+',
                                                          static_cast<double>(std::fabs(m.amount) * 100.0f)));
    }
    for (const SIM_Musician* m : GetBand().members)
        panels.push_back(Panel{m, Translate("RELAX_MOTIVATION"), Translate("RELAX_STRESS"), m->happiness * 100.0f,
                               m->Stress() * 100.0f});
    continueLabel = Translate("RELAX_CONTINUE");
    continueTooltip = "RELAX_CONTINUE_TOOLTIP";
}

void SIM_RelaxResults::Close() {
    if (closed) return;
    closed = true;
    RelaxStressRelief();
}
