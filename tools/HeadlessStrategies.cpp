#include "HeadlessStrategies.h"

#include "HeadlessPlayer.h"

#include "SIM_DailyOptions.h"
#include "SIM_Relaxation.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<CareerStrategy, const char*>, 4> kStrategyNames = {{
    {CareerStrategy::kSensible, "sensible"},
    {CareerStrategy::kIdle, "idle"},
    {CareerStrategy::kRandom, "random"},
    {CareerStrategy::kReckless, "reckless"},
}};

// Today's relaxation offer, when there is one to take.
const SIM_DailyOption* RelaxationOffer() {
    for (const auto& option : GetDailyOptions().Options())
        if (option->kind == OPTION_RELAXATION && option->canAccept) return option.get();
    return nullptr;
}
}  // namespace

bool ParseCareerStrategy(const std::string& text, CareerStrategy& out) {
    for (const auto& [strategy, name] : kStrategyNames)
        if (text == name) {
            out = strategy;
            return true;
        }
    return false;
}

const char* CareerStrategyName(CareerStrategy strategy) {
    for (const auto& [known, name] : kStrategyNames)
        if (known == strategy) return name;
    return "?";
}

void PlayStrategyDay(CareerStrategy strategy) {
    switch (strategy) {
    case CareerStrategy::kSensible: PlayHeadlessDay(); return;
    case CareerStrategy::kIdle: PlayIdleDay(); return;
    case CareerStrategy::kRandom: PlayRandomDay(); return;
    case CareerStrategy::kReckless: PlayRecklessDay(); return;
    }
}

// The idle player takes the relaxation offer and stays at home, which costs nothing; without
// an offer the day simply passes.
void PlayIdleDay() {
    const int turn = GetSIM().turncount;
    if (const SIM_DailyOption* offer = RelaxationOffer()) {
        GetDailyOptions().AcceptDailyOption(*offer);
        SIM_RelaxChooser chooser;
        for (std::size_t i = 0; i < chooser.cards.size(); ++i) {
            const SIM_RelaxVenue& venue = *chooser.cards[i].venue;
            if (venue.name != "donothing") continue;
            if (chooser.Use(i)) SIM_RelaxResults(venue).Close();
            break;
        }
    }
    // The day that ends the game stops its cycle before the turn is counted.
    if (GetSIM().turncount == turn && !Screens().IsEndGameShowing()) GetSIM().UseAct();
}
