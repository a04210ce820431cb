#include "BenchSimulation.h"

#include "HeadlessPlayer.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Performance.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
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

void BenchPlayGig(int gigs) {
    if (Venues().empty() || gigs <= 0) {
        std::printf("PlayGig: no venues\n");
        return;
    }
    // One gig object stands for every evening; it was never booked, so it stays ours.
    SIM_Gig gig;
    gig.venue = Venues().front().get();
    std::vector<double> costs;
    for (int i = 0; i < gigs; ++i) {
        const auto before = Clock::now();
        PlayGig(&gig);
        costs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        // A gig a day: the day between lets the stress of the last one fade, as in play.
        GetSIM().NewDay();
    }
    const int cancelled = static_cast<int>(std::count_if(Performances().begin(), Performances().end(),
                                                         [](const auto& p) { return p->cancelled; }));
    std::printf("PlayGig median %.2f us over %d gigs (%d called off)\n", Median(costs), gigs, cancelled);
}

void BenchCareer(int days) {
    SIM_HeadlessScreens screens;
    const auto start = Clock::now();
    StartHeadlessGame(screens, 1);
    for (int day = 0; day < days; ++day) {
        screens.CloseEndGame();
        PlayHeadlessDay();
        screens.events.clear();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("career of %d days %.2f s: %s\n", days, seconds, StateText().c_str());
    SetScreens(nullptr);
}
