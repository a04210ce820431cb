#pragma once
// The stage announcement: the career's new stage with its picture, title and description.
#include "GUI_Dialog.h"

class GUI_GameMode : public GUI_Dialog {
public:
    // Replaces an announcement still open. It stands over everything, the day's options too,
    // and takes the clicks until the player moves on.
    static GUI_GameMode* Open(int stage);
    explicit GUI_GameMode(int stage);
    int Stage() const { return stage_; }
    // Return and Escape move on, as the button does.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    void MoveOn();

    int stage_;
    std::string description_;
};
