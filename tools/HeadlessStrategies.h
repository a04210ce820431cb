#pragma once
// The ways `gigvale-tool simulate --strategy` plays a career. Each is a small policy over the
// headless player's activities: "sensible" is the headless player itself; the others exist to
// show the game's extremes (a band that never starts, one that spends every dollar) and to
// wander into corners of the rules a sensible player never visits.
#include <string>

enum class CareerStrategy { kSensible, kIdle, kRandom, kReckless };

// "sensible", "idle", "random" or "reckless"; false for anything else.
bool ParseCareerStrategy(const std::string& text, CareerStrategy& out);
const char* CareerStrategyName(CareerStrategy strategy);

// One day of the strategy's play (the day's options, then its act).
void PlayStrategyDay(CareerStrategy strategy);

// Hires nobody and spends every day at home with its feet up.
void PlayIdleDay();
// A legal choice at random among everything the day allows.
void PlayRandomDay();
// The sensible player's day, after buying the dearest thing it can afford until nothing is.
void PlayRecklessDay();
