#pragma once
// What the gig screen and the called-off gig screen show and do, worked out from the stored
// performance: the screens only draw these texts and call Close.
#include "SIM_Performance.h"

#include <string>
#include <vector>

// One line of the evening's figures: a translated label and its value, already written out.
struct SIM_GigFigure {
    std::string key;
    std::string label;
    std::string value;
};

// A VU meter: one performance component.
struct SIM_GigMeter {
    std::string key;         // "VU_SONGS"
    std::string tooltipKey;  // "VU_SONGS_TIP"
    std::string label;
    std::string tooltip;
    float value = 0.0f;  // where the needle points, 0..1
};

// " +12%", " -5%" or " 0": a change of a band value, as a whole percentage.
std::string GigPercentEffect(float change);
// " +3", " -1" or " 0": the venue's fame factor, truncated.
std::string GigFameEffect(float factor);
// "$1,234", or "-$56" when negative; whole dollars.
std::string GigMoney(float dollars);

class SIM_GigScreen {
public:
    // Works out every text from the performance, the cheer of the crowd and the closing chord.
    explicit SIM_GigScreen(const SIM_Performance& performance);

    // The finish button: a record company may have been watching, then the gig ends the day.
    // Only the first call does anything.
    void Close();

    const SIM_Performance& performance;
    std::string venueLine;   // "GIG_LIVEAT"
    std::string attendance;  // the crowd with "PERFORMANCE_PEOPLE"
    std::string capacity;    // "PERFORMANCE_CAPACITY" with the venue's capacity
    std::string fill;        // "GIG_SOLD_OUT", else the share of the capacity filled ("85%")
    std::vector<SIM_GigFigure> figures;  // the evening's figures, in screen order
    SIM_GigMeter meters[COMPONENT_COUNT];
    std::vector<SIM_GigFigure> effects;  // motivation, inspiration, stress, fame
    std::vector<std::string> sounds;     // played as the screen opens, in order
    std::string finishLabel;
    std::string finishTooltip;
    bool closed = false;
};

// The screen of a gig the members called off. The performance may be null (nothing to show
// but the texts).
class SIM_CancelledGigScreen {
public:
    explicit SIM_CancelledGigScreen(const SIM_Performance* performance);

    // The continue button: the called-off gig still took the day. Only the first call counts.
    void Close();

    const SIM_Performance* performance;
    std::string title;
    std::string text;
    std::string footer;
    std::string sound;
    std::string continueLabel;
    std::string continueTooltip;
    bool closed = false;
};
