#pragma once
// The saves the load and save screens list: one slot per file of the save-game folder with
// the band, its fame and cash, the date and the player's face; a damaged file says so and is
// never loaded. Five slots show at a time; arrows and the wheel scroll.
#include "GUI_ButtonTypes.h"
#include "SIM_SaveGame.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class GUIButtonList;

struct GUI_SaveEntry {
    std::string name;  // the file's name without ".xml"; empty for the save screen's empty slot
    std::optional<SIM_SaveSummary> summary;
    std::string problem;  // why the file cannot be loaded; empty when it can
    bool autosave = false;
};

// Every save of the folder, by name; whole is true to check each file through (the load
// screen), false to read only the summaries (the save screen).
std::vector<GUI_SaveEntry> ListSaves(const std::string& folder, bool whole);
// "Cash: $1,234", or "Cash: -$56" when below zero.
std::string SlotCashLine(float cash);

class GUI_GameSlot : public GUI_ButtonBase {
public:
    GUI_GameSlot(GUI_SaveEntry entry, Callback onClick);
    void Draw() override;
    std::string ControlLabel() const override;
    const GUI_SaveEntry entry;
};

class GUI_LoadGameSlot : public GUI_GameSlot {
public:
    using GUI_GameSlot::GUI_GameSlot;
};

class GUI_SaveGameSlot : public GUI_GameSlot {
public:
    using GUI_GameSlot::GUI_GameSlot;
};

class GUI_DeleteGameButton : public GUI_IconButton {
public:
    explicit GUI_DeleteGameButton(Callback onClick);
};

// The visible page of a list of slots.
class GUI_SlotPage {
public:
    static constexpr int kVisible = 5;
    static constexpr float kSlotHeight = 84.0f;
    static constexpr float kGap = 8.0f;

    // Lays the slots out from top, between left and right, with the arrows beside them.
    GUI_SlotPage(GUIButtonList& owner, float left, float top, float right);
    // Replaces the slots; makeSlot adds one entry's elements and returns them.
    void SetEntries(std::vector<GUI_SaveEntry> entries,
                    std::function<std::vector<GUI_BaseElement*>(const GUI_SaveEntry&, const GRect&)> makeSlot);
    void Scroll(int delta);
    int First() const { return first_; }
    const std::vector<GUI_SaveEntry>& Entries() const { return entries_; }

private:
    void Build();
    GUIButtonList& owner_;
    float left_, top_, right_;
    std::vector<GUI_SaveEntry> entries_;
    std::function<std::vector<GUI_BaseElement*>(const GUI_SaveEntry&, const GRect&)> makeSlot_;
    std::vector<GUI_BaseElement*> shown_;
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    int first_ = 0;
};
