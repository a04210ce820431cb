#pragma once
// Three one-off strokes of luck for a band whose worth has stopped growing: a maker gives the
// best member an instrument, a wealthy relative sends money, a star mentions the band.
#include "SIM_WorldSeams.h"

#include <string>

class SIM_Asset;
class SIM_Musician;

// The order of the gate's flags and of the candidates.
enum SIM_RandomEventKind : int {
    EVENT_GIVEN_INSTRUMENT = 0,
    EVENT_WEALTHY_RELATIVE = 1,
    EVENT_ROCKSTAR_MENTION = 2,
};

// What the event's message window shows.
struct SIM_EventMessage {
    std::string key;    // the text's translation key ("EVENT_WEALTHYRELATIVE")
    std::string title;  // translated
    std::string text;   // translated, tokens replaced
    std::string picture;  // shown beside the words (the gift's own picture); empty for none
};

// The cheapest desirable instrument for the member's instrument that the band does not own
// (the first on a tie); null when there is none.
SIM_Asset* GiftInstrumentFor(const SIM_Musician& member);
// A quarter of the net worth, at least 60, rounded down to a multiple of 5.
float WealthyRelativeAmount(float netWorth);
// Picks one of the events not yet done that can happen now, marks it done in the gate and
// runs it. Returns the event, or -1 when none could happen.
int TryRandomEvent(SIM_EventGate& gate);
