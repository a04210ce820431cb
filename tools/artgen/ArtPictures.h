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

// Scene pieces the catalogue pictures share with the fixed ones.
void BrickWall(ArtCanvas& c, const ArtColor& tint, std::uint32_t seed);
void FloorBoards(ArtCanvas& c, double top);
void LightCone(cairo_t* cr, double x, double y, double tx, double ty, double spread, const ArtColor& col, double alpha);
// A neon caption across the top and the brass rim of every scene picture.
void SceneCaption(ArtCanvas& c, const std::string& caption, const ArtColor& neon);
void StageScene(ArtCanvas& c, int performers, int crowdRows, const ArtColor& tint, std::uint32_t seed);
void LoungeScene(ArtCanvas& canvas);
void LeatherKey(ArtCanvas& canvas, bool lit, const ArtColor& neon);
// The game's icon ("icon.png", the window's), drawn at the canvas's size.
void GameIcon(ArtCanvas& canvas);
