#pragma once
// The headless player's publicity and relaxation: which offers it takes up, how it closes
// their screens, and what the tool's yearly line says about them.
#include <cstddef>
#include <string>

class SIM_OptionSubject;
class SIM_RelaxChooser;
struct SIM_DailyOption;

// Publicity while the band's hype is low, when it reaches at least half its audience and gives
// some hype; relaxation once the band is stressed, and a routine day off now and then. Neither
// on a gig day: the gig comes first.
bool WantsHeadlessPublicityOrRelaxation(const SIM_DailyOption& option);
// After a publicity or relaxation option has been accepted: does what the player would do on
// the screens it opened (continue on the results, pick a place in the chooser).
void FinishHeadlessPublicityOrRelaxation(int kind, SIM_OptionSubject* subject);
// When stressed, the place that eases the most stress among those the band can pay for and keep
// its reserve (staying in is free); the cheaper one of equals. On a routine day off, the cheapest.
// The number of cards when there is none to pick.
std::size_t PickRelaxCard(const SIM_RelaxChooser& chooser);
// "publicity N relaxed N".
std::string HeadlessPublicityText();
void ResetHeadlessPublicity();
