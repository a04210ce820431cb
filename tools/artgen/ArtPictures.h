#pragma once
// The fixed pictures of the game: one rule per file, each with its folder below data/ and the
// size its screen draws it at.
#include "ArtCanvas.h"

#include <functional>
#include <string>
#include <vector>

struct PictureRule {
    std::string path;  // relative to the run folder's data/
    int width;
    int height;
    std::function<void(ArtCanvas&)> draw;
};

std::vector<PictureRule> FixedPictureRules();
// Draws every rule in [first, first + count) and saves it below dataDir; false on a write failure.
bool MakePictures(const std::vector<PictureRule>& rules, const std::string& dataDir);
