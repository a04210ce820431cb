#pragma once
// The headless player's practice: now and then a whole practice run, played by ear.
#include <string>

// Fridays are the practice day.
bool HeadlessPracticeDay();
// The note the player plays for the tune's next note (1..5): about 92 in 100 right, else its
// neighbour.
int HeadlessPlayedNote(int note);
// Plays a practice run on the practice day of the week; true when it did (the run's close
// used the day's act).
bool PractiseHeadless();
// "melodies mastered N bpm a/b/c/d/e" for the yearly line.
std::string PracticeText();
