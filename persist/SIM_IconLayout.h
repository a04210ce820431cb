#pragma once
// Where the player has put the icons of the in-game desktop, kept in "icon_positions.txt" in
// the user folder as lines "name,x,y". Icons with no stored place get a free spot.
#include <string>
#include <vector>

// One desktop icon as the layout sees it: its name and its rectangle in screen pixels.
struct SIM_IconPlacement {
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct SIM_IconPosition {
    std::string name;
    int x = 0;
    int y = 0;
};

// The area automatic placement chooses from.
constexpr int kIconAreaLeft = 233;
constexpr int kIconAreaTop = 70;
constexpr int kIconAreaRight = 850;
constexpr int kIconAreaBottom = 678;
constexpr int kIconPlacementTries = 50;

// Reads "<userFolder>/icon_positions.txt" into the position table (a missing file leaves it
// empty); later saves go to the same file.
void LoadIconPositions(const std::string& userFolder);
// Rewrites the file and the table from the desktop's icons, in desktop order.
bool SaveIconPositions(const std::vector<SIM_IconPlacement>& desktop);
const std::vector<SIM_IconPosition>& IconPositions();
void ResetIconPositions();

// Puts a new icon at its stored place, else at the one of 50 random spots that overlaps the
// other icons least. The desktop may contain the item itself; it is not counted.
void PlaceIcon(SIM_IconPlacement& item, const std::vector<SIM_IconPlacement>& desktop);
