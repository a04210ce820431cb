#pragma once
// The headless player's publicity and relaxation: which offers it takes up, how it closes
// their screens, and what the tool's yearly line says about them.
#include <string>

class SIM_OptionSubject;
struct SIM_DailyOption;

// Publicity while the band's hype is low, when it reaches at least half its audience and gives
// some hype; relaxation once the band is stressed, and a routine day off now and then. Neither
// on a gig day: the gig comes first.
bool WantsHeadlessPublicityOrRelaxation(const SIM_DailyOption& option);
// After a publicity or relaxation option has been accepted: does what the player would do on
// the screens it opened (continue on the results, pick a place in the chooser).
void FinishHeadlessPublicityOrRelaxation(int kind, SIM_OptionSubject* subject);
// "publicity N relaxed N".
std::string HeadlessPublicityText();
void ResetHeadlessPublicity();
