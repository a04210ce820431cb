#include "BenchSimulation.h"

#include "HeadlessPlayer.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Performance.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Median(std::vector<double>& values) {
    if (values.empty()) return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}
}  // namespace

void HireFiveMemberBand() {
    const int wanted[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                          INSTRUMENT_SAXOPHONE};
    SIM_AuditionPicker& picker = GetAuditionPicker();
    for (int instrument : wanted) {
        if (GetBand().members.size() >= 5) break;
        if (GetBand().FindMemberByInstrument(instrument) || !picker.Open(instrument)) continue;
        picker.Hire(0);
        picker.Close();
    }
}

void BenchCareer(int days) {
    SIM_HeadlessScreens screens;
    const auto start = Clock::now();
    StartHeadlessGame(screens, 1);
    // The gigs are timed where the day's option plays them, as the career meets them.
    std::vector<double> gigCosts;
    SIM_WorldSeams& world = WorldSeams();
    world.playGig = [&gigCosts, play = world.playGig](SIM_OptionSubject* gig) {
        const auto before = Clock::now();
        const bool played = play(gig);
        gigCosts.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        return played;
    };
    for (int day = 0; day < days; ++day) {
        screens.CloseEndGame();
        PlayHeadlessDay();
        screens.events.clear();
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const int cancelled = static_cast<int>(std::count_if(Performances().begin(), Performances().end(),
                                                         [](const auto& p) { return p->cancelled; }));
    const std::size_t gigs = gigCosts.size();
    std::printf("PlayGig median %.2f us over %zu gigs of the career (%d called off)\n", Median(gigCosts), gigs,
                cancelled);
    std::printf("career of %d days %.0f ms: %s\n", days, milliseconds, StateText().c_str());
    SetScreens(nullptr);
}
