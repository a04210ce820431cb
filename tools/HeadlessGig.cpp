// The headless player at a gig: it closes the gig screen (or the called-off gig's screen) as the
// player would, which ends the day.
#include "HeadlessPlayer.h"

#include "SIM_GigScreen.h"
#include "SIM_Performance.h"

void CloseHeadlessGigScreen(std::size_t performancesBefore) {
    const SIM_Performance* performance =
        Performances().size() > performancesBefore ? LatestPerformance() : nullptr;
    if (performance && !performance->cancelled) SIM_GigScreen(*performance).Close();
    else SIM_CancelledGigScreen(performance).Close();
}
