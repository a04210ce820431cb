#pragma once
// Procedural band-member faces: varied people, each drawn in four moods plus a grey copy, and
// the player avatars.
#include "ArtCanvas.h"

#include <string>

constexpr int kPortraitSize = 128;
constexpr int kPortraitsPerGender = 26;

// mood 0 very sad, 1 sad, 2 neutral, 3 happy.
void DrawPortrait(ArtCanvas& canvas, bool female, int person, int mood);
// Writes male_portraits/, female_portraits/ and avatars/ below dataDir/bitmaps.
bool MakePortraits(const std::string& dataDir);
