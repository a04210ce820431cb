#pragma once
// The headless player's practice: now and then a whole practice run, played by ear.
#include <string>

// Plays a practice run on the practice day of the week; true when it did (the run's close
// used the day's act).
bool PractiseHeadless();
// "melodies mastered N bpm a/b/c/d/e" for the yearly line.
std::string PracticeText();
