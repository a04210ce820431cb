#pragma once
// Help hints: one-time tips the screens trigger by name. The catalogue is
// "data/simulation/hints.csv"; which hints this player has seen is kept in "hints.txt" in the
// user folder. A deferred hint waits until the daily options screen closes.
#include <string>
#include <vector>

struct SIM_Hint {
    std::string key;
    std::string text;
    int x = 0;
    int y = 0;
    bool deferred = false;
    std::string field6;
    std::string hook;  // run when the hint window opens; empty for none
    std::string field8;
    std::string field9;
    bool seen = false;
};

constexpr const char* kHintCatalogue = "data/simulation/hints.csv";

// Reads the catalogue and the seen flags of "<userFolder>/hints.txt" (a missing file means
// nothing has been seen yet).
void LoadHints(const std::string& userFolder, const std::string& catalogue = kHintCatalogue);
// Rewrites "hints.txt"; a failure is noted in the debug log ("failed to write hint").
bool SaveHints();
const std::vector<SIM_Hint>& Hints();
// The hints waiting for the daily options screen to close, in trigger order.
const std::vector<const SIM_Hint*>& QueuedHints();
// Forgets the hints, their seen flags and the queue (tests, shut-down).
void ResetHints();

// Shows the hint the first time it is asked for: returns true when it opened or was queued,
// false when it had been seen. A key missing from the catalogue is fatal.
bool TriggerHint(const std::string& key);
// Opens every queued hint in order and empties the queue (the daily options screen closed).
void ShowQueuedHints();
// The end-of-day hints: an empty band on day 4, too few songs on day 20, no money.
void CheckDayHints();
// Fills the day cycle's hint step.
void RegisterHints();
