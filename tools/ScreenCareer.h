#pragma once
// "play-career": a whole career of the sensible headless player, carried out through the real
// game's screens (clicks, keys, drags and typing on the fixed frame clock of play-script).
#include <string>
#include <vector>

// Arguments: --seed N --years Y [--shots DIR]. Exit 0 when the career was played through, 1 on
// the first failure (naming the screen and the day), 2 on bad arguments.
int PlayCareerThroughScreens(const std::vector<std::string>& args);
