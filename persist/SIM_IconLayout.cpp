#include "SIM_IconLayout.h"

#include <algorithm>
#include <fstream>

#include "LibErrors.h"
#include "LibFileList.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"

namespace {
std::vector<SIM_IconPosition> gPositions;
std::string gIconFile;

constexpr std::size_t kMaxLine = 1023;
// Shorter lines cannot hold a name and two numbers.
constexpr std::size_t kShortestEntry = 3;

long OverlapArea(const SIM_IconPlacement& a, const SIM_IconPlacement& b) {
    const long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}
}  // namespace

void LoadIconPositions(const std::string& userFolder) {
    gPositions.clear();
    gIconFile = userFolder + "/icon_positions.txt";
    std::ifstream in(gIconFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > kMaxLine) line.resize(kMaxLine);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() < kShortestEntry) continue;
        LibTokenizer cells(line);
        SIM_IconPosition position;
        position.name = cells.Next();
        position.x = cells.NextInt();
        position.y = cells.NextInt();
        gPositions.push_back(std::move(position));
    }
}

bool SaveIconPositions(const std::vector<SIM_IconPlacement>& desktop) {
    gPositions.clear();
    std::string text;
    for (const SIM_IconPlacement& item : desktop) {
        text += item.name + "," + std::to_string(item.x) + "," + std::to_string(item.y) + "\n";
        gPositions.push_back({item.name, item.x, item.y});
    }
    const bool written = !gIconFile.empty() && WriteFileReplacing(gIconFile, text);
    GAME_ASSERT(written);
    return written;
}

const std::vector<SIM_IconPosition>& IconPositions() { return gPositions; }

void ResetIconPositions() {
    gPositions.clear();
    gIconFile.clear();
}

void PlaceIcon(SIM_IconPlacement& item, const std::vector<SIM_IconPlacement>& desktop) {
    for (const SIM_IconPosition& stored : gPositions) {
        if (stored.name != item.name) continue;
        item.x = stored.x;
        item.y = stored.y;
        return;
    }
    long bestOverlap = 99999;
    int bestX = item.x, bestY = item.y;
    for (int attempt = 0; attempt < kIconPlacementTries; ++attempt) {
        SIM_IconPlacement candidate = item;
        candidate.x = kIconAreaLeft + RandomIndex(kIconAreaRight - item.width - kIconAreaLeft);
        candidate.y = kIconAreaTop + RandomIndex(kIconAreaBottom - item.height - kIconAreaTop);
        long overlap = 0;
        for (const SIM_IconPlacement& other : desktop)
            if (&other != &item) overlap += OverlapArea(candidate, other);
        if (attempt == 0 || overlap < bestOverlap) {  // even a crowded desktop gets a spot
            bestOverlap = overlap;
            bestX = candidate.x;
            bestY = candidate.y;
        }
    }
    item.x = bestX;
    item.y = bestY;
}
