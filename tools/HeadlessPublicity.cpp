#include "HeadlessPublicity.h"

#include "HeadlessPlayer.h"

#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Publicity.h"
#include "SIM_Relaxation.h"
#include "SIM_Venue.h"

namespace {

// Band stress from which the band takes an evening off; besides, it takes a practice day (weekday 4)
// of every third month off in any case.
constexpr float kRelaxStress = 0.3f;
constexpr int kRelaxEveryMonths = 3;
constexpr int kRelaxWeekday = 4;
// Publicity while the band's hype is below this; below this reach it mostly annoys the members,
// and below this hype it is not worth a day.
constexpr float kHypeWanted = 0.2f;
constexpr float kWorthwhileReach = 0.5f;
constexpr float kWorthwhileHype = 0.02f;

float StressRelief(const SIM_RelaxVenue& venue) {
    float relief = 0.0f;
    for (const SIM_Modifier& m : venue.modifiers)
        if (m.name == "band_stress") relief -= m.amount;
    return relief;
}

bool BandStressed() { return GetBand().GetBandValue("band_stress") >= kRelaxStress; }

}  // namespace

std::size_t PickRelaxCard(const SIM_RelaxChooser& chooser) {
    const bool stressed = BandStressed();
    std::size_t pick = chooser.cards.size();
    for (std::size_t i = 0; i < chooser.cards.size(); ++i) {
        const SIM_RelaxChooser::Card& card = chooser.cards[i];
        const float cost = RelaxCost(*card.venue);
        if (!card.canUse || (cost > 0.0f && cost + HeadlessReserve() > GetFinances().cash)) continue;
        if (pick == chooser.cards.size()) {
            pick = i;
            continue;
        }
        const SIM_RelaxVenue& best = *chooser.cards[pick].venue;
        const float relief = stressed ? StressRelief(*card.venue) : 0.0f;
        const float bestRelief = stressed ? StressRelief(best) : 0.0f;
        if (relief > bestRelief || (relief == bestRelief && cost < RelaxCost(best))) pick = i;
    }
    return pick;
}

bool WantsHeadlessPublicityOrRelaxation(const SIM_DailyOption& option) {
    if (GetBand().members.empty() || IsGigToday()) return false;
    if (option.kind == OPTION_PUBLICITY) {
        const auto* event = dynamic_cast<const SIM_PublicityEvent*>(option.subject);
        if (!event) return false;
        const float reach = PublicityReach(*event->type, GetFame().fame);
        return GetBand().GetBandValue("band_hype") < kHypeWanted && reach >= kWorthwhileReach &&
               event->type->hypeAmount * reach >= kWorthwhileHype;
    }
    if (option.kind == OPTION_RELAXATION) {
        const SIM_DateRecord& today = GetSIMDate().GetDate();
        const bool dayOff = today.weekday == kRelaxWeekday && today.month % kRelaxEveryMonths == 0;
        return (dayOff || BandStressed()) && !RelaxVenues().empty();
    }
    return false;
}

void FinishHeadlessPublicityOrRelaxation(int kind, SIM_OptionSubject* subject) {
    if (kind == OPTION_PUBLICITY) {
        if (auto* event = dynamic_cast<SIM_PublicityEvent*>(subject); event && event->performed) {
            ++HeadlessTally().publicity;
            SIM_PublicityResults(*event).Close();
        }
    } else if (kind == OPTION_RELAXATION) {
        SIM_RelaxChooser chooser;
        const std::size_t card = PickRelaxCard(chooser);
        if (card >= chooser.cards.size()) return;  // cancel: the day is not used
        const SIM_RelaxVenue& venue = *chooser.cards[card].venue;
        if (!chooser.Use(card)) return;
        ++HeadlessTally().relaxations;
        SIM_RelaxResults(venue).Close();
    }
}

std::string HeadlessPublicityText() { return FormatText("publicity %d relaxed %d", HeadlessTally().publicity, HeadlessTally().relaxations); }

void ResetHeadlessPublicity() {
    HeadlessTally().publicity = 0;
    HeadlessTally().relaxations = 0;
}
